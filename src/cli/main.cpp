// sondalog-cli: the logger's core without windows, for scripts and tests.

#include "cli/commands.h"
#include "util/version.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
int Usage()
{
    QTextStream err(stderr);
    err << "usage: sondalog-cli --version\n"
           "       sondalog-cli config [--config-dir DIR] [--write-example FILE]\n"
           "       sondalog-cli demo --readings N [run options]\n"
           "       sondalog-cli replay FILE [--as auto|own] [run options]\n"
           "       sondalog-cli charts FILE [--as auto|own] [--points N|tous] [--calc dernier|moyenne|minimum|maximum]\n"
           "       sondalog-cli analyse FILE [--as auto|own] [--distance M] [--mass KG] [--discharge L_PER_S]\n"
           "                            [--discharge-file FILE] [--factor K] [--injection-seconds T]\n"
           "                            [--components auto|1|2|3] [--end SECONDS]\n"
           "                            [--calibration CAL [--tracer N] [--mass-g G]]\n"
           "       sondalog-cli fluo FILE --calibration CAL [--t0 \"yyyy-MM-dd hh:mm:ss\"] [--locale L] [--out FILE]\n"
           "corrections (fluo, analyse --calibration): --turbidity S --temperature N1[,N2[,N3]]\n"
           "                            --background LAMPS --window T1,T2 --crosstalk I,J[,K]\n"
           "       sondalog-cli acquire --port NAME [--mode char|string] [--readings N | --seconds S]\n"
           "                            [--burst-silence MS] [--open-wait-scale X] [run options]\n"
           "run options: --config-dir DIR --t0 K --now \"yyyy-MM-dd hh:mm:ss\" --step S --locale NAME --out FILE --save DIR\n";
    return 2;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && sondalog::PrintedVersion(argc, argv, QStringLiteral("sondalog-cli"))) {
        return 0;
    }
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        return Usage();
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("config")) {
        return sondalog::cli::ConfigCommand(args);
    }
    if (command == QLatin1String("demo")) {
        return sondalog::cli::DemoCommand(args);
    }
    if (command == QLatin1String("acquire")) {
        return sondalog::cli::AcquireCommand(args);
    }
    if (command == QLatin1String("analyse")) {
        return sondalog::cli::AnalyseCommand(args);
    }
    if (command == QLatin1String("fluo")) {
        return sondalog::cli::FluoCommand(args);
    }
    if (command == QLatin1String("charts")) {
        return sondalog::cli::ChartsCommand(args);
    }
    if (command == QLatin1String("replay")) {
        return sondalog::cli::ReplayCommand(args);
    }
    return Usage();
}
