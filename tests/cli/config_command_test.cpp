#include "cli_runner.h"
#include "util/text_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(CliConfig, EmptyFolderGetsTheExampleTableAndSettings)
{
    QTemporaryDir dir;
    const CliResult r = RunCli({QStringLiteral("config"), QStringLiteral("--config-dir"), dir.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("non trouvé")));
    EXPECT_EQ(r.Value(QStringLiteral("portDescription")), QStringLiteral("COM7: bauds=9600 parity=N data=8 stop=1"));
    EXPECT_EQ(r.Value(QStringLiteral("q1.unit")), QStringLiteral("S/cm"));
    EXPECT_EQ(r.Value(QStringLiteral("q2.unit")), QStringLiteral("°C"));
    EXPECT_EQ(r.Value(QStringLiteral("endOfBlock")), QStringLiteral("__"));
    EXPECT_EQ(r.Value(QStringLiteral("q1.separator")), QStringLiteral("blank"));
    EXPECT_EQ(r.Value(QStringLiteral("q2.colour")), QStringLiteral("200,0,88"));
    EXPECT_EQ(r.Value(QStringLiteral("prm.2")), QStringLiteral("true"));
    EXPECT_EQ(r.Value(QStringLiteral("prm.22")), QStringLiteral("1.02"));
    EXPECT_EQ(r.Value(QStringLiteral("prm.26")), QStringLiteral("Cond"));

    const QStringList lines = sondalog::ReadTextLines(dir.filePath(QStringLiteral("Sondalog.ini"))).value();
    ASSERT_GE(lines.size(), 5);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("n,actif,multimètre,")));
    EXPECT_EQ(lines[3], QStringLiteral("1,x,WTW3430,COM7,9600,1,conductivité,750,700,50,\"0,100,255\",7,Cond,espace,2,:,"));
    EXPECT_EQ(sondalog::ReadTextLines(dir.filePath(QStringLiteral("Sondalog.prm"))).value().size(), 30);

    // A second start reads what the first one wrote, silently.
    const CliResult again = RunCli({QStringLiteral("config"), QStringLiteral("--config-dir"), dir.path()});
    EXPECT_EQ(again.out, r.out);
    EXPECT_TRUE(again.err.isEmpty()) << again.err.toStdString();
}

TEST(CliConfig, BadArgumentsExitWithTwo)
{
    EXPECT_EQ(RunCli({QStringLiteral("config"), QStringLiteral("--nope")}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("config"), QStringLiteral("--config-dir")}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("frobnicate")}).exitCode, 2);
}
