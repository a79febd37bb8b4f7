#pragma once
// Where an installed Sondalog keeps what is not a program: <prefix>/share/sondalog beside <prefix>/bin.
// A program in a build folder or a portable copy has no such folder and keeps everything beside itself.

#include <QDir>
#include <QString>

namespace sondalog {

inline const QString kInstalledDataFolder = QStringLiteral("share/sondalog");

/// The installed data folder of a program in `programFolder`; empty when it does not sit in an install.
inline QString InstalledDataDir(const QString& programFolder)
{
    if (programFolder.isEmpty()) {
        return {};
    }
    QDir dir(programFolder);
    return dir.cdUp() && dir.cd(kInstalledDataFolder) ? dir.absolutePath() : QString();
}

}  // namespace sondalog
