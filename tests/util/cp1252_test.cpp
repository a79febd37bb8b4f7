#include "util/cp1252.h"
#include "util/text_file.h"

#include "support/disk_full.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

using namespace sondalog;

TEST(Cp1252, RoundTripsEveryByte)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i) {
        all.append(static_cast<char>(i));
    }
    EXPECT_EQ(EncodeCp1252(DecodeCp1252(all)), all);
}

TEST(Cp1252, MapsFrenchAndMicroSigns)
{
    EXPECT_EQ(DecodeCp1252(QByteArray("\xb5S/cm \xb0" "C \xe9\x80")), QStringLiteral("µS/cm °C é€"));
    EXPECT_EQ(EncodeCp1252(QStringLiteral("traçage Œ")), QByteArray("tra\xe7" "age \x8c"));
    EXPECT_EQ(EncodeCp1252(QStringLiteral("→")), QByteArray("?"));
}

TEST(TextFile, ReadsCrLfAndBareLf)
{
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\nb\nc")), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\n\r\n")), (QStringList{"a", ""}));
    EXPECT_EQ(JoinCrLf({QStringLiteral("é"), QString()}), QByteArray("\xe9\r\n\r\n"));
}

TEST(TextFile, FailedWriteKeepsEarlierFile)
{
    // The write itself fails, on the path that holds the earlier file: a full disk refusing all
    // of it, or refusing it part way (small saves sit in Qt's buffer until the flush).
    for (const rlim_t limit : {rlim_t(0), rlim_t(8)}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.txt"));
        ASSERT_TRUE(WriteFileAtomically(path, "first").isEmpty());
        {
            FileSizeLimit full(limit);
            EXPECT_FALSE(WriteFileAtomically(path, QByteArray(500, 'x')).isEmpty()) << limit;
        }
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("first")) << limit;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("f.txt")});  // no leftover
    }
    QTemporaryDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir.filePath(QStringLiteral("missing/f.txt")), "x").isEmpty());
}

TEST(TextFile, EveryLineEndSplitsAndNoLineBreakIsWrittenInsideALine)
{
    struct Case {
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        {QStringLiteral("a\rb\r"), {"a", "b"}},           // old Mac files: lone CR
        {QStringLiteral("a\r\nb\nc"), {"a", "b", "c"}},
        {QStringLiteral("a\n\rb"), {"a", "", "b"}},
        {QStringLiteral("a\r\n\r\n"), {"a", ""}},
        {QStringLiteral("a\r"), {"a"}},
        {QString(), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text.toStdString();
    }
    // A pasted line break never splits a written line.
    EXPECT_EQ(JoinCrLf({QStringLiteral("x\r\ny"), QStringLiteral("z\n")}), QByteArray("x  y\r\nz \r\n"));
}

TEST(TextFile, OnlyRegularFilesAreRead)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ReadTextLines(dir.path()).has_value());  // a folder
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    // Should a FIFO be opened, its writer ends the wait after a while, with no line in it.
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        const int fd = open(fifo.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            close(fd);
        }
    });
    EXPECT_FALSE(ReadTextLines(fifo).has_value());
    writer.join();
}

namespace {
// Character by character, as the codec is meant to read: the reference for its runs taken several at a time.
QByteArray EncodeOneByOne(const QString& text, bool blanks)
{
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (blanks && (u == u'\r' || u == u'\n' || u == 0x2028 || u == 0x2029)) {
            out += ' ';
        } else {
            const QByteArray one = EncodeCp1252(QString(c));
            out += one;
        }
    }
    return out;
}
}  // namespace

TEST(Cp1252, EveryCharacterReadTheSameWhereverItStandsInALongLine)
{
    // Lines are copied eight or sixteen characters at a time while they are plain ASCII: an odd character
    // (a line break, a tab, DEL, Latin-1, a Windows-1252 extra, one it cannot hold) at any place in a block,
    // or two in one, must come out as it would alone.
    const std::vector<char16_t> odd{u'\r', u'\n', u'\t', 0x7F, 0x80, 0xB5, 0xE9, 0xFF, 0x20AC, 0x2028, 0x2029, 0x4E2D};
    const QString plain = QStringLiteral("01/09/2009 00:00:01\t12345\t601,3000\t22,9;Cond;ABCDEFGH");
    for (int length = 0; length <= plain.size(); ++length) {
        for (int at = 0; at < length; ++at) {
            for (const char16_t c : odd) {
                for (const int second : {-1, at + 1, at + 7, length - 1}) {
                    QString line = plain.left(length);
                    line[at] = QChar(c);
                    if (second > at && second < length) {
                        line[second] = QChar(odd[(second + c) % odd.size()]);
                    }
                    for (const bool blanks : {false, true}) {
                        QByteArray bytes("x");
                        AppendCp1252(bytes, line, blanks ? LineBreaks::AsBlanks : LineBreaks::Kept);
                        ASSERT_EQ(bytes, "x" + EncodeOneByOne(line, blanks)) << length << ' ' << at << ' ' << int(c);
                    }
                    // The bytes decoded in one go read as each byte decoded alone.
                    const QByteArray encoded = EncodeOneByOne(line, false);
                    QString expected;
                    for (const char b : encoded) {
                        expected += DecodeCp1252(QByteArray(1, b));
                    }
                    QString decoded = QStringLiteral("room");
                    DecodeCp1252Into(encoded, decoded);
                    ASSERT_EQ(decoded, expected) << length << ' ' << at << ' ' << int(c);
                }
            }
        }
    }
}

TEST(Cp1252, TheUpperHalfIsWindows1252AsPublished)
{
    // Windows-1252 as Microsoft publishes it (bestfit1252.txt), written out here by hand: 0x80-0x9F, the only part
    // that differs from Latin-1. A swapped pair in the program's table would pass a round trip, not this.
    const struct {
        unsigned char byte;
        char16_t code;
    } published[] = {
        {0x80, 0x20AC}, {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020},
        {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039}, {0x8C, 0x0152},
        {0x8E, 0x017D}, {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022},
        {0x96, 0x2013}, {0x97, 0x2014}, {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A},
        {0x9C, 0x0153}, {0x9E, 0x017E}, {0x9F, 0x0178},
    };
    for (const auto& p : published) {
        const QString decoded = DecodeCp1252(QByteArray(1, static_cast<char>(p.byte)));
        ASSERT_EQ(decoded.size(), 1) << int(p.byte);
        EXPECT_EQ(decoded.at(0).unicode(), p.code) << std::hex << int(p.byte);
        EXPECT_EQ(EncodeCp1252(QString(QChar(p.code))), QByteArray(1, static_cast<char>(p.byte))) << std::hex << int(p.byte);
    }
    // 0xA0-0xFF are Latin-1's: é is 0xE9, µ 0xB5, ° 0xB0.
    for (int b = 0xA0; b <= 0xFF; ++b) {
        EXPECT_EQ(DecodeCp1252(QByteArray(1, static_cast<char>(b))).at(0).unicode(), b);
    }
}
