#include "app/startup.h"

#include "instrument/parameter_file.h"

namespace sondalog {

Startup LoadStartup(const ConfigPaths& paths, QChar decimalSign, const InfoSink& info)
{
    Startup s;
    TableFileCallbacks cb;
    cb.info = info;
    cb.saveSettings = [&] { SaveSettings(paths.SettingsFile(), s.settings); };
    LoadTableFile(s.table, paths.ParameterFile(), false, cb);
    s.config = ApplyInstrumentTable(s.table, 1, decimalSign, info);
    s.settings = LoadSettings(paths.SettingsFile(), s.settings, decimalSign, info);
    return s;
}

}  // namespace sondalog
