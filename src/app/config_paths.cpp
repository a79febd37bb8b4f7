#include "app/config_paths.h"

#include "util/install_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace sondalog {

QString ConfigPaths::ParameterFile() const
{
    return QDir(dir).filePath(kParameterFileName);
}

QString ConfigPaths::SettingsFile() const
{
    return QDir(dir).filePath(kSettingsFileName);
}

QString ConfigPaths::TracerFile() const
{
    return QDir(dir).filePath(kTracerFileName);
}

QString ConfigPaths::CalibrationFile() const
{
    return QDir(dir).filePath(QStringLiteral("Sondalog.cal"));
}

QString ConfigPaths::ExampleFile() const
{
    const QString own = QDir(dir).filePath(kExampleFileName);
    if (QFile::exists(own) || appDir.isEmpty()) {
        return own;
    }
    return QDir(appDir).filePath(kExampleFileName);
}

ConfigPaths ConfigPaths::Resolve(const QString& overrideDir, const QString& appDir)
{
    QString dir = overrideDir;
    if (dir.isEmpty()) {
        const QFileInfo app(appDir);
        // An installed program never writes beside itself, even when run by an account that could.
        const bool portable = app.isDir() && app.isWritable() && InstalledDataDir(appDir).isEmpty();
        dir = portable ? appDir : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    }
    QDir().mkpath(dir);
    return {QDir::cleanPath(QDir(dir).absolutePath()), appDir};
}

}  // namespace sondalog
