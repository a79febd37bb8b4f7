#include "instrument/parameter_file.h"
#include "instrument/row_text.h"
#include "support/disk_full.h"
#include "util/text_file.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
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
    };
    for (const QStringList& bad : bads) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
        // Two earlier unreadable tables: neither is ever replaced.
        WriteLines(path + QStringLiteral(".bad"), {QStringLiteral("older")});
        WriteLines(path + QStringLiteral(".bad2"), {QStringLiteral("old")});
        WriteLines(path, bad);
        const QByteArray original = Bytes(path);
        InstrumentTable t;
        Recorder r;
        EXPECT_EQ(LoadTableFile(t, path, false, r.Callbacks()), TableLoad::Bad);
        EXPECT_EQ(Bytes(path + QStringLiteral(".bad")), QByteArray("older\r\n"));
        EXPECT_EQ(Bytes(path + QStringLiteral(".bad2")), QByteArray("old\r\n"));
        EXPECT_EQ(Bytes(path + QStringLiteral(".bad3")), original);
        ASSERT_EQ(r.told.size(), 1);
        EXPECT_TRUE(r.told[0].contains(path + QStringLiteral(">")));
        EXPECT_TRUE(r.told[0].contains(path + QStringLiteral(".bad3")));
        EXPECT_EQ(t.RowCount(), 11);
        EXPECT_EQ(t.Cell(1, 1), QStringLiteral("x"));
        EXPECT_EQ(ReadTextLines(path).value().value(0), QStringLiteral("17"));
    }
}

TEST(ParameterFile, TableThatCannotBeSetAsideIsNeverOverwritten)
{
    // Something that exists at the table's path but cannot be read as a file (here a folder, as a
    // file without read permission would be) is neither renamed nor written over.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
    ASSERT_TRUE(QDir().mkdir(path));
    WriteLines(path + QStringLiteral("/inside.txt"), {QStringLiteral("kept")});
    InstrumentTable t;
    Recorder r;
    EXPECT_EQ(LoadTableFile(t, path, false, r.Callbacks()), TableLoad::Bad);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(Bytes(path + QStringLiteral("/inside.txt")), QByteArray("kept\r\n"));
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".bad")));
    ASSERT_EQ(r.told.size(), 1);
    EXPECT_TRUE(r.told[0].contains(QStringLiteral("impossible à renommer")));
    EXPECT_EQ(t.Cell(2, 1), QStringLiteral("WTW3430"));  // the example, in memory only
    EXPECT_EQ(r.settingsSaves, 0);
}

TEST(ParameterFile, RowCountIsTakenAsFarAsTheFileHoldsRows)
{
    struct Case {
        int announced;
        int held;
        int expected;
    };
    const Case cases[] = {
        {1500, 1500, 1500},     // a long table is a table
        {2000, 1500, 1500},     // more announced than held, beyond any example: the rows held
        {99999999, 0, 11},      // a corrupted count: the usual rows, examples filling in
        {13, 6, 13},            // a short file: rows past its end are example rows
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
        QStringList lines{QStringLiteral("17"), QString::number(c.announced)};
        for (int i = 0; i < c.held; ++i) {
            lines << (i == 0 ? QStringLiteral("header") : QStringLiteral("%1,,Multi%1").arg(i));
        }
        WriteLines(path, lines);
        InstrumentTable t;
        Recorder r;
        EXPECT_EQ(LoadTableFile(t, path, false, r.Callbacks()), TableLoad::Loaded) << c.announced;
        EXPECT_EQ(t.RowCount(), c.expected) << c.announced;
        if (c.held > 1200) {
            EXPECT_EQ(t.Cell(2, 1200), QStringLiteral("Multi1200"));
        }
        EXPECT_EQ(Bytes(path).left(4), QByteArray("17\r\n"));  // never replaced
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

TEST(ParameterFile, PastedLineBreaksAndFullDiskNeverCorruptTheTable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
    InstrumentTable t;
    FillExampleRows(t);
    t.SetCell(2, 1, QStringLiteral("WTW\r\n3430"));  // pasted into a cell
    t.SetRow(3, {QStringLiteral("1"), QStringLiteral(" "), QStringLiteral("Multi\n340i")});
    Recorder r;
    ASSERT_TRUE(SaveTableFile(t, path, r.Callbacks()));
    const QStringList lines = ReadTextLines(path).value();
    ASSERT_EQ(lines.size(), 13);  // 2 + 11 rows: nothing shifted
    InstrumentTable back;
    ASSERT_EQ(LoadTableFile(back, path, false, r.Callbacks()), TableLoad::Loaded);
    EXPECT_EQ(back.Cell(2, 1), QStringLiteral("WTW  3430"));
    EXPECT_EQ(back.Cell(6, 2), t.Cell(6, 2));
    EXPECT_EQ(back.Cell(2, 3), QStringLiteral("Multi 340i"));

    // The disk refuses the save: the table file stays as it was and the user is told.
    const QByteArray before = Bytes(path);
    t.SetCell(2, 1, QStringLiteral("autre"));
    {
        FileSizeLimit full(64);
        EXPECT_FALSE(SaveTableFile(t, path, r.Callbacks()));
    }
    EXPECT_EQ(Bytes(path), before);
    ASSERT_FALSE(r.told.isEmpty());
    EXPECT_TRUE(r.told.last().startsWith(QStringLiteral("Impossible de créer le fichier ") + path));
    EXPECT_TRUE(t.modified || !r.told.isEmpty());
}

TEST(ParameterFile, AFileFarLargerThanAnyTableIsSetAsideUnread)
{
    // A sound table followed by megabytes of junk: reading it whole would take the machine's memory for nothing.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sondalog.ini"));
    InstrumentTable example;
    FillExampleRows(example);
    Recorder r;
    ASSERT_TRUE(SaveTableFile(example, path, r.Callbacks()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    const QByteArray junk(1 << 16, 'x');
    for (qint64 written = 0; written <= kConfigFileMaxBytes; written += junk.size()) {
        ASSERT_EQ(file.write(junk + "\r\n"), junk.size() + 2);
    }
    file.close();
    InstrumentTable t;
    EXPECT_EQ(LoadTableFile(t, path, false, r.Callbacks()), TableLoad::Bad);
    EXPECT_GT(QFileInfo(path + QStringLiteral(".bad")).size(), kConfigFileMaxBytes);  // kept, never deleted
}
