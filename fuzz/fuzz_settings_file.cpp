// The settings file (Sondalog.prm): 30 lines of values, colours and flags.
#include "app/settings.h"
#include "app/settings_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = fuzz::Lines(data, size);
    for (const QChar sign : {u',', u'.'}) {
        const sondalog::Settings s = sondalog::SettingsFromLines(lines, sondalog::Settings{}, sign);
        sondalog::SettingsLines(s, lines);
    }
    for (const QString& line : lines.mid(0, 8)) {
        sondalog::ColourFromLine(line, sondalog::Rgb{255, 255, 255});
    }
    return 0;
}
