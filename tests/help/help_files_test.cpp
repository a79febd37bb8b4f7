#include "ui/widgets/help_buttons.h"
#include "help/help_files.h"
#include "app/config_paths.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QRegularExpression>
#include <QTranslator>

#include <vector>
#include <QFileInfo>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sondalog;

TEST(Help, ToolsAreTheFirstProgramFoundAndOtherwiseDisabled)
{
    struct Case {
        ToolKind kind;
        QStringList present;
        QString program;
        QStringList arguments;
    };
    const Case cases[] = {
        {ToolKind::SerialTerminal, {"cutecom", "picocom"}, "/usr/bin/cutecom", {}},
        {ToolKind::SerialTerminal, {"picocom", "x-terminal-emulator"}, "/usr/bin/x-terminal-emulator", {"-e", "/usr/bin/picocom"}},
        {ToolKind::SerialTerminal, {"picocom"}, QString(), {}},  // a terminal program needs a terminal
        {ToolKind::TaskManager, {"xfce4-taskmanager"}, "/usr/bin/xfce4-taskmanager", {}},
        {ToolKind::DeviceManager, {}, QString(), {}},
    };
    for (const Case& c : cases) {
        const ExternalTool tool = ToolFor(c.kind, [&](const QString& name) {
            return c.present.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        });
        EXPECT_EQ(tool.program, c.program) << c.present.join(u',').toStdString();
        EXPECT_EQ(tool.arguments, c.arguments);
        EXPECT_FALSE(tool.hint.isEmpty());
        if (c.program.isEmpty()) {
            EXPECT_TRUE(tool.hint.startsWith(QStringLiteral("à installer")));
        }
    }
}

TEST(Help, MissingManualOrViewerIsSaid)
{
    QTemporaryDir dir;
    QStringList told;
    OpenHelp(dir.path(), [&](const QString& t) { told << t; }, [](const QString&) { return true; });
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0], QStringLiteral("<") + dir.filePath(QStringLiteral("Sondalog_help.pdf")) +
                           QStringLiteral("> introuvable"));
    QFile pdf(dir.filePath(QStringLiteral("Sondalog_help.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.close();
    told.clear();
    QString opened;
    OpenHelp(dir.path(), [&](const QString& t) { told << t; }, [&](const QString& p) {
        opened = p;
        return false;  // no viewer
    });
    EXPECT_EQ(opened, pdf.fileName());
    // Where the manual is, so that it can still be opened by hand.
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("Firefox et Acrobat introuvables"))) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(pdf.fileName())) << told[0].toStdString();
}

namespace {
/// The manual's two editions: their file, their contents' title, their chapters, their troubleshooting chapter.
struct Edition {
    const char* pdf;
    const char* contents;
    std::vector<const char*> chapters;
    const char* troubleshooting;
    const char* translations;  ///< the interface's translations of that edition (none: the French source)
};
const Edition kEditions[] = {
    {SONDALOG_MANUAL_DIR "/Sondalog_help.pdf", "Table des matières",
     {"Installation", "La fenêtre principale", "La fenêtre Paramètres", "Le tableau de l'instrument",
      "Le choix du dossier de travail", "Ouvrir un fichier", "La fenêtre des graphiques", "Le déroulement d'un traçage",
      "L'analyse du traçage", "Traçage aux colorants : le fluorimètre de terrain", "Les fichiers d'enregistrement",
      "Acquisition interrompue", "La ligne de commande", "Le multimètre simulé", "Quand l'adaptateur USB se débranche",
      "Quand quelque chose ne va pas"},
     "Quand quelque chose ne va pas", nullptr},
    {SONDALOG_MANUAL_DIR "/Sondalog_help_en.pdf", "Contents",
     {"Installing", "The main window", "The parameters window", "The instrument table", "The working-folder chooser",
      "Opening a file", "The charts window", "A tracer test step by step", "The tracer analysis",
      "Dye tracing: the field fluorometer", "Recording files", "Interrupted acquisition", "The command line",
      "The simulated multimeter", "When the USB adapter is unplugged", "When something goes wrong"},
     "When something goes wrong", ":/i18n/sondalog_en.qm"},
};

/// The PDF's text; the typesetter joins "fi" into a ligature: compatible forms compare.
QString PdfText(const QString& pdf)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}
}  // namespace

TEST(Help, TheBuildWritesBothManualsWithTheirContentsAndEveryChapter)
{
    for (const Edition& e : kEditions) {
        const QString manual = QString::fromUtf8(e.pdf);
        QFile file(manual);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << manual.toStdString();
        EXPECT_TRUE(file.read(5) == "%PDF-");
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {manual});
        ASSERT_TRUE(info.waitForFinished(30000));
        const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
        const qsizetype pages = infoText.indexOf(QStringLiteral("Pages:"));
        ASSERT_GE(pages, 0) << infoText.toStdString();
        EXPECT_GE(infoText.mid(pages + 6).section(u'\n', 0, 0).trimmed().toInt(), 12) << e.pdf;
        const QString body = PdfText(manual);
        EXPECT_TRUE(body.contains(QString::fromUtf8(e.contents))) << e.pdf;
        // Every window's picture: main, parameters, chooser, open, charts, analysis, calibration, a dye test live.
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), manual});
        ASSERT_TRUE(images.waitForFinished(30000));
        const QStringList listed = QString::fromUtf8(images.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        EXPECT_GE(listed.filter(QStringLiteral(" image ")).size(), 8) << e.pdf;
        EXPECT_GE(body.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size(), 4000) << e.pdf;
        // Every chapter, once in the contents and once in the text.
        for (const char* heading : e.chapters) {
            EXPECT_GE(body.count(QString::fromUtf8(heading)), 2) << e.pdf << ": " << heading;
        }
    }
}

TEST(Help, AnInstalledProgramFindsItsManualAndNeverWritesBesideItself)
{
    QTemporaryDir prefix;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    const QString share = prefix.filePath(QStringLiteral("share/sondalog"));
    ASSERT_TRUE(QDir().mkpath(bin));
    // A portable copy (no share folder): the manual and the settings beside the program.
    EXPECT_EQ(HelpFilePath(bin), bin + QStringLiteral("/Sondalog_help.pdf"));
    EXPECT_EQ(ConfigPaths::Resolve(QString(), bin).dir, QDir(bin).absolutePath());
    // Installed: the manual from <prefix>/share/sondalog, the settings in the user's configuration folder,
    // though the program's folder is writable (root).
    ASSERT_TRUE(QDir().mkpath(share));
    QFile pdf(share + QStringLiteral("/Sondalog_help.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.close();
    EXPECT_EQ(QFileInfo(HelpFilePath(bin)).canonicalFilePath(), QFileInfo(pdf).canonicalFilePath());
    const QString config = ConfigPaths::Resolve(QString(), bin).dir;
    EXPECT_TRUE(config.startsWith(QDir(home.path()).absolutePath())) << config.toStdString();
    qunsetenv("XDG_CONFIG_HOME");
}

namespace {
/// Whitespace runs as one blank, rules of underscores dropped: a message reads the same on the page.
QString Flat(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("_{3,}")));
    return text.simplified();
}
}  // namespace

TEST(Help, EveryMessageOfTheProgramIsExplainedInTheManual)
{
    // The message constants, by their names (…Message, …Log, …Question), read from the sources themselves (a
    // QString, or a translatable text).
    const QRegularExpression definition(
        QStringLiteral(R"re(const (?:QString|char\* const) (k\w*(?:Message|Log|Question)\w*)\s*=\s*(?:QStringLiteral\(|QT_TRANSLATE_NOOP\("([^"]*)",)((?:\s*"(?:[^"\\]|\\.)*")+)\s*\))re"));
    const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QMap<QString, QPair<QString, QString>> messages;  // name → (translation context, French text)
    QDirIterator it(QStringLiteral(SONDALOG_SOURCE_DIR "/src"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(file.readAll());
        for (auto m = definition.globalMatch(source); m.hasNext();) {
            const QRegularExpressionMatch d = m.next();
            QString text;
            for (auto l = literal.globalMatch(d.captured(3)); l.hasNext();) {
                text += l.next().captured(1);
            }
            messages[d.captured(1)] = {d.captured(2), text.replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                                                          .replace(QStringLiteral("\\\""), QStringLiteral("\""))};
        }
    }
    EXPECT_GE(messages.size(), 22);  // the scan found them: an empty scan would prove nothing
    for (const Edition& e : kEditions) {
        // Each edition explains the messages as its interface shows them.
        QTranslator translator;
        if (e.translations) {
            ASSERT_TRUE(translator.load(QString::fromUtf8(e.translations)));
            QCoreApplication::installTranslator(&translator);
        }
        const QString body = PdfText(QString::fromUtf8(e.pdf));
        const QString chapterTitle = QString::fromUtf8(e.troubleshooting);
        ASSERT_GE(body.lastIndexOf(chapterTitle), 0) << e.pdf;
        const QString chapter = Flat(body.mid(body.lastIndexOf(chapterTitle)));
        for (auto m = messages.cbegin(); m != messages.cend(); ++m) {
            // Each piece between placeholders and line breaks, as the message shows it.
            const auto& [context, french] = m.value();
            const QString shown = context.isEmpty() ? french
                                                    : QCoreApplication::translate(context.toUtf8().constData(),
                                                                                  french.toUtf8().constData());
            for (const QString& piece : shown.split(QRegularExpression(QStringLiteral("%\\d|\n")))) {
                const QString flat = Flat(piece);
                if (flat.size() >= 4) {
                    EXPECT_TRUE(chapter.contains(flat)) << e.pdf << ": " << m.key().toStdString() << ": \"" << flat.toStdString() << '"';
                }
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
}
