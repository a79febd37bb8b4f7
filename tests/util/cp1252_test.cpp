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
