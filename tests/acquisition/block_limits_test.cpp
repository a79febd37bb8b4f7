// What the string/CSV mode does with what a careless table or a lost adapter sends it: blocks
// that never close, a decimal comma, the lines that come back after a reconnection.
#include "acquisition/block_assembler.h"
#include "acquisition/block_resync.h"
#include "acquisition/character_decoder.h"
#include "processing/process_reading.h"
#include "support/print_config.h"
#include "util/line_field.h"

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
InstrumentConfig Config(const QString& q1Marker)
{
    InstrumentConfig c;
    c.q1.marker = q1Marker;
    c.q2.marker = QStringLiteral("°C");
    return c;
}

QString CsvLine(const QString& stamp, const QString& probe)
{
    if (probe == QLatin1String("pH")) {
        return stamp + QStringLiteral(";14440518;7.01;mV;pH;22.9;°C;SenTix 940");
    }
    if (probe == QLatin1String("Ox")) {
        return stamp + QStringLiteral(";14440519;85.2;%;Ox;22.9;°C;FDO 925");
    }
    return stamp + QStringLiteral(";14451527;600.3;µS/cm;Cond;22.9;°C;TetraCon 925");
}
}  // namespace

TEST(StringMode, BlockThatNeverClosesIsDroppedNotGrown)
{
    // A wrong block key: no line ever closes the block.
    const InstrumentConfig c = Config(QStringLiteral("Leitf"));
    for (const bool csv : {true, false}) {
        BlockAssembler a;
        int dropped = 0;
        qsizetype largest = 0;
        for (int i = 0; i < 5000; ++i) {
            const QString line = csv ? CsvLine(QStringLiteral("26.09.2009 04:19:39"), QStringLiteral("Cond"))
                                     : QStringLiteral("$Cond  600.3 µS/cm  22.9 °C");
            const BlockAssembler::Step s = a.Feed(line, c, BlockOptions(), 10, false);
            dropped += static_cast<int>(s.log.count(
                QStringLiteral("bloc sans fin abandonné (plus de 1000 lignes ou 64 Ko) : vérifier le repère de fin "
                               "de bloc et l'heure")));
            largest = std::max(largest, a.PendingBlock().size());
        }
        EXPECT_LE(largest, kMaxPendingBlockChars) << csv;
        EXPECT_GE(dropped, 4) << csv;
        EXPECT_LE(dropped, 80) << csv;
    }
}

TEST(StringMode, DecimalCommaIsNotTheFlagSeparator)
{
    // Plain line: the value keeps its decimals, its unit and the temperature after it.
    BlockAssembler a;
    const InstrumentConfig c = Config(QStringLiteral("Cond"));
    a.Feed(QStringLiteral("$Cond  -4,25 µS/cm  22.9 °C"), c, BlockOptions(), 10, false);
    const BlockAssembler::Step s = a.Feed(QStringLiteral("26.09.2009 04:19:39"), c, BlockOptions(), 10, false);
    ASSERT_EQ(s.readings.size(), 2);
    EXPECT_TRUE(s.readings[1].startsWith(QStringLiteral("Cond  -4,25 µS/cm  22.9 °C"))) << s.readings[1].toStdString();

    struct Case {
        QString text;
        QString before;
    };
    const Case cases[] = {
        {QStringLiteral("Cond 610,5 µS/cm 22.9 °C, AR"), QStringLiteral("Cond 610,5 µS/cm 22.9 °C")},
        {QStringLiteral("Cond 610.5 µS/cm, AR"), QStringLiteral("Cond 610.5 µS/cm")},
        {QStringLiteral("Cond 610, 5"), QStringLiteral("Cond 610")},  // a blank after it: a flag comma
        {QStringLiteral(",Cond"), QString()},
        {QStringLiteral("Cond 1,5,AR"), QStringLiteral("Cond 1,5")},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(BeforeFlags(k.text), k.before) << k.text.toStdString();
    }

    // Character mode: a burst value 610,5 is read as 610.5.
    QuantityConfig q1 = PrintBlockConfig().q1;
    const QString values = ExtractValues(QStringLiteral("04:19:39| Cond 610,5 µS/cm 22.9 °C, AR| x|"), q1,
                                         QStringLiteral("pH"), QStringLiteral("Ox"));
    ProcessingState state;
    const InstrumentConfig config = PrintBlockConfig();
    state.ResetRun(config);
    ProcessOptions options;
    options.regional = Regional::French();
    QString time = QStringLiteral("04:19:39");
    const DisplayTexts t =
        ProcessReading(state, config, options, values, time, QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    ASSERT_TRUE(t.stored);
    EXPECT_DOUBLE_EQ(state.series.At(1).value1, 610.5);
    EXPECT_DOUBLE_EQ(state.series.At(1).value2, 22.9);
}

TEST(StringMode, AfterAReconnectionTheFirstWholeBlockIsKept)
{
    const QString stamp = QStringLiteral("26.09.2009 04:19:40");
    BlockOptions three;
    three.threeProbes = true;
    const InstrumentConfig c = Config(QStringLiteral("Cond"));
    struct Case {
        const char* what;
        QStringList lines;
        BlockOptions options;
        bool kept;
    };
    const Case cases[] = {
        {"three probes from the block's first line",
         {CsvLine(stamp, "pH"), CsvLine(stamp, "Ox"), CsvLine(stamp, "Cond")}, three, true},
        {"three probes, the pH line lost", {CsvLine(stamp, "Ox"), CsvLine(stamp, "Cond")}, three, false},
        {"a torn first line", {QStringLiteral("mV;pH;22.9;°C;SenTix 940"), CsvLine(stamp, "Ox"), CsvLine(stamp, "Cond")},
         three, false},
        {"stamps of two blocks", {CsvLine(QStringLiteral("26.09.2009 04:19:39"), "pH"), CsvLine(stamp, "Ox"),
                                  CsvLine(stamp, "Cond")}, three, false},
        {"one probe: every line is a block", {CsvLine(stamp, "Cond")}, BlockOptions(), true},
        {"plain: value then time", {QStringLiteral("$Cond  601.0 µS/cm  22.9 °C"), stamp}, BlockOptions(), true},
        {"plain: the time of a block whose value was lost", {stamp}, BlockOptions(), false},
        {"plain: the tail of a value line", {QStringLiteral("µS/cm  22.9 °C"), stamp}, BlockOptions(), false},
    };
    for (const Case& k : cases) {
        BlockResync r;
        r.Start();
        QStringList fed;
        for (const QString& line : k.lines) {
            fed << r.Feed(line, c, k.options).lines;
        }
        EXPECT_FALSE(r.Active()) << k.what;
        EXPECT_EQ(fed, k.kept ? k.lines : QStringList()) << k.what;
    }
}
