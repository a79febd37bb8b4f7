#pragma once
// Runs sondalog-cli as a process and collects its output.

#include "util/text_file.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;

    /// The value of "key=" on stdout, or a null text.
    QString Value(const QString& key) const
    {
        for (const QString& line : out.split(u'\n')) {
            if (line.startsWith(key + u'=')) {
                return line.mid(key.size() + 1);
            }
        }
        return {};
    }
};

inline CliResult RunCli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(SONDALOG_CLI), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

/// A configuration folder for a string-mode instrument: both quantities with "::" as time mark.
inline void WriteStringModeConfig(const QString& dir, const QString& q1Occurrence, const QString& q2Marker,
                           const QString& q2Occurrence, bool threeProbes)
{
    QStringList table = {QStringLiteral("17"), QStringLiteral("3"),
                         QStringLiteral("n,actif,multimètre,COMx,vitesse,intervalle,grandeur,max,min,graduation,couleur,"
                                        "épaisseur,repère,séparateur,occurence,\"rep hms\",\"fin de bloc\""),
                         QStringLiteral("1,x,WTW3430,COM7,9600,1,conductivité,750,700,50,\"0,100,255\",7,Cond,espace,") +
                             q1Occurrence + QStringLiteral(",::,"),
                         QStringLiteral("2,,,,,,température,30,10,5,\"200,0,88\",5,") + q2Marker +
                             QStringLiteral(",espace,") + q2Occurrence + QStringLiteral(",::,")};
    ASSERT_TRUE(sondalog::WriteFileAtomically(dir + QStringLiteral("/Sondalog.ini"), sondalog::JoinCrLf(table)).isEmpty());
    QStringList settings(30);
    settings[1] = QStringLiteral("false");
    settings[10] = QStringLiteral("1");
    settings[11] = QStringLiteral("essai");
    settings[19] = QStringLiteral("µ=0;m=3;k=1;F=3");
    settings[21] = QStringLiteral("1");
    settings[22] = threeProbes ? QStringLiteral("true") : QStringLiteral("false");
    ASSERT_TRUE(sondalog::WriteFileAtomically(dir + QStringLiteral("/Sondalog.prm"), sondalog::JoinCrLf(settings)).isEmpty());
}

