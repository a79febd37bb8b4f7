#pragma once
// Runs sondalog-cli as a process and collects its output.

#include <QProcess>
#include <QStringList>

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
