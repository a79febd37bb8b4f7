#pragma once
// The settings of both windows' controls, as the settings file keeps them between runs.
// Fields are named after the controls they fill.

#include "util/messages.h"
#include "util/rgb.h"

#include <QString>
#include <QStringList>

namespace sondalog {

/// Window colour used when line 4 holds none (the classic button face).
inline constexpr Rgb kButtonFace{240, 240, 240};
inline constexpr int kAutoSaveStartMs = 90000;

/// Start values: what the controls hold before any file was read, hence what a first save writes.
struct Settings {
    QString Edit_repertoire;
    bool CheckBox_demo = true;
    int RadioGroup_souris = 0;
    Rgb windowColour = kButtonFace;
    Rgb graphColour{255, 255, 255};
    bool CheckBox_demo_rapide = true;
    int RadioGroup_signe_decimal = 0;  ///< 0 "virgule", 1 "point"
    bool CheckBox_sauve_auto = false;  ///< "sauvegarde automatique" starts unchecked
    QString Edit_sos_mn = QStringLiteral("5");
    QString Edit_timeouts = QStringLiteral("500");
    int readMode = 0;  ///< 0 character by character, 1 by string and CSV
    QString Edit_Prefixe = QStringLiteral("Forage1");
    bool maximised = false;
    bool CheckBox_DTR = false;
    bool CheckBox_RTS = false;
    bool CheckBox_lecture_sans_traitement = false;
    QString Edit_nom_blocnote = QStringLiteral("notepad.exe");
    int contrastMode = 0;
    bool CheckBox_save_sans_confirmation = true;
    QString Edit_nb_decimale_1 = QStringLiteral("µ=0;m=3;k=1;F=3");
    QString Edit_start_inject = QStringLiteral("traçage => t0");
    QString Edit_facteur = QStringLiteral("1.02");
    bool CheckBox_ph_ox_3sondes = false;
    QString Edit_pH = QStringLiteral("pH");
    QString Edit_ox = QStringLiteral("Ox");
    QString ComboBox_cond_ph_ox = QStringLiteral("Cond");

    // Values derived when the settings are loaded.
    double areaFactor = 1.02;
    int autoSaveIntervalMs = kAutoSaveStartMs;
    bool needsDirectoryChooser = false;  ///< line 1 empty or not an existing folder
};

/// Reads the settings file into a settings value. `previous` supplies the auto-save interval
/// kept when the file's minutes are not a whole number of at least one.
Settings LoadSettings(const QString& path, const Settings& previous, QChar decimalSign, const InfoSink& info = {});

/// The same from the file's lines (any count; missing lines read empty).
Settings SettingsFromLines(QStringList lines, const Settings& previous, QChar decimalSign, const InfoSink& info = {});

/// The 30 lines SaveSettings writes over `existing` (lines 4 and 5 only in contrast mode 0; 27 to 30 kept).
QStringList SettingsLines(const Settings& settings, const QStringList& existing);
/// Writes the settings; false when the file could not be written.
bool SaveSettings(const QString& path, const Settings& settings);

/// The value each of lines 1 to 26 gives once the defaults are applied, as text (flags true/false).
QStringList SettingsValues(const Settings& settings);

}  // namespace sondalog
