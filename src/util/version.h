#pragma once
// The programs' version, as the package and "--version" give it.

#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace sondalog {

inline const QString kVersion = QStringLiteral(SONDALOG_VERSION);

/// "sondalog-cli 1.0.0 (Qt 6.4.2)": the program, its version and the Qt it runs on.
inline QString VersionLine(const QString& program)
{
    return program + u' ' + kVersion + QStringLiteral(" (Qt ") + QString::fromLatin1(qVersion()) + u')';
}

/// True when the arguments ask for the version; it is then printed. Read before any window is made, so that
/// it answers on a machine without a display.
inline bool PrintedVersion(int argc, char** argv, const QString& program)
{
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--version" || QByteArray(argv[i]) == "-v") {
            std::printf("%s\n", VersionLine(program).toUtf8().constData());
            return true;
        }
    }
    return false;
}

}  // namespace sondalog
