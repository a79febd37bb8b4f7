#include "util/cp1252.h"
#include "util/text_file.h"

#include <QTemporaryDir>

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
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    ASSERT_TRUE(WriteFileAtomically(path, "first").isEmpty());
    EXPECT_FALSE(WriteFileAtomically(dir.filePath(QStringLiteral("missing/f.txt")), "x").isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("first"));
}
