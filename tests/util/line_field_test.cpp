#include "util/line_field.h"
#include "util/number_format.h"
#include "util/text_utils.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include <gtest/gtest.h>

using namespace sondalog;

TEST(LineField, CountsFieldsPerSeparatorRule)
{
    struct Case {
        QString text;
        int n;
        QChar sep;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("a  b c"), 2, u' ', QStringLiteral("b")},
        {QStringLiteral("a||b"), 2, u'|', QString()},
        {QStringLiteral("a||b"), 3, u'|', QStringLiteral("b")},
        {QString(), 1, u'|', QString()},
        {QStringLiteral("a|b"), 0, u'|', QString()},
        {QStringLiteral("a|b"), 3, u'|', QString()},
        {QStringLiteral(";L3"), 1, u';', QStringLiteral("L3")},
        {QStringLiteral("  x ;  y  "), 2, u';', QStringLiteral("y")},
        {QStringLiteral("Cond 600.3 µS/cm 22.9 °C  "), 4, u' ', QStringLiteral("22.9")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LineField(c.text, c.n, c.sep), c.expected) << c.text.toStdString() << " n=" << c.n;
    }
}

TEST(LineField, DropsCharactersBelowThreshold)
{
    EXPECT_EQ(DropControlChars(QStringLiteral("a\tb\x1d" "c\x1e"), 30), QStringLiteral("bc\x1e").prepend(u'a'));
    EXPECT_EQ(DropControlChars(QStringLiteral("a\x10" "b\x11"), 17), QStringLiteral("ab\x11"));
    EXPECT_EQ(RemoveChar(u'$', QStringLiteral("$a$b")), QStringLiteral("ab"));
}

TEST(NumberFormat, ClassicFormats)
{
    EXPECT_EQ(FormatFixed(752, 8, 3, u','), QStringLiteral(" 752,000"));
    EXPECT_EQ(FormatFixed(800.3, 8, 0, u'.'), QStringLiteral("     800"));
    EXPECT_EQ(FormatGrouped(0), QString());
    EXPECT_EQ(FormatGrouped(7), QStringLiteral("7"));
    EXPECT_EQ(FormatGrouped(1234), QStringLiteral("1 234"));
    EXPECT_EQ(FormatGrouped(123456789), QStringLiteral("123 456 789"));
    EXPECT_EQ(FormatGrouped(1234567890), QStringLiteral("1234 567 890"));
    EXPECT_EQ(FormatGrouped(-1234), QStringLiteral("-1 234"));
    EXPECT_EQ(FormatGrouped(-100000), QStringLiteral("-100 000"));
    EXPECT_EQ(FormatGrouped(std::numeric_limits<qint64>::max()), QStringLiteral("9223372036854 775 807"));
    EXPECT_EQ(FormatGrouped(std::numeric_limits<qint64>::min()), QStringLiteral("-9223372036854 775 808"));
    EXPECT_EQ(FormatGeneral(1.5, 3, 1, u','), QStringLiteral("  2"));
    EXPECT_EQ(FormatGeneral(12, 3, 1, u','), QStringLiteral("1E1"));
    EXPECT_EQ(FormatGeneral(1.25, 3, 2, u','), QStringLiteral("1,2"));
    EXPECT_EQ(FormatDuration(59), QStringLiteral("00:00:59"));
    EXPECT_EQ(FormatDuration(90061), QStringLiteral("25:01:01"));
}

TEST(LineField, LastFieldHoldingAMarkerIsTheLastTrimmedFieldThatHoldsIt)
{
    // Random texts over separators, blanks and the letters of the markers, against the fields read in turn:
    // markers at field ends, across a separator or a field's blanks, overlapping, and empty.
    const QString alphabet = QStringLiteral(";;  Cond:xé");
    const QStringList markers{QStringLiteral("Cond"), QStringLiteral(":"), QStringLiteral(" C"),
                              QStringLiteral("d;C"), QStringLiteral("oo"), QStringLiteral("dd"),
                              QStringLiteral("é"), QString()};
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            text += alphabet[static_cast<qsizetype>(random() % alphabet.size())];
        }
        for (const QChar c : {QChar(u';'), QChar(u':'), QChar(u'é'), QChar(u'C'), QChar(0xFFFF)}) {
            ASSERT_EQ(CountChar(c, text), text.count(c)) << text.toStdString();
        }
        for (const QChar sep : {QChar(u';'), QChar(u' ')}) {
            const FieldViews fields = SplitFieldViews(text, sep);
            for (const QString& marker : markers) {
                for (qsizetype from = 0; sep == u';' && !marker.isEmpty() && from <= text.size(); ++from) {
                    ASSERT_EQ(FindText(text, marker, from), QStringView(text).indexOf(marker, from));
                }
                qsizetype expected = 0;
                for (qsizetype i = 1; i <= fields.size(); ++i) {
                    if (!marker.isEmpty() && FieldView(fields, i).contains(marker)) {
                        expected = i;
                    }
                }
                ASSERT_EQ(LastFieldHolding(fields, text, marker), expected)
                    << '"' << text.toStdString() << "\" sep '" << sep.toLatin1() << "' marker \"" << marker.toStdString()
                    << '"';
            }
        }
    }
    // More matches than a lane can count: the lanes are summed on the way.
    const QString many(600'007, u';');
    EXPECT_EQ(CountChar(u';', many), 600'007);
}

TEST(LineField, DropControlCharsKeepsExactlyTheCharactersFromTheThresholdOn)
{
    // Lines are checked eight characters at a time for a character to drop: random lines with controls,
    // DEL, Latin-1 and characters past 0x8000 (which a signed comparison would take for small) at every
    // place, against the characters kept one by one.
    const std::vector<char16_t> alphabet{0x00, 0x01, 0x09, 0x10, 0x11, 0x1F, u' ', u'a', u';', 0x7F, 0xB5, 0x7FFF,
                                         0x8000, 0x8001, 0xFFFE, 0xFFFF};
    std::mt19937 random(23);
    for (int round = 0; round < 5000; ++round) {
        QString text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            // Mostly plain text, so that whole blocks of eight are clean as well.
            text += QChar(random() % 4 == 0 ? alphabet[random() % alphabet.size()] : u'x');
        }
        for (const int threshold : {-5, 0, 1, 17, 32, 0x8001, 0xFFFF, 0x10000}) {
            QString expected;
            for (const QChar c : text) {
                if (c.unicode() >= threshold) {
                    expected += c;
                }
            }
            ASSERT_EQ(DropControlChars(text, threshold), expected) << threshold;
        }
    }
}

TEST(NumberFormat, FormatFixedWritesWhatPrintfWrites)
{
    // The usual values are written by whole-number arithmetic: against to_chars (which writes as printf
    // does), for decimal-looking values, ties in binary (odd multiples of a power of two, where the rounding
    // goes to the even digit), negatives and negative zero, values near 2^53, subnormals, and random bits.
    std::mt19937_64 random(29);
    const auto reference = [](double v, int decimals) {
        char buffer[400];
        const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
        return QString::fromLatin1(buffer, r.ptr - buffer);
    };
    std::vector<double> values{0.0, -0.0, 0.5, 1.5, 2.5, -2.5, 0.125, 0.375, 9007199254740991.0, 9007199254740992.0,
                               4503599627370497.5, 1e-310, -1e-320, 0.00049999999999999999, 0.0005, 601.3, 752};
    for (int i = 0; i < 20000; ++i) {
        values.push_back(static_cast<double>(static_cast<std::int64_t>(random() % 20000001) - 10000000) /
                         std::pow(10.0, static_cast<double>(random() % 8)));
        values.push_back(std::ldexp(static_cast<double>(random() % 100000) * 2 + 1, -static_cast<int>(random() % 40)));
        values.push_back(std::bit_cast<double>(random()));
    }
    for (const double v : values) {
        for (int decimals = 0; decimals <= 10; ++decimals) {
            if (!std::isfinite(v) || std::fabs(v) > 1e30) {
                continue;
            }
            const QString expected = reference(v, decimals);
            ASSERT_EQ(FormatFixed(v, 0, decimals, u'.'), expected) << v << ' ' << decimals;
        }
    }
    EXPECT_EQ(FormatFixed(-3.25, 8, 1, u','), QStringLiteral("    -3,2"));
}

TEST(LineField, FieldViewsAreTheFieldsOfASplit)
{
    // The views are cut eight characters at a time: random texts with separators at every place, at either
    // end and side by side, must give the fields Qt's own split gives (SplitFields).
    const QString alphabet = QStringLiteral(";; ||ab");
    std::mt19937 random(31);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            text += alphabet[static_cast<qsizetype>(random() % alphabet.size())];
        }
        for (const QChar sep : {QChar(u';'), QChar(u' '), QChar(u'|')}) {
            QStringList views;
            for (const QStringView f : SplitFieldViews(text, sep)) {
                views << f.toString();
            }
            ASSERT_EQ(views, SplitFields(text, sep)) << '"' << text.toStdString() << "\" '" << sep.toLatin1() << "'";
        }
    }
}
