#include "app/settings_store.h"

#include "util/text_file.h"
#include "util/text_utils.h"

#include <QDir>

namespace sondalog {

SettingsStore::SettingsStore(const ConfigPaths& paths, const Regional& regional, QObject* parent)
    : QObject(parent), paths_(paths), regional_(regional)
{
}

Settings SettingsStore::Complete() const
{
    Settings s = settings;
    s.Edit_repertoire = WithTrailingSeparator(workingDir);
    QString factor = s.Edit_facteur;
    NormalizeDecimal(factor, regional_.decimalSign);
    s.areaFactor = ParseReal(factor, regional_.decimalSign).value;
    return s;
}

bool SettingsStore::Save() const
{
    return SaveSettings(paths_.SettingsFile(), Complete());
}

Settings SettingsStore::Stored(const InfoSink& info) const
{
    return LoadSettings(paths_.SettingsFile(), settings, regional_.decimalSign, info);
}

}  // namespace sondalog
