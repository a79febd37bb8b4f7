#include "acquisition/block_assembler.h"
#include "acquisition/block_stamps.h"

#include <gtest/gtest.h>

#include <random>

using namespace sondalog;

namespace {
InstrumentConfig Config(const QString& q1Marker, const QString& q2Marker)
{
    InstrumentConfig c;
    c.q1.marker = q1Marker;
    c.q2.marker = q2Marker;
    return c;
}

const QString kPh = QStringLiteral("26.09.2009 04:19:39;14440518;7.01;mV;pH;22.9;°C;SenTix 940");
const QString kOx = QStringLiteral("26.09.2009 04:19:39;14440519;85.2;%;Ox;22.9;°C;FDO 925");
const QString kCond = QStringLiteral("26.09.2009 04:19:39;14451527;600.3;µS/cm;Cond;22.9;°C;TetraCon 925");
}  // namespace

TEST(StringMode, CsvLinesGatherUntilTheBlockKey)
{
    BlockAssembler a;
    BlockOptions three;
    three.threeProbes = true;
    const InstrumentConfig c = Config(QStringLiteral("Cond"), QStringLiteral("°C"));

    BlockAssembler::Step s1 = a.Feed(kPh, c, three, 0, false);
    EXPECT_TRUE(s1.readings.isEmpty());
    EXPECT_EQ(s1.counterIncrement, 1);
    EXPECT_EQ(a.PendingBlock(), kPh);
    a.Feed(kOx, c, three, 0, false);
    EXPECT_EQ(a.PendingBlock(), kPh + u';' + kOx);
    BlockAssembler::Step s3 = a.Feed(kCond, c, three, 0, false);
    EXPECT_EQ(s3.counterIncrement, 2);
    EXPECT_EQ(s3.readings, (QStringList{QStringLiteral("26.09.2009 04:19:39"),
                                        QStringLiteral("Cond600.3 µS/cm 22.9 °C pH 7.01 Ox 85.2 %")}));
    EXPECT_EQ(s3.log.at(2), QStringLiteral("  ===>") + kPh + u';' + kOx + u';' + kCond);
    EXPECT_EQ(s3.log.back(), QStringLiteral("________________"));
    EXPECT_TRUE(a.PendingBlock().isEmpty());
    EXPECT_FALSE(s3.label21);
}

TEST(StringMode, CsvKeyLineAloneStartsWithAnEmptyField)
{
    BlockAssembler a;
    const BlockOptions one;
    const BlockAssembler::Step s = a.Feed(QStringLiteral("14451527;600.3;µS/cm;Cond"), Config("Cond", "Cond"), one, 0, false);
    EXPECT_EQ(s.log.at(2), QStringLiteral("  ===>;14451527;600.3;µS/cm;Cond"));
    EXPECT_EQ(s.readings.at(1), QStringLiteral("Cond600.3 µS/cm µS/cm Cond  "));
}

TEST(StringMode, CsvStampsThatDisagreeRaiseTheWarning)
{
    BlockAssembler a;
    BlockOptions three;
    three.threeProbes = true;
    QString late = kCond;
    late.replace(QStringLiteral("04:19:39"), QStringLiteral("04:19:40"));
    a.Feed(kPh, Config("Cond", "°C"), three, 4, false);
    a.Feed(kOx, Config("Cond", "°C"), three, 4, false);
    const BlockAssembler::Step s = a.Feed(late, Config("Cond", "°C"), three, 4, false);
    ASSERT_TRUE(s.label21);
    EXPECT_TRUE(s.label21->startsWith(QStringLiteral("-> mesures à dates différentes (dt=1pas)  n =4\n\n"
                                                     "26.09.2009 04:19:39 \n26.09.2009 04:19:39 \n26.09.2009 04:19:40")));
    EXPECT_TRUE(s.label21->endsWith(QStringLiteral(" actuellement   => Cond parmi (pH, Ox, Cond) ....  click pour fermer cette fenêtre")));
    EXPECT_EQ(s.readings.size(), 2);  // decoded all the same
}

TEST(StringMode, PlainLinesCloseOnAClockLine)
{
    BlockAssembler a;
    const BlockOptions one;
    const InstrumentConfig c = Config(QStringLiteral("Cond"), QStringLiteral("Cond"));
    EXPECT_TRUE(a.Feed(QStringLiteral("A"), c, one, 0, false).readings.isEmpty());
    EXPECT_TRUE(a.Feed(QStringLiteral("$Cond 600.3 µS/cm, x"), c, one, 0, false).readings.isEmpty());
    EXPECT_TRUE(a.Feed(QStringLiteral("B 12:30"), c, one, 0, false).readings.isEmpty());  // one ':' pair only
    EXPECT_EQ(a.PendingBlock(), QStringLiteral("A;$Cond 600.3 µS/cm, x;B 12:30"));
    const BlockAssembler::Step s = a.Feed(QStringLiteral("26.09.2009 04:19:39"), c, one, 0, false);
    EXPECT_EQ(s.readings, (QStringList{QStringLiteral("26.09.2009 04:19:39"), QStringLiteral("Cond 600.3 µS/cm  ")}));
    EXPECT_EQ(s.counterIncrement, 1);
    EXPECT_TRUE(a.PendingBlock().isEmpty());

    BlockAssembler b;
    b.Feed(QStringLiteral("A"), c, one, 0, false);
    b.Feed(QStringLiteral("B"), c, one, 0, false);
    EXPECT_EQ(b.Feed(QStringLiteral("1:2:3:4:56:7"), c, one, 0, false).readings.first(), QString());
    EXPECT_TRUE(b.Feed(QString(), c, one, 0, false).log.isEmpty());
}

TEST(StringMode, ThreeProbePlainLines)
{
    BlockAssembler a;
    BlockOptions three;
    three.threeProbes = true;
    const InstrumentConfig c = Config(QStringLiteral("Cond"), QStringLiteral("Cond"));
    a.Feed(QStringLiteral("Cond 600.3 µS/cm"), c, three, 0, false);
    a.Feed(QStringLiteral("pH 7.01 mV"), c, three, 0, false);
    a.Feed(QStringLiteral("Ox 85.2 % sat"), c, three, 0, false);
    const BlockAssembler::Step s = a.Feed(QStringLiteral("04:19:39"), c, three, 0, false);
    EXPECT_EQ(s.readings.at(1), QStringLiteral("Cond 600.3 µS/cm pH 7.01 Ox 85.2 %"));
}

TEST(StringMode, CompareBlockStampsCases)
{
    const QString s = QStringLiteral("26.09.2009 04:19:39");
    const QString t = QStringLiteral("26.09.2009 04:19:40");
    const QString u = QStringLiteral("26.09.2009 04:19:41");
    struct Case {
        QString text;
        int result;
    };
    const Case cases[] = {
        {s + u';' + s + u';' + s, 3}, {s + u';' + s + u';' + t, 2}, {s + u';' + t + u';' + t, 1},
        {s + u';' + t + u';' + u, 0}, {s + u';' + s, 3},             {s, 0},
        {QStringLiteral("no stamp"), 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareBlockStamps(c.text).result, c.result) << c.text.toStdString();
    }
    EXPECT_EQ(CompareBlockStamps(s).listing, s + QStringLiteral(" \n \n"));
    // Fewer than 16 characters before the second ':': the stamp starts at the beginning.
    EXPECT_EQ(CompareBlockStamps(QStringLiteral("04:19:39;x")).listing.section(u' ', 0, 0), QStringLiteral("04:19:39;x"));
    EXPECT_EQ(FindClockMark(QStringLiteral("ab04:19:39")), 8);
    EXPECT_FALSE(HasClockMark(QStringLiteral("12:30")));
}

TEST(StringMode, ControlCharactersAndTheMicroSignReadTheSameWhereverTheyStand)
{
    // A line is looked over once, eight characters at a time, for control characters (dropped), 'æ' (read
    // as 'µ') and ';' (a CSV line): with one of them at every place of lines of every length, a line must
    // give what the same line cleaned by hand gives.
    InstrumentConfig config;
    config.q1.marker = QStringLiteral("Cond");
    config.q2.marker = QStringLiteral("°C");
    const QString csv = QStringLiteral("01.09.2009 00:00:01;14451527;601.3;µS/cm;Cond;22.9;°C;TetraCon 925");
    const QString plain = QStringLiteral("Cond 601.3 µS/cm 22.9 °C 01.09.2009 00:00:01");
    for (const QString& base : {csv, plain})
    for (int length = 1; length <= base.size(); length += length < 24 ? 1 : 7) {
        for (int at = 0; at < length; ++at) {
            for (const QChar odd : {QChar(0x01), QChar(0x10), QChar(0x11), QChar(0xE6), QChar(u';')}) {
                QString raw = base.left(length);
                raw.insert(at, odd);
                QString clean = raw;
                clean.remove(QChar(0x01)).remove(QChar(0x10)).replace(QChar(0xE6), QChar(0xB5));
                BlockAssembler a, b;
                const BlockOptions options;
                const BlockAssembler::Step x = a.Feed(raw, config, options, 0, false);
                const BlockAssembler::Step y = b.Feed(clean, config, options, 0, false);
                ASSERT_EQ(x.readings, y.readings) << length << ' ' << at << ' ' << int(odd.unicode());
                ASSERT_EQ(x.counterIncrement, y.counterIncrement);
                ASSERT_EQ(a.PendingBlock(), b.PendingBlock());
            }
        }
    }
}

TEST(StringMode, AReplaysOneLineBlockReadsAsAWatchedOne)
{
    // Unwatched (a replay), a block of one line is read from the line itself rather than from a copy after
    // ';': random lines of separators, blanks, markers and times (starting or ending with ';', markers across
    // a separator) must give the same readings and leave the same pending block as a watched run.
    const QStringList pieces{QStringLiteral(";"), QStringLiteral(";"), QStringLiteral(" "), QStringLiteral("Cond"),
                             QStringLiteral("°C"), QStringLiteral("04:19:39"), QStringLiteral("600.3"),
                             QStringLiteral("µS/cm"), QStringLiteral("Co"), QStringLiteral("nd"), QStringLiteral("x")};
    std::mt19937 random(41);
    for (const bool threeProbes : {false, true}) {
        BlockOptions watched;
        watched.threeProbes = threeProbes;
        BlockOptions unseen = watched;
        unseen.unseen = true;
        const InstrumentConfig config = Config(QStringLiteral("Cond"), QStringLiteral("°C"));
        BlockAssembler a, b;
        for (int i = 0; i < 20000; ++i) {
            QString line;
            const int count = static_cast<int>(random() % 9);
            for (int j = 0; j < count; ++j) {
                line += pieces[static_cast<qsizetype>(random() % pieces.size())];
            }
            const BlockAssembler::Step x = a.Feed(line, config, watched, 0, false);
            const BlockAssembler::Step y = b.Feed(line, config, unseen, 0, false);
            ASSERT_EQ(x.readings, y.readings) << line.toStdString();
            ASSERT_EQ(x.counterIncrement, y.counterIncrement);
            ASSERT_EQ(a.PendingBlock(), b.PendingBlock());
        }
    }
}
