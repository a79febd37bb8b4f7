#pragma once
// The commands of sondalog-cli; each returns the process exit status.

#include <QStringList>

namespace sondalog::cli {

int ConfigCommand(const QStringList& args);
int DemoCommand(const QStringList& args);
int ReplayCommand(const QStringList& args);
int AcquireCommand(const QStringList& args);
int ChartsCommand(const QStringList& args);
int AnalyseCommand(const QStringList& args);

}  // namespace sondalog::cli
