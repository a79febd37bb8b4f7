#include "util/text_utils.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>

using namespace sondalog;

TEST(TextUtils, TrimsBlanksOnly)
{
    EXPECT_EQ(TrimSpaces(QStringLiteral("   ")), QString());
    EXPECT_EQ(TrimLeadingSpaces(QStringLiteral("   ")), QStringLiteral(" "));
    EXPECT_EQ(TrimTrailingSpaces(QStringLiteral("   ")), QString());
    EXPECT_EQ(TrimSpaces(QStringLiteral("  a b\t ")), QStringLiteral("a b\t"));
    EXPECT_EQ(TrimLeadingSpaces(QStringLiteral("  x")), QStringLiteral("x"));
}

TEST(TextUtils, FieldTextCollapsesSeparatorRuns)
{
    struct Case {
        QString text;
        int n;
        QChar sep;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("0,100,255"), 2, u',', QStringLiteral("100")},
        {QStringLiteral("0,100,255"), 4, u',', QString()},
        {QStringLiteral(",,a"), 1, u',', QStringLiteral("a")},
        {QStringLiteral("a,,b"), 2, u',', QStringLiteral("b")},
        {QStringLiteral("  Cond   12.5  µS/cm"), 2, u' ', QStringLiteral("12.5")},
        {QStringLiteral("  Cond   12.5  µS/cm"), 3, u' ', QStringLiteral("µS/cm")},
        {QStringLiteral("a;b"), 0, u';', QString()},
        {QString(), 1, u',', QStringLiteral("_extraitUTIL<>")},
        {QString(), 2, u',', QString()},
        {QStringLiteral("µ;0;M;3"), 4, u';', QStringLiteral("3")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FieldText(c.text, c.n, c.sep), c.expected) << c.text.toStdString() << " n=" << c.n;
    }
}

TEST(TextUtils, FieldIntFallsBackOnNonNumbers)
{
    EXPECT_EQ(FieldInt(QString(), 1, u',', 7), 7);
    EXPECT_EQ(FieldInt(QString(), 3, u',', 7), 7);
    EXPECT_EQ(FieldInt(QStringLiteral("300,abc,-5"), 1, u',', 0), 300);
    EXPECT_EQ(FieldInt(QStringLiteral("300,abc,-5"), 2, u',', 0), 0);
    EXPECT_EQ(FieldInt(QStringLiteral("300,abc,-5"), 3, u',', 0), -5);
    EXPECT_EQ(FieldInt(QStringLiteral("1.5"), 1, u',', 9), 9);
}

TEST(TextUtils, NormalizeDecimalKeepsNumberCharacters)
{
    struct Case {
        QString in;
        QChar sign;
        QString out;
    };
    const Case cases[] = {
        {QStringLiteral("  750 µS/cm"), u',', QStringLiteral("750")},
        {QStringLiteral("1.5E-3"), u',', QStringLiteral("1,5E-3")},
        {QStringLiteral("1.5e-3"), u',', QStringLiteral("1,5E-3")},
        {QStringLiteral("Temp 22.9"), u'.', QStringLiteral("22.9")},  // a word's e is no exponent
        {QStringLiteral("2e"), u'.', QStringLiteral("2")},
        {QStringLiteral("12,5"), u'.', QStringLiteral("12.5")},
        {QStringLiteral("\"+4\""), u'.', QStringLiteral("+4")},
    };
    for (const Case& c : cases) {
        QString t = c.in;
        NormalizeDecimal(t, c.sign);
        EXPECT_EQ(t, c.out) << c.in.toStdString();
    }
}

TEST(TextUtils, ParseRealToleratesEitherSignAndFlagsMalformed)
{
    struct Case {
        QString text;
        double value;
        bool malformed;
    };
    const Case cases[] = {
        {QStringLiteral("750 "), 750, false},    {QStringLiteral("1.02"), 1.02, false},
        {QStringLiteral("1,02"), 1.02, false},   {QStringLiteral("abc"), 0, false},
        {QStringLiteral("12."), 0, false},       {QString(), 0, false},
        {QStringLiteral("-3.5E2"), -350, false}, {QStringLiteral("600.3 µS/cm"), 600.3, false},
        {QStringLiteral("1,2,3"), 0, true},      {QStringLiteral("5-3"), 0, true},
        {QStringLiteral("1.2.3"), 0, true},      {QStringLiteral("E5"), 0, true},
        {QStringLiteral("+5"), 5, false},        {QStringLiteral("1E999"), 0, true},
        {QStringLiteral("1,5e3"), 1500, false},  {QStringLiteral("2.5e-2 mg/L"), 0.025, false},
        {QStringLiteral("1e309"), 0, true},      {QStringLiteral("-4e+1"), -40, false},
        // Longer than any number a field holds: read the long way, same result.
        {QString(70, u'1') + QStringLiteral(".5"), std::stod(std::string(70, '1') + ".5"), false},
    };
    for (const QChar sign : {QChar(u','), QChar(u'.')}) {
        for (const Case& c : cases) {
            const Parsed<double> p = ParseReal(c.text, sign);
            EXPECT_DOUBLE_EQ(p.value, c.value) << c.text.toStdString();
            EXPECT_EQ(p.malformed, c.malformed) << c.text.toStdString();
        }
    }
    EXPECT_TRUE(ParseReal(QStringLiteral("1e309"), u'.').notFinite);
    EXPECT_EQ(ParseReal(QStringLiteral("1.2.3"), u',').message,
              QStringLiteral("'1,2,3' n'est pas une valeur en virgule flottante correcte"));
}

TEST(TextUtils, ParseIntRejectsDecimalsAndExponents)
{
    EXPECT_EQ(ParseInt(QString(), u',').value, 0);
    EXPECT_FALSE(ParseInt(QString(), u',').malformed);
    EXPECT_EQ(ParseInt(QStringLiteral("7"), u',').value, 7);
    EXPECT_EQ(ParseInt(QStringLiteral("-12"), u',').value, -12);
    const Parsed<int> decimal = ParseInt(QStringLiteral("1.5"), u',');
    EXPECT_TRUE(decimal.malformed);
    EXPECT_EQ(decimal.message, QStringLiteral("'1,5' n'est pas une valeur entière correcte"));
    EXPECT_TRUE(ParseInt(QStringLiteral("1E3"), u',').malformed);
    EXPECT_TRUE(ParseInt(QStringLiteral("99999999999"), u',').malformed);
}

TEST(TextUtils, NumericKeyFilterMapsAzertyTopRow)
{
    const QString typed = QStringLiteral("&é\"'(-è_çà5.,aZ ");
    const QString expected = QStringLiteral("1234");
    const QString rest = QStringLiteral("5-78905.,");
    QString got;
    for (QChar c : typed) {
        const QChar f = NumericKeyFilter(c);
        if (f.unicode() != 0) {
            got.append(f);
        }
    }
    EXPECT_EQ(got, expected + rest);
    EXPECT_EQ(NumericKeyFilter(QChar(8)), QChar(8));
}

TEST(TextUtils, FlagsAreLowerCaseTrueOnly)
{
    EXPECT_TRUE(IsTrueText(QStringLiteral("true")));
    EXPECT_FALSE(IsTrueText(QStringLiteral("True")));
    EXPECT_FALSE(IsTrueText(QStringLiteral(" true")));
    EXPECT_FALSE(IsTrueText(QString()));
    EXPECT_EQ(BoolText(false), QStringLiteral("false"));
}

TEST(TextUtils, ShortestRealHasNoExponentNorTrailingZeros)
{
    EXPECT_EQ(ShortestReal(750), QStringLiteral("750"));
    EXPECT_EQ(ShortestReal(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(ShortestReal(1e6), QStringLiteral("1000000"));
    EXPECT_EQ(ShortestReal(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(ShortestReal(-0.0), QStringLiteral("0"));
}

TEST(TextUtils, ParseRealReadsEveryDecimalAsFromCharsRoundsIt)
{
    // Short decimals are read as a whole number divided by a power of ten: random decimals of 1 to 18 digits
    // (on either side of the 15 that way takes), signs, a comma or a point, leading and trailing zeros, must
    // read to the very bit from_chars gives, the sign of a zero included.
    std::mt19937_64 random(17);
    for (int round = 0; round < 200000; ++round) {
        const int digits = 1 + static_cast<int>(random() % 18);
        std::string number;
        for (int i = 0; i < digits; ++i) {
            number += static_cast<char>('0' + (random() % 4 == 0 ? 0 : random() % 10));
        }
        const int point = static_cast<int>(random() % (digits + 2)) - 1;  // -1: no point; 0: ".5"
        if (point >= 0 && point < digits) {
            number.insert(static_cast<std::size_t>(point), ".");
        }
        const int sign = static_cast<int>(random() % 3);
        const std::string signed_ = (sign == 1 ? "-" : sign == 2 ? "+" : "") + number;
        double expected = 0;
        const char* begin = number.data();
        std::from_chars(begin, begin + number.size(), expected);
        if (sign == 1) {
            expected = -expected;
        }
        for (const QChar decimalSign : {QChar(u'.'), QChar(u',')}) {
            QString text = QString::fromStdString(signed_);
            if (decimalSign == u',') {
                text.replace(u'.', u',');
            }
            const Parsed<double> p = ParseReal(text, decimalSign);
            ASSERT_FALSE(p.malformed) << signed_;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(p.value), std::bit_cast<std::uint64_t>(expected)) << signed_;
        }
    }
}
