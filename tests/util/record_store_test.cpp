#include "util/cp1252.h"
#include "util/record_store.h"
#include "util/text_file.h"
#include "util/text_utils.h"

#include <gtest/gtest.h>

#include <random>

using namespace sondalog;

TEST(RecordStore, LinesKeptAsWindowsBytesWithEveryLineBreakABlank)
{
    // Random lines over the characters that matter: ASCII, Latin-1, the Windows-1252 extras, characters it
    // cannot hold, and the four line breaks. The store and a file's lines must both read as each line made
    // single (SingleLine) and then encoded, and every line must come back as that text.
    const std::vector<char16_t> alphabet{u'a', u'7', u';', u'\t', u' ', u'\r', u'\n', 0x2028, 0x2029, 0xE9, 0xB5,
                                         0xB0, 0x20AC, 0x0153, 0x2019, 0x81, 0x9D, 0x4E2D, 0x0101, u'?'};
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        QStringList lines;
        const int count = static_cast<int>(random() % 6);
        for (int i = 0; i < count; ++i) {
            QString line;
            const int length = static_cast<int>(random() % 12);
            for (int j = 0; j < length; ++j) {
                line += QChar(alphabet[random() % alphabet.size()]);
            }
            lines << line;
        }
        QByteArray expected;
        for (const QString& line : lines) {
            expected += EncodeCp1252(SingleLine(line)) + "\r\n";
        }
        RecordStore store;
        store << lines;
        ASSERT_EQ(store.CrLfBytes(), expected) << lines.join(u'|').toStdString();
        ASSERT_EQ(JoinCrLf(lines), expected);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(store.at(i), DecodeCp1252(EncodeCp1252(SingleLine(lines.at(i)))));
        }
    }
}
