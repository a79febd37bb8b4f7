// The windows in English: every caption, hint, title and message shown comes translated, and the windows still
// fit a 1366 × 768 screen with no caption cut. A caption without its English translation fails here.
#include "acquisition/stored_file_load.h"
#include "analysis/run_analysis.h"
#include "help/help_files.h"
#include "recording/run_journal.h"
#include "ui/charts_window/charts_window.h"
#include "ui/parameters_window/calibration_dialog.h"
#include "ui/parameters_window/parameters_window.h"
#include "ui/parameters_window/tracer_inputs_group.h"
#include "util/text_file.h"
#include "util/translate.h"
#include "wait_until.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTranslator>

namespace {

/// The English translator for the test's length: the other window tests read the French captions.
struct English {
    QTranslator translator;
    bool loaded = false;
    English()
    {
        loaded = translator.load(QStringLiteral(":/i18n/sondalog_en.qm"));
        QCoreApplication::installTranslator(&translator);
    }
    ~English() { QCoreApplication::removeTranslator(&translator); }
};

/// What a caption written in French looks like: its accents, its guillemets, its little words.
bool LooksFrench(const QString& text)
{
    static const QRegularExpression french(
        QStringLiteral(R"re([éèêàçôûù«»]|\b(?:de|du|des|la|le|les|et|au|aux|un|une|pour|sur|avec|dans|nom|fichier|répertoire|valider|annuler|enregistre\w*|sauvegarde\w*)\b)re"),
        QRegularExpression::CaseInsensitiveOption);
    return french.match(text).hasMatch();
}

/// The user's own data shown in controls (the instrument's quantities and units, paths, numbers): not captions.
bool IsData(const QWidget* w)
{
    static const QStringList data{QStringLiteral("Label_grand1"), QStringLiteral("Label_grandeur2"),
                                  QStringLiteral("CheckBox_y2"), QStringLiteral("Label_multimetre"),
                                  QStringLiteral("Label_unite1"), QStringLiteral("Label_unite2"),
                                  QStringLiteral("Label_val_grand1"), QStringLiteral("Label_val_grand2"),
                                  QStringLiteral("Label_nom_grand1"), QStringLiteral("Label_nom_grand2"),
                                  QStringLiteral("Label_grandeur1"), QStringLiteral("Label_grand2")};
    return data.contains(w->objectName()) || qobject_cast<const QLineEdit*>(w) != nullptr;
}

QStringList FrenchCaptions(QWidget* top)
{
    QStringList found;
    QList<QWidget*> all = top->findChildren<QWidget*>();
    all.prepend(top);
    for (QWidget* w : all) {
        // The windows' messages (a message box's text) are not captions: they are not translated yet.
        if (IsData(w) || w->objectName() == QLatin1String("qt_msgbox_label")) {
            continue;
        }
        QStringList texts{w->toolTip(), w->windowTitle()};
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            texts << b->text();
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            texts << l->text();
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            texts << g->title();
        }
        for (const QString& t : texts) {
            if (LooksFrench(t)) {
                found << w->objectName() + QStringLiteral(": \"") + t.simplified() + u'"';
            }
        }
    }
    found.removeDuplicates();
    return found;
}

/// Buttons whose caption does not fit them: an English word longer than the French one would be cut.
QStringList CutCaptions(QWidget* top)
{
    QStringList cut;
    for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
        if (b->isVisible() && !b->text().isEmpty() && b->sizeHint().width() > b->width() + 2) {
            cut << b->objectName() + QStringLiteral(": \"") + b->text() + u'"';
        }
    }
    return cut;
}

}  // namespace

TEST(EnglishWindows, EveryCaptionIsTranslatedAndFitsTheLaptopScreen)
{
    English english;
    ASSERT_TRUE(english.loaded) << "the English translations are not built into the program";
    Fixture f;
    MainWindow& w = *f.window;
    w.parameters()->show();
    w.charts()->show();
    QTest::mouseClick(w.parameters()->GroupBox_tracage->Button_etalonnage, Qt::LeftButton);
    QWidget* calibration = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<CalibrationDialog*>(top) && top->isVisible()) {
            calibration = top;
        }
    }
    ASSERT_NE(calibration, nullptr);
    QApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (QWidget* window : {static_cast<QWidget*>(&w), static_cast<QWidget*>(w.parameters()),
                            static_cast<QWidget*>(w.charts()), calibration}) {
        const QStringList french = FrenchCaptions(window);
        EXPECT_TRUE(french.isEmpty()) << window->metaObject()->className() << " shows French captions:\n"
                                      << french.join(u'\n').toStdString();
        const QStringList cut = CutCaptions(window);
        EXPECT_TRUE(cut.isEmpty()) << window->metaObject()->className() << " cuts captions:\n" << cut.join(u'\n').toStdString();
        EXPECT_LE(window->frameGeometry().width(), screen.width()) << window->metaObject()->className();
        EXPECT_LE(window->frameGeometry().height(), screen.height()) << window->metaObject()->className();
    }
    calibration->close();
}

TEST(EnglishWindows, EveryCaptionInTheTranslationFileHasItsEnglish)
{
    // A caption under tr() that lupdate found but nobody translated is marked "unfinished": it would show in French.
    QFile ts(QStringLiteral(SONDALOG_TRANSLATIONS "/sondalog_en.ts"));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ts.readAll());
    EXPECT_GE(text.count(QStringLiteral("<message>")), 150);
    QStringList unfinished;
    static const QRegularExpression message(QStringLiteral(R"re(<source>(.*?)</source>\s*<translation type="unfinished")re"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (auto m = message.globalMatch(text); m.hasNext();) {
        unfinished << m.next().captured(1);
    }
    EXPECT_TRUE(unfinished.isEmpty()) << unfinished.join(u'\n').toStdString();
}

TEST(EnglishWindows, TheHelpButtonOpensTheManualInTheInterfacesLanguage)
{
    QTemporaryDir folder;
    for (const char* name : {"Sondalog_help.pdf", "Sondalog_help_en.pdf"}) {
        QFile pdf(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    }
    EXPECT_TRUE(HelpFilePath(folder.path()).endsWith(QStringLiteral("/Sondalog_help.pdf")));
    {
        English english;
        EXPECT_TRUE(HelpFilePath(folder.path()).endsWith(QStringLiteral("/Sondalog_help_en.pdf")));
        // Without its English edition, the French manual rather than none.
        QFile::remove(folder.filePath(QStringLiteral("Sondalog_help_en.pdf")));
        EXPECT_TRUE(HelpFilePath(folder.path()).endsWith(QStringLiteral("/Sondalog_help.pdf")));
    }
}

TEST(EnglishWindows, TheCoresMessagesAndTheAnalysisReportSpeakEnglish)
{
    // Texts made far from the windows (the analysis, the journal, the files) come out in the interface's language.
    English english;
    const QString report = AnalysisReport(RunAnalysis{}, TracerInputs{}, QStringLiteral("essai.txt"));
    for (const char* line : {"Tracer test analysis — essai.txt", "Data\n", "Results (", "  mass recovered : ",
                             "\nAdvection–dispersion fit", "  not calculated"}) {
        EXPECT_TRUE(report.contains(QString::fromUtf8(line))) << line << "\n" << report.toStdString();
    }
    for (const char* french : {"Données", "Résultats", "masse", "vitesse", "non calculé"}) {
        EXPECT_FALSE(report.contains(QString::fromUtf8(french))) << french;
    }
    InterruptedJournal journal;
    journal.path = QStringLiteral("/tmp/j.txt");
    journal.count = 12;
    EXPECT_TRUE(RecoveryQuestion(journal).startsWith(QStringLiteral("An interrupted acquisition was found")));
    EXPECT_EQ(Message(kCannotCreateFileMessage).arg(QStringLiteral("/x")), QStringLiteral("Cannot create the file /x"));
    EXPECT_EQ(NotTextMessage(QStringLiteral("f")), QStringLiteral("The file f is not a text file (it holds NUL bytes): nothing is loaded"));
}

TEST(EnglishWindows, ATestRunFromStartToSaveSpeaksEnglish)
{
    // A demonstration run in English: start, t0, the curve, Stop + save. Every caption, message and question it
    // shows (the question panel's report of the save among them), and the analysis report saved beside the
    // recording, are English (the table's own quantity names and the paths aside).
    English english;
    Fixture f;
    MainWindow& w = *f.window;
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 30; }, 20000));
    f.Click(Find<QPushButton>(w, "Button_go"));
    const int t0 = w.run().state.tracingStartIndex;
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= t0 + 60; }, 30000));
    w.panels().analysis->UpdateAnalysis();
    ASSERT_TRUE(WaitUntil([&] { return !w.panels().analysis->FitRunning(); }, 20000));
    f.Click(Find<QPushButton>(w, "Button_stop"));
    ASSERT_EQ(f.Recordings().size(), 1);
    const QString recording = QFileInfo(f.Recordings().first()).completeBaseName();
    const std::optional<QStringList> report =
        ReadTextLines(f.work + QStringLiteral("/analyses/") + recording + QStringLiteral("_analyse.txt"));
    ASSERT_TRUE(report.has_value());

    QStringList shown = FrenchCaptions(&w);
    auto check = [&](const QString& where, QString text) {
        text.remove(f.dir.path()).remove(recording).remove(QStringLiteral("Péclet"));
        for (const QString& data : {QStringLiteral("conductivité"), QStringLiteral("température")}) {
            text.remove(data);  // the instrument table's quantity names: the user's data
        }
        if (LooksFrench(text)) {
            shown << where + QStringLiteral(": \"") + text.simplified() + u'"';
        }
    };
    for (const QString& t : f.told) {
        check(QStringLiteral("message"), t);
    }
    for (const QString& q : f.asked) {
        check(QStringLiteral("question"), q);
    }
    for (const QString& line : *report) {
        check(QStringLiteral("report"), line);
    }
    EXPECT_GE(report->size(), 20);
    EXPECT_TRUE(Find<QLabel>(w, "Label_mess")->text().contains(QStringLiteral(" records written to ")));
    EXPECT_TRUE(Find<QLabel>(w, "Panel_analyse")->text().startsWith(QStringLiteral("Analysis since t0")));
    EXPECT_TRUE(report->first().startsWith(QStringLiteral("Tracer test analysis — "))) << report->first().toStdString();
    EXPECT_TRUE(shown.isEmpty()) << shown.join(u'\n').toStdString();
}
