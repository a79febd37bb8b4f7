// A tracer test survives a kill: sondalog-cli acquire killed with SIGKILL leaves every reading
// it had in its journal.
#include "simulator.h"
#include "util/text_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

TEST(RunJournal, SigkillLosesNoReadingAlreadyTaken)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("port"));
    const QString work = dir.filePath(QStringLiteral("essais"));
    QDir().mkpath(work);
    // The example instrument, with the simulator's time mark (two ':').
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(config);
    ASSERT_TRUE(sondalog::WriteFileAtomically(
                    config + QStringLiteral("/Sondalog.ini"),
                    sondalog::JoinCrLf({QStringLiteral("17"), QStringLiteral("3"), QStringLiteral("header"),
                                        QStringLiteral("1,x,WTW3430,COM7,9600,1,conductivité,750,700,50,\"0,100,255\",7,"
                                                       "Cond,espace,2,::,"),
                                        QStringLiteral("2,,,,,,température,30,10,5,\"200,0,88\",5,Cond,espace,4,::,")}))
                    .isEmpty());
    Simulator sim(link, {QStringLiteral("--format"), QStringLiteral("print"), QStringLiteral("--interval"),
                         QStringLiteral("0.15"), QStringLiteral("--count"), QStringLiteral("200"), QStringLiteral("--drift"),
                         QStringLiteral("0.5"), QStringLiteral("--delay"), QStringLiteral("1.5")});
    QProcess cli;
    cli.start(QStringLiteral(SONDALOG_CLI),
              {QStringLiteral("acquire"), QStringLiteral("--port"), link, QStringLiteral("--config-dir"), config, QStringLiteral("--burst-silence"), QStringLiteral("40"),
               QStringLiteral("--open-wait-scale"), QStringLiteral("0.05"), QStringLiteral("--locale"),
               QStringLiteral("fr_FR"), QStringLiteral("--save"), work});
    ASSERT_TRUE(cli.waitForStarted());
    ASSERT_TRUE(WaitUntil([&] { return sim.Sent().size() >= 22; }, 30000));
    ::kill(static_cast<pid_t>(cli.processId()), SIGKILL);
    cli.waitForFinished(5000);
    const QList<double> sent = sim.Sent();

    const QStringList journals =
        QDir(QDir(work).filePath(QStringLiteral("sauvegarde_auto"))).entryList({QStringLiteral("en_cours *.txt")}, QDir::Files);
    ASSERT_EQ(journals.size(), 1);
    const QStringList lines =
        sondalog::ReadTextLines(QDir(work).filePath(QStringLiteral("sauvegarde_auto/") + journals[0])).value();
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("quirn-1-heure-")));
    QList<double> journalled;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].section(u'\t', 1, 1).toInt(), i);
        journalled << lines[i].section(u'\t', 4, 4).trimmed().replace(u',', u'.').toDouble();
    }
    // Every reading sent before the kill, but at most the one under way, each as it was sent.
    ASSERT_GE(journalled.size(), sent.size() - 1);
    ASSERT_LE(journalled.size(), sent.size());
    for (qsizetype i = 0; i < journalled.size(); ++i) {
        EXPECT_DOUBLE_EQ(journalled[i], sent[i]) << i;
    }
}
