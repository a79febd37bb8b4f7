#include "app/startup.h"

#include "instrument/parameter_file.h"

#include <QFileInfo>

namespace sondalog {

Startup LoadStartup(const ConfigPaths& paths, QChar decimalSign, const InfoSink& info)
{
    Startup s;
    TableFileCallbacks cb;
    cb.info = info;
    // A missing table must not wipe settings the user already has.
    cb.saveSettings = [&] {
        if (!QFileInfo::exists(paths.SettingsFile())) {
            SaveSettings(paths.SettingsFile(), s.settings);
        }
    };
    LoadTableFile(s.table, paths.ParameterFile(), false, cb);
    s.config = ApplyInstrumentTable(s.table, 1, decimalSign, info);
    s.settings = LoadSettings(paths.SettingsFile(), s.settings, decimalSign, info);
    return s;
}

}  // namespace sondalog
