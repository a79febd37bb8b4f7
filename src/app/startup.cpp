#include "app/startup.h"

#include "instrument/parameter_file.h"
#include "util/text_file.h"
#include "util/translate.h"

#include <QFileInfo>

namespace sondalog {

Startup LoadStartup(const ConfigPaths& paths, QChar decimalSign, const InfoSink& info, bool readOnly)
{
    Startup s;
    TableFileCallbacks cb;
    const QString cannotCreate = Message(kCannotCreateFileMessage).section(QStringLiteral("%1"), 0, 0);
    cb.info = [&](const QString& text) {
        if (text.startsWith(cannotCreate)) {
            s.writeFailures << text;
        }
        if (info) {
            info(text);
        }
    };
    // A missing table must not wipe settings the user already has.
    cb.saveSettings = [&] {
        if (!QFileInfo::exists(paths.SettingsFile()) && !SaveSettings(paths.SettingsFile(), s.settings)) {
            const QString failure = Message(kCannotCreateFileMessage).arg(paths.SettingsFile());
            s.writeFailures << failure;
            if (info) {
                info(failure);
            }
        }
    };
    const bool tableMissing = !QFileInfo::exists(paths.ParameterFile());
    if (readOnly && tableMissing) {
        FillExampleRows(s.table);  // used, never written: a command that reads leaves the folder as it was
    } else {
        LoadTableFile(s.table, paths.ParameterFile(), false, cb);
    }
    s.config = ApplyInstrumentTable(s.table, 1, decimalSign, info);
    if (!(readOnly && tableMissing && !QFileInfo::exists(paths.SettingsFile()))) {
        s.settings = LoadSettings(paths.SettingsFile(), s.settings, decimalSign, info);
    }  // else the start values, as the file the program would have written with the table holds them
    return s;
}

}  // namespace sondalog
