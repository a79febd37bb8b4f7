#pragma once
// Where the parameter file, the example table and the settings file live.

#include <QString>

namespace sondalog {

inline const QString kParameterFileName = QStringLiteral("Sondalog.ini");
inline const QString kExampleFileName = QStringLiteral("Sondalog.ini0");
inline const QString kSettingsFileName = QStringLiteral("Sondalog.prm");
/// The tracer test's own inputs (distance, mass, discharge, factor): apart, so that the settings
/// file keeps its 30 lines.
inline const QString kTracerFileName = QStringLiteral("Sondalog.trc");

struct ConfigPaths {
    QString dir;     ///< the configuration folder, ending without a separator
    QString appDir;  ///< the executables' folder, where the build puts the example table

    QString ParameterFile() const;
    QString SettingsFile() const;
    QString TracerFile() const;
    /// The fluorometer's calibration and corrections (Sondalog.cal).
    QString CalibrationFile() const;
    /// The configuration folder's example table when it has one, else the one beside the program.
    QString ExampleFile() const;

    /// `overrideDir` when given; else the program's folder when writable and not an install (a portable copy),
    /// else the user's configuration folder. The folder is created when missing.
    static ConfigPaths Resolve(const QString& overrideDir, const QString& appDir);
};

}  // namespace sondalog
