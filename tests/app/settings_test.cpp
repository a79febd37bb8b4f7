#include "app/settings.h"
#include "app/settings_file.h"
#include "support/disk_full.h"
#include "util/text_file.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
QString WriteSettings(const QTemporaryDir& dir, const QStringList& lines)
{
    const QString path = dir.filePath(QStringLiteral("Sondalog.prm"));
    EXPECT_TRUE(WriteFileAtomically(path, JoinCrLf(lines)).isEmpty());
    return path;
}
}  // namespace

TEST(SettingsFile, OldTwentyLineFileReadsDefaultsAndSavesThirty)
{
    QTemporaryDir dir;
    QStringList lines;
    for (int i = 1; i <= 20; ++i) {
        lines << QString();
    }
    lines[1] = QStringLiteral("True");
    lines[3] = QStringLiteral("0,0,0");
    lines[4] = QStringLiteral("255,255");
    lines[17] = QStringLiteral("2");
    const QString path = WriteSettings(dir, lines);
    const Settings s = LoadSettings(path, Settings{}, u',');
    EXPECT_FALSE(s.CheckBox_demo);
    EXPECT_EQ(s.windowColour, (Rgb{222, 222, 222}));
    EXPECT_EQ(s.graphColour, (Rgb{255, 255, 255}));
    EXPECT_EQ(s.contrastMode, 0);
    EXPECT_EQ(s.Edit_Prefixe, QStringLiteral("quirn-1"));
    EXPECT_TRUE(s.CheckBox_save_sans_confirmation);
    EXPECT_EQ(s.Edit_nb_decimale_1, QStringLiteral("4"));
    EXPECT_EQ(s.Edit_start_inject, QStringLiteral("sel versé !"));
    EXPECT_EQ(s.Edit_facteur, QStringLiteral("1.0001"));
    EXPECT_DOUBLE_EQ(s.areaFactor, 1.0001);
    EXPECT_FALSE(s.CheckBox_ph_ox_3sondes);
    EXPECT_EQ(s.Edit_pH, QStringLiteral("pH"));
    EXPECT_EQ(s.Edit_ox, QStringLiteral("Ox"));
    EXPECT_EQ(s.ComboBox_cond_ph_ox, QStringLiteral("Cond"));
    EXPECT_TRUE(s.needsDirectoryChooser);

    ASSERT_TRUE(SaveSettings(path, s));
    const QStringList saved = ReadTextLines(path).value();
    EXPECT_EQ(saved.size(), 30);
    EXPECT_EQ(saved[20], QStringLiteral("sel versé !"));
}

TEST(SettingsFile, SaveKeepsReservedLinesAndStoredColoursInContrastMode)
{
    QTemporaryDir dir;
    QStringList lines(30);
    lines[3] = QStringLiteral("1,2,3");
    lines[4] = QStringLiteral("4,5,6");
    lines[26] = QStringLiteral("r27");
    lines[29] = QStringLiteral("r30");
    const QString path = WriteSettings(dir, lines);
    Settings s;
    s.windowColour = Rgb{9, 9, 9};
    s.contrastMode = 1;
    ASSERT_TRUE(SaveSettings(path, s));
    QStringList saved = ReadTextLines(path).value();
    EXPECT_EQ(saved[3], QStringLiteral("1,2,3"));
    EXPECT_EQ(saved[4], QStringLiteral("4,5,6"));
    EXPECT_EQ(saved[26], QStringLiteral("r27"));
    EXPECT_EQ(saved[29], QStringLiteral("r30"));
    EXPECT_EQ(saved[17], QStringLiteral("1"));

    s.contrastMode = 0;
    ASSERT_TRUE(SaveSettings(path, s));
    saved = ReadTextLines(path).value();
    EXPECT_EQ(saved[3], QStringLiteral("9,9,9"));
    EXPECT_EQ(saved[29], QStringLiteral("r30"));
}

TEST(SettingsFile, FirstSaveWritesTheControlsStartValues)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.prm"));
    ASSERT_TRUE(SaveSettings(path, Settings{}));
    const Settings s = LoadSettings(path, Settings{}, u'.');
    EXPECT_TRUE(s.CheckBox_demo);
    EXPECT_EQ(s.Edit_facteur, QStringLiteral("1.02"));
    EXPECT_EQ(s.Edit_nb_decimale_1, QStringLiteral("µ=0;m=3;k=1;F=3"));
    EXPECT_EQ(s.Edit_start_inject, QStringLiteral("traçage => t0"));
    EXPECT_EQ(s.Edit_Prefixe, QStringLiteral("Forage1"));
    EXPECT_EQ(s.Edit_timeouts, QStringLiteral("500"));
    EXPECT_EQ(s.readMode, 0);
    EXPECT_EQ(s.autoSaveIntervalMs, 5 * 60000);
    EXPECT_EQ(s.windowColour, kButtonFace);
}

TEST(SettingsFile, BadAutoSaveMinutesKeepThePreviousInterval)
{
    struct Case {
        QString minutes;
        int previousMs;
        int expectedMs;
    };
    const Case cases[] = {
        {QStringLiteral("3"), 90000, 180000},
        {QString(), 120000, 120000},
        {QStringLiteral("abc"), 120000, 120000},
        {QStringLiteral("1.5"), 120000, 120000},
        {QStringLiteral("0"), 30000, 60000},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        QStringList lines(30);
        lines[8] = c.minutes;
        Settings previous;
        previous.autoSaveIntervalMs = c.previousMs;
        const Settings s = LoadSettings(WriteSettings(dir, lines), previous, u',');
        EXPECT_EQ(s.autoSaveIntervalMs, c.expectedMs) << c.minutes.toStdString();
    }
}

TEST(SettingsFile, LineAccessAndColourRules)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.prm"));
    EXPECT_EQ(ReadSettingsLine(path, 3), QString());
    EXPECT_EQ(ReadSettingsLineOr(path, 3, QStringLiteral("d")), QStringLiteral("d"));
    ASSERT_TRUE(WriteSettingsLine(path, QStringLiteral("v"), 3));
    EXPECT_EQ(ReadTextLines(path).value().size(), 30);
    EXPECT_EQ(ReadSettingsLine(path, 3), QStringLiteral("v"));
    ASSERT_TRUE(WriteColourLine(path, (Rgb{1, 2, 3}), 5));
    EXPECT_EQ(ReadColourLine(path, (Rgb{255, 255, 255}), 5), (Rgb{1, 2, 3}));
    EXPECT_EQ(ReadColourLine(path, (Rgb{255, 255, 255}), 6), (Rgb{255, 255, 255}));
    EXPECT_EQ(ColourFromLine(QStringLiteral("1,2,3,4"), (Rgb{255, 0, 0})), (Rgb{255, 0, 0}));

    QTemporaryDir work;
    ASSERT_TRUE(WriteSettingsLine(path, work.path(), 1));
    const Settings s = LoadSettings(path, Settings{}, u',');
    EXPECT_FALSE(s.needsDirectoryChooser);
    EXPECT_TRUE(s.Edit_repertoire.endsWith(QDir::separator()));
}

TEST(SettingsFile, PastedLineBreaksNeverShiftTheLines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.prm"));
    Settings s;
    s.Edit_start_inject = QStringLiteral("sel\r\nversé");
    s.Edit_Prefixe = QStringLiteral("Forage\n2");
    s.Edit_facteur = QStringLiteral("1.5");
    ASSERT_TRUE(SaveSettings(path, s));
    EXPECT_EQ(ReadTextLines(path).value().size(), 30);
    const Settings back = LoadSettings(path, Settings{}, u'.');
    EXPECT_EQ(back.Edit_start_inject, QStringLiteral("sel  versé"));
    EXPECT_EQ(back.Edit_Prefixe, QStringLiteral("Forage 2"));
    EXPECT_DOUBLE_EQ(back.areaFactor, 1.5);
}

TEST(SettingsFile, FullDiskKeepsTheEarlierFileAndSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.prm"));
    Settings s;
    s.Edit_Prefixe = QStringLiteral("puits");
    ASSERT_TRUE(SaveSettings(path, s));
    const QByteArray before = ReadTextLines(path).value().join(u'|').toUtf8();
    s.Edit_Prefixe = QStringLiteral("autre");
    {
        FileSizeLimit full(100);
        EXPECT_FALSE(SaveSettings(path, s));
        EXPECT_FALSE(WriteColourLine(path, (Rgb{1, 2, 3}), 5));
    }
    EXPECT_EQ(ReadTextLines(path).value().join(u'|').toUtf8(), before);
}

TEST(SettingsFile, StartValuesAndColourFieldsOfAnySize)
{
    // "sauvegarde automatique" starts unchecked, for the window and the command line alike.
    EXPECT_FALSE(Settings{}.CheckBox_sauve_auto);
    EXPECT_EQ(SettingsValues(Settings{}).at(7), QStringLiteral("false"));
    struct Case {
        QString line;
        Rgb colour;
    };
    const Case cases[] = {
        {QStringLiteral("2147483647,255,0"), Rgb{255, 255, 0}},
        {QStringLiteral("2147483647,2147483647,2"), Rgb{255, 255, 2}},  // sums to 2^32: not black
        {QStringLiteral("0,0,0"), Rgb{222, 222, 222}},
        {QStringLiteral("-1,1,0"), Rgb{255, 1, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColourFromLine(c.line, (Rgb{255, 0, 0})), c.colour) << c.line.toStdString();
    }
}

TEST(SettingsFile, AFileFarLargerThanAnySettingsIsNotRead)
{
    QTemporaryDir dir;
    QStringList lines(30);
    lines[0] = QStringLiteral("/home/essais/");
    lines << QString(kConfigFileMaxBytes, u'x');
    const QString path = WriteSettings(dir, lines);
    ASSERT_GT(QFileInfo(path).size(), kConfigFileMaxBytes);
    EXPECT_EQ(ReadSettingsLines(path), QStringList(30));
}
