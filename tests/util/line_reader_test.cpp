#include "util/cp1252.h"
#include "util/line_reader.h"

#include <QFile>
#include <QTemporaryDir>

#include <random>

#include <gtest/gtest.h>

using namespace sondalog;

namespace {
// The lines of a file as they are meant to read: CR LF, LF and a lone CR each end one; a final line end
// adds no empty line.
QStringList ReferenceLines(const QByteArray& bytes)
{
    QStringList lines;
    QByteArray line;
    bool open = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char b = bytes[i];
        if (b == '\r' || b == '\n') {
            lines << DecodeCp1252(line);
            line.clear();
            open = false;
            if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            continue;
        }
        line += b;
        open = true;
    }
    if (open) {
        lines << DecodeCp1252(line);
    }
    return lines;
}
}  // namespace

TEST(LineReader, ReadsEveryLineWhateverTheChunkAndTheLineEnds)
{
    // Random files of short and long lines over ASCII, Latin-1, Windows-1252 extras and the three line
    // ends, read through chunks of many sizes: line ends fall at every place of a chunk and of the
    // sixteen-byte blocks the line end is looked for in, a CR LF split across two chunks among them.
    const QByteArray pieces[] = {"a", "01.09.2009 00:00:01;14451527;601.3;", "\xb5S/cm", "\x80\x9d", "\r\n", "\n",
                                 "\r", ";", "  ", "\xe9\xb0" "C", "0123456789abcdef0123"};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lines.txt"));
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        const int count = static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            bytes += pieces[random() % std::size(pieces)];
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close();
        const QStringList expected = ReferenceLines(bytes);
        for (const qint64 chunk : {16, 17, 31, 64, 1 << 20}) {
            LineReader reader(path, chunk);
            ASSERT_TRUE(reader.IsOpen());
            QStringList lines;
            QString line = QStringLiteral("room left from before");
            while (reader.Next(line)) {
                lines << line;
            }
            ASSERT_EQ(lines, expected) << "round " << round << ", chunk " << chunk << ": " << bytes.toHex().constData();
            EXPECT_FALSE(reader.Failed());
            EXPECT_DOUBLE_EQ(reader.Fraction(), 1.0);
        }
    }
}
