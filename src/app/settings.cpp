#include "app/settings.h"

#include "app/settings_file.h"
#include "util/text_utils.h"

#include <QDir>
#include <QFileInfo>

namespace sondalog {

namespace {
int Whole(const QString& text, QChar decimalSign, const InfoSink& info)
{
    const Parsed<int> parsed = ParseInt(text, decimalSign);
    if (parsed.malformed && info) {
        info(parsed.message);
    }
    return parsed.value;
}
}  // namespace

Settings LoadSettings(const QString& path, const Settings& previous, QChar decimalSign, const InfoSink& info)
{
    return SettingsFromLines(ReadSettingsLines(path), previous, decimalSign, info);
}

Settings SettingsFromLines(QStringList lines, const Settings& previous, QChar decimalSign, const InfoSink& info)
{
    lines = lines.mid(0, kSettingsLines);
    while (lines.size() < kSettingsLines) {
        lines << QString();
    }
    auto line = [&](int n) { return lines.at(n - 1); };
    auto lineOr = [&](int n, const QString& fallback) { return line(n).isEmpty() ? fallback : line(n); };
    auto flag = [&](int n) { return IsTrueText(line(n)); };

    Settings s;
    s.Edit_repertoire = line(1);
    if (!s.Edit_repertoire.isEmpty() && !s.Edit_repertoire.endsWith(u'/') && !s.Edit_repertoire.endsWith(u'\\')) {
        s.Edit_repertoire += QDir::separator();
    }
    s.needsDirectoryChooser = s.Edit_repertoire.isEmpty() || !QFileInfo(s.Edit_repertoire).isDir();
    s.CheckBox_demo = flag(2);
    s.RadioGroup_souris = Whole(line(3), decimalSign, info);
    s.windowColour = ColourFromLine(line(4), kButtonFace);
    s.graphColour = ColourFromLine(line(5), Rgb{255, 255, 255});
    s.CheckBox_demo_rapide = flag(6);
    s.RadioGroup_signe_decimal = Whole(line(7), decimalSign, info);
    s.CheckBox_sauve_auto = flag(8);
    s.Edit_sos_mn = line(9);
    s.Edit_timeouts = line(10);
    s.readMode = Whole(line(11), decimalSign, info);
    s.Edit_Prefixe = lineOr(12, QStringLiteral("quirn-1"));
    s.maximised = IsTrueText(lineOr(13, QStringLiteral("false")));
    s.CheckBox_DTR = flag(14);
    s.CheckBox_RTS = flag(15);
    s.CheckBox_lecture_sans_traitement = flag(16);
    s.Edit_nom_blocnote = line(17);
    s.contrastMode = 0;  // line 18 is only a record of the last session's contrast
    s.CheckBox_save_sans_confirmation = IsTrueText(lineOr(19, QStringLiteral("true")));
    s.Edit_nb_decimale_1 = lineOr(20, QStringLiteral("4"));
    s.Edit_start_inject = lineOr(21, QStringLiteral("sel versé !"));
    s.Edit_facteur = lineOr(22, QStringLiteral("1.0001"));
    s.CheckBox_ph_ox_3sondes = IsTrueText(lineOr(23, QStringLiteral("false")));
    s.Edit_pH = lineOr(24, QStringLiteral("pH"));
    s.Edit_ox = lineOr(25, QStringLiteral("Ox"));
    s.ComboBox_cond_ph_ox = lineOr(26, QStringLiteral("Cond"));

    QString factor = s.Edit_facteur;
    NormalizeDecimal(factor, decimalSign);
    const Parsed<double> parsedFactor = ParseReal(factor, decimalSign);
    if (parsedFactor.malformed && info) {
        info(parsedFactor.message);
    }
    s.areaFactor = parsedFactor.value;

    // A bad minutes text must not stop the load nor the backups: keep the interval in force.
    const Parsed<int> minutes = ParseInt(s.Edit_sos_mn, decimalSign);
    s.autoSaveIntervalMs = std::max(previous.autoSaveIntervalMs, 60000);
    if (!minutes.malformed && minutes.value >= 1 && minutes.value <= 24 * 60 && !s.Edit_sos_mn.trimmed().isEmpty()) {
        s.autoSaveIntervalMs = minutes.value * 60000;
    }
    return s;
}

QStringList SettingsValues(const Settings& s)
{
    QStringList v;
    v << s.Edit_repertoire << BoolText(s.CheckBox_demo) << QString::number(s.RadioGroup_souris)
      << ColourLine(s.windowColour) << ColourLine(s.graphColour) << BoolText(s.CheckBox_demo_rapide)
      << QString::number(s.RadioGroup_signe_decimal) << BoolText(s.CheckBox_sauve_auto) << s.Edit_sos_mn
      << s.Edit_timeouts << QString::number(s.readMode) << s.Edit_Prefixe << BoolText(s.maximised)
      << BoolText(s.CheckBox_DTR) << BoolText(s.CheckBox_RTS) << BoolText(s.CheckBox_lecture_sans_traitement)
      << s.Edit_nom_blocnote << QString::number(s.contrastMode) << BoolText(s.CheckBox_save_sans_confirmation)
      << s.Edit_nb_decimale_1 << s.Edit_start_inject << s.Edit_facteur << BoolText(s.CheckBox_ph_ox_3sondes)
      << s.Edit_pH << s.Edit_ox << s.ComboBox_cond_ph_ox;
    // One value per line: a pasted line break would shift every later setting.
    for (QString& value : v) {
        value = SingleLine(value);
    }
    return v;
}

QStringList SettingsLines(const Settings& settings, const QStringList& existing)
{
    QStringList lines = existing.mid(0, kSettingsLines);
    while (lines.size() < kSettingsLines) {
        lines << QString();
    }
    const QStringList values = SettingsValues(settings);
    for (int n = 1; n <= values.size(); ++n) {
        // In contrast modes the colours on screen are temporary: the stored ones stay.
        if ((n == 4 || n == 5) && settings.contrastMode != 0) {
            continue;
        }
        lines[n - 1] = values.at(n - 1);
    }
    return lines;
}

bool SaveSettings(const QString& path, const Settings& settings)
{
    return WriteSettingsLines(path, SettingsLines(settings, ReadSettingsLines(path)));
}

}  // namespace sondalog
