// Every French text the interface can show goes through Qt's translation system: a message written inline
// without tr(), QT_TRANSLATE_NOOP or translate() would stay French in the English interface. The sources are
// read as tokens; a string literal that looks French must sit inside one of those calls, or be one of the few
// texts that belong to files and instruments rather than to the interface.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>

namespace {

/// Texts kept as they are: stored formats, the instrument's own words, the user's defaults.
const QSet<QString> kStoredTexts = {
    QStringLiteral("&é\\\"'(è_çà"),                  // a French keyboard's top row, read as digits
    QStringLiteral(" traçage.txt"),                   // the analysis report's file name
    QStringLiteral("répertoire"),                     // the folder box's old default, as settings files hold it
    QStringLiteral("traçage => t0"),                  // the t0 button's default text (a setting)
    QStringLiteral("sel versé !"),                    // the same, from an old settings file
    QStringLiteral("conductivité"),                   // the simulated instrument's quantities
    QStringLiteral("température"),
    QStringLiteral("\\tturbidité [NTU]"),             // recording and export column headers
    QStringLiteral("turbidité [NTU]"),
    QStringLiteral("turbidité L4 [mV]"),
    QStringLiteral("\\tétalonnage : "),               // the recording header's calibration line
    QStringLiteral("heure-traçage"),                  // the recording's time column
    QStringLiteral("CONDUCTIVITÉ"),                   // the instrument table's quantity keys
    QStringLiteral("TEMPÉRATURE"),
    QStringLiteral("multimètre"),                     // the instrument table's column names (files' header)
    QStringLiteral("épaisseur"),
    QStringLiteral("repère"),
    QStringLiteral("séparateur"),
};
/// Lines quoted whole: the example instrument table's rows and the simulated instrument's output.
const QStringList kStoredLines = {QStringLiteral("WTW3430,COM7,"), QStringLiteral(",,,,température,"),
                                  QStringLiteral("26.09.2009 04:19:39| Multi 3430|")};

/// A literal that reads as French: accents, guillemets, or the little words of a French sentence.
bool LooksFrench(const QString& text)
{
    static const QRegularExpression french(
        QStringLiteral(R"re([àâçéèêëîïôûùüœÀÂÇÉÈÊÎÔÛ«»]|\b(?:le|la|les|des|du|une|est|pas|sur|dans|pour|avec|aucune?|)re"
                       R"re(fichier|mesures?|lignes?|erreur|impossible|introuvable|enregistr\w*)\b)re"),
        QRegularExpression::CaseInsensitiveOption);
    return french.match(text).hasMatch();
}

/// The literals of one source that look French and are not inside a translation call.
QStringList UntranslatedIn(const QString& source)
{
    static const QRegularExpression token(
        QStringLiteral(R"re(//[^\n]*|/\*.*?\*/|R"\((?:.*?)\)"|"(?:[^"\\\n]|\\.)*"|'(?:[^'\\\n]|\\.)*'|[A-Za-z_]\w*|[()]|\S)re"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QSet<QString> translating = {QStringLiteral("tr"), QStringLiteral("QT_TRANSLATE_NOOP"),
                                              QStringLiteral("QT_TR_NOOP"), QStringLiteral("translate")};
    QStringList found;
    QStringList open;  // the name before each open parenthesis
    QString previous;
    for (auto it = token.globalMatch(source); it.hasNext();) {
        const QString t = it.next().captured(0);
        if (t.startsWith(QLatin1String("//")) || t.startsWith(QLatin1String("/*"))) {
            continue;
        }
        if (t == QLatin1String("(")) {
            open << previous;
        } else if (t == QLatin1String(")")) {
            if (!open.isEmpty()) {
                open.removeLast();
            }
        } else if (t.startsWith(u'"') && t.size() > 4) {
            const QString text = t.mid(1, t.size() - 2);
            const bool inside = std::any_of(open.cbegin(), open.cend(), [](const QString& n) { return translating.contains(n); });
            const bool stored = kStoredTexts.contains(text) ||
                                std::any_of(kStoredLines.cbegin(), kStoredLines.cend(),
                                            [&](const QString& line) { return text.startsWith(line); });
            if (!inside && LooksFrench(text) && !stored) {
                found << text;
            }
        }
        previous = t;
    }
    return found;
}

}  // namespace

TEST(UntranslatedText, TheScanSeesAnInlineMessageAndItsTranslatedForm)
{
    // The scan itself: what it must find, and what it must let through.
    const struct {
        const char* source;
        int found;
    } cases[] = {
        {R"(ctx.info(QStringLiteral("Impossible d'ouvrir ") + path);)", 1},
        {R"(ctx.info(tr("Impossible d'ouvrir %1").arg(path));)", 0},
        {R"(x = Message(QT_TRANSLATE_NOOP("ctx", "une ligne "
                                          "puis la suite"));)", 0},
        {R"(// un commentaire en français
            y = QStringLiteral("Sondalog.ini");)", 0},
        {R"(z = QCoreApplication::translate("ctx", "à installer") + QStringLiteral(" : échec");)", 1},
        {R"(h << QStringLiteral("turbidité [NTU]");)", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UntranslatedIn(QString::fromUtf8(c.source)).size(), c.found) << c.source;
    }
}

TEST(UntranslatedText, EveryFrenchTextOfTheInterfaceGoesThroughTheTranslations)
{
    // The command line's own output stays French (scripts read it); everything the program shows is scanned.
    QStringList untranslated;
    int files = 0;
    QDirIterator it(QStringLiteral(SONDALOG_SOURCE_DIR "/src"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QLatin1String("/src/cli/"))) {
            continue;
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        ++files;
        for (const QString& text : UntranslatedIn(QString::fromUtf8(file.readAll()))) {
            untranslated << path.mid(path.indexOf(QLatin1String("/src/")) + 1) + QStringLiteral(": \"") + text + u'"';
        }
    }
    EXPECT_GE(files, 100);  // the sources were found: an empty scan would prove nothing
    EXPECT_TRUE(untranslated.isEmpty()) << "French texts outside the translations:\n"
                                        << untranslated.join(u'\n').toStdString();
}
