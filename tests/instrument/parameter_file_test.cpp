#include "instrument/parameter_file.h"
#include "instrument/row_text.h"
#include "util/text_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
void WriteLines(const QString& path, const QStringList& lines)
{
    ASSERT_TRUE(WriteFileAtomically(path, JoinCrLf(lines)).isEmpty());
}

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Recorder {
    QStringList told;
    QStringList asked;
    bool answer = true;
    int settingsSaves = 0;
    TableFileCallbacks Callbacks()
    {
        return {[this](const QString& q) {
                    asked << q;
                    return answer;
                },
                [this](const QString& s) { told << s; }, [this] { ++settingsSaves; }};
    }
};
}  // namespace

TEST(RowText, WritesAndReadsCellsRoundTrip)
{
    const QStringList cells = {QStringLiteral("1"), QString(), QStringLiteral("deux mots"), QStringLiteral("0,100,255"),
                               QStringLiteral("dit \"oui\""), QStringLiteral("tab\there"), QStringLiteral("é")};
    const QString text = WriteRowText(cells);
    EXPECT_EQ(text, QStringLiteral("1,,\"deux mots\",\"0,100,255\",\"dit \"\"oui\"\"\",\"tab\there\",é"));
    EXPECT_EQ(ReadRowFields(text), cells);
}

TEST(RowText, ReadsBlanksAsSeparators)
{
    struct Case {
        QString line;
        QStringList fields;
    };
    const Case cases[] = {
        {QStringLiteral("  a , b,c,"), {"a", "b", "c"}},
        {QStringLiteral("deux mots,x"), {"deux", "mots", "x"}},
        {QStringLiteral(",a"), {"", "a"}},
        {QStringLiteral("2, ,,x"), {"2", "", "", "x"}},
        {QStringLiteral("\"a\"\"b\" c"), {"a\"b", "c"}},
        {QString(QChar(0)) + QStringLiteral("a"), {"a"}},
        {QString(), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadRowFields(c.line), c.fields) << c.line.toStdString();
    }
}

TEST(RowText, QuasiEmptyLines)
{
    EXPECT_FALSE(IsQuasiEmpty(QStringLiteral("1,x")));
    EXPECT_TRUE(IsQuasiEmpty(QStringLiteral("1,")));
    EXPECT_TRUE(IsQuasiEmpty(QStringLiteral(" , , ,")));
    EXPECT_TRUE(IsQuasiEmpty(QString()));
}

TEST(ParameterFile, SavedExampleHasTheDocumentedLines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
    InstrumentTable t;
    FillExampleRows(t);
    t.modified = true;
    Recorder r;
    ASSERT_TRUE(SaveTableFile(t, path, r.Callbacks()));
    EXPECT_FALSE(t.modified);
    const QStringList lines = ReadTextLines(path).value();
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], QStringLiteral("17"));
    EXPECT_EQ(lines[1], QStringLiteral("11"));
    EXPECT_EQ(lines[2], QStringLiteral("n,actif,multimètre,COMx,vitesse,intervalle,grandeur,max,min,graduation,couleur,"
                                       "épaisseur,repère,séparateur,occurence,\"rep hms\",\"fin de bloc\""));
    EXPECT_EQ(lines[3], QStringLiteral("1,x,WTW3430,COM7,9600,1,conductivité,750,700,50,\"0,100,255\",7,Cond,espace,2,:,"));
    EXPECT_EQ(lines[4], QStringLiteral("2,\" \",\" \",\" \",\" \",\" \",température,30,10,5,\"200,0,88\",5,Cond,espace,4,:,"));
    EXPECT_EQ(lines[5], QStringLiteral("1,\" \",WTW3430,COM7,9600,1,conductivité,750,700,50,\"0,100,255\",7,Cond,espace,2,:,"));
    EXPECT_TRUE(Bytes(path).contains("conductivit\xe9,750"));
    EXPECT_TRUE(Bytes(path).endsWith("\r\n"));
    EXPECT_TRUE(r.asked.isEmpty());
}

TEST(ParameterFile, LoadFillsRowsByTheFileRules)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
    QStringList twenty;
    for (int i = 0; i < 20; ++i) {
        twenty << QString::number(i);
    }
    WriteLines(path, {QStringLiteral("17"), QStringLiteral("13"), QStringLiteral("header is ignored"),
                      QStringLiteral("1,x"),                        // row 1 kept, not quasi-empty
                      QStringLiteral("2,"),                         // quasi-empty: example row 2
                      twenty.join(u','),                            // 20 fields fill 17 cells
                      QStringLiteral("2,,Multi \"deux mots\""),     // unquoted blank splits fields
                      QStringLiteral("1,x,,,,,a,,,,,,b")});
    InstrumentTable t;
    Recorder r;
    EXPECT_EQ(LoadTableFile(t, path, false, r.Callbacks()), TableLoad::Loaded);
    EXPECT_EQ(t.RowCount(), 13);
    EXPECT_EQ(t.Header(2), QStringLiteral("multimètre"));
    EXPECT_EQ(t.Cell(1, 1), QStringLiteral("x"));
    EXPECT_EQ(t.Cell(2, 1), QString());
    EXPECT_EQ(t.Cell(6, 2), QStringLiteral("température"));
    EXPECT_EQ(t.Cell(16, 3), QStringLiteral("16"));
    EXPECT_EQ(t.Row(3).size(), 17);
    EXPECT_EQ(t.Cell(1, 4), QStringLiteral(" "));
    EXPECT_EQ(t.Cell(2, 4), QStringLiteral("Multi"));
    EXPECT_EQ(t.Cell(3, 4), QStringLiteral("deux mots"));
    // Rows past the end of the file read as quasi-empty: example rows, "x" on none but row 1.
    EXPECT_EQ(t.Cell(2, 11), QStringLiteral("WTW3430"));
    EXPECT_EQ(t.Cell(1, 11), QStringLiteral(" "));
    EXPECT_TRUE(r.told.isEmpty());

    // The active-pair search reaches row 11 of a 13-row table.
    t.SetCell(1, 1, QString());
    t.SetCell(1, 5, QString());
    t.SetCell(1, 11, QStringLiteral("x"));
    EXPECT_EQ(ApplyInstrumentTable(t, 1, u',').active.activeRow, 11);
}

TEST(ParameterFile, MissingFileIsCreatedFromTheExample)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
    InstrumentTable t;
    Recorder r;
    EXPECT_EQ(LoadTableFile(t, path, false, r.Callbacks()), TableLoad::Missing);
    EXPECT_EQ(r.told, QStringList{QStringLiteral("fichier de paramètrage <") + path + QStringLiteral(">  non trouvé ...")});
    EXPECT_EQ(r.settingsSaves, 1);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(t.Cell(2, 1), QStringLiteral("WTW3430"));
}

TEST(ParameterFile, UnreadableHeaderIsKeptAsideNotOverwritten)
{
    const QStringList bads[] = {
        {QStringLiteral("dix-sept"), QStringLiteral("11")},
        {QStringLiteral("17"), QStringLiteral("1")},
        {QStringLiteral("17")},
        {QStringLiteral("17"), QStringLiteral("99999999")},
    };
    for (const QStringList& bad : bads) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
        WriteLines(dir.filePath(QStringLiteral("Sondalog.ini.bad")), {QStringLiteral("older")});
        WriteLines(path, bad);
        const QByteArray original = Bytes(path);
        InstrumentTable t;
        Recorder r;
        EXPECT_EQ(LoadTableFile(t, path, false, r.Callbacks()), TableLoad::Bad);
        EXPECT_EQ(Bytes(path + QStringLiteral(".bad")), original);
        ASSERT_EQ(r.told.size(), 1);
        EXPECT_TRUE(r.told[0].contains(path + QStringLiteral(">")));
        EXPECT_TRUE(r.told[0].contains(path + QStringLiteral(".bad")));
        EXPECT_EQ(t.RowCount(), 11);
        EXPECT_EQ(t.Cell(1, 1), QStringLiteral("x"));
        EXPECT_EQ(ReadTextLines(path).value().value(0), QStringLiteral("17"));
    }
}

TEST(ParameterFile, ColumnCountChangeIsToldAndFileStillRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
    WriteLines(path, {QStringLiteral("16"), QStringLiteral("3"), QString(), QStringLiteral("1,x,Autre")});
    InstrumentTable t;
    Recorder r;
    EXPECT_EQ(LoadTableFile(t, path, false, r.Callbacks()), TableLoad::Loaded);
    EXPECT_EQ(r.told, QStringList{QStringLiteral("le nombre de colonnes a changé de 16  à  17 il faudra réenregistrer")});
    EXPECT_EQ(t.RowCount(), 3);
    EXPECT_EQ(t.Cell(2, 1), QStringLiteral("Autre"));
}

TEST(ParameterFile, AnswersNoChangeNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
    InstrumentTable t;
    FillExampleRows(t);
    Recorder r;
    ASSERT_TRUE(SaveTableFile(t, path, r.Callbacks()));
    const QByteArray saved = Bytes(path);

    r.answer = false;
    t.SetCell(2, 1, QStringLiteral("Changé"));
    EXPECT_EQ(LoadTableFile(t, path, true, r.Callbacks()), TableLoad::Cancelled);
    EXPECT_EQ(r.asked.back(), QStringLiteral(" écraser les PARAMETRES actuels avec ceux enregistrés ?"));
    EXPECT_EQ(t.Cell(2, 1), QStringLiteral("Changé"));

    t.SetRow(1, {QStringLiteral("1")});
    t.modified = true;
    EXPECT_FALSE(SaveTableFile(t, path, r.Callbacks()));
    EXPECT_TRUE(r.asked.back().startsWith(QStringLiteral("la ligne 1 du tableau est quasi vide")));
    EXPECT_TRUE(t.modified);
    EXPECT_EQ(Bytes(path), saved);
}

TEST(ParameterFile, SaveFailureIsReported)
{
    QTemporaryDir dir;
    InstrumentTable t;
    FillExampleRows(t);
    t.modified = true;
    Recorder r;
    EXPECT_FALSE(SaveTableFile(t, dir.filePath(QStringLiteral("no/such/Sondalog.ini")), r.Callbacks()));
    EXPECT_TRUE(t.modified);
    ASSERT_EQ(r.told.size(), 1);
    EXPECT_TRUE(r.told[0].startsWith(QStringLiteral("Impossible de créer le fichier")));
}
