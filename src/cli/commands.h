#pragma once
// The commands of sondalog-cli; each returns the process exit status.

#include <QStringList>

namespace sondalog::cli {

int ConfigCommand(const QStringList& args);

}  // namespace sondalog::cli
