#include "help/help_files.h"

#include "util/install_layout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace sondalog {

namespace {
const char* const kToolHint = QT_TRANSLATE_NOOP("sondalog::Help", "permet de lister les COM1 à 9 et voir lesquelles sont actives");

struct Candidate {
    QString name;
    QStringList arguments;  ///< a terminal program is started inside a terminal emulator
    bool inTerminal = false;
};
}  // namespace

QString HelpFilePath(const QString& programFolder)
{
    // The manual in the interface's language when there is one (its name is translated), else the French one.
    const QString translated = QCoreApplication::translate("sondalog::Help", "Sondalog_help.pdf");
    QStringList folders{programFolder};
    if (const QString installed = InstalledDataDir(programFolder); !installed.isEmpty()) {
        folders << installed;
    }
    for (const QString& name : {translated, kHelpFileName}) {
        for (const QString& folder : folders) {
            if (QFile::exists(QDir(folder).filePath(name))) {
                return QDir(folder).filePath(name);
            }
        }
    }
    return QDir(programFolder).filePath(kHelpFileName);
}

QString HelpMissing(const QString& path)
{
    return QCoreApplication::translate("sondalog::Help", "<%1> introuvable").arg(path);
}

ExternalTool ToolFor(ToolKind kind, const ProgramFinder& find)
{
    QList<Candidate> candidates;
    QString install;
    switch (kind) {
    case ToolKind::SerialTerminal:
#ifdef Q_OS_WIN
        candidates = {{QStringLiteral("RS232_hercules_3-2-6.exe"), {}, false}};
#else
        candidates = {{QStringLiteral("cutecom"), {}, false},
                      {QStringLiteral("gtkterm"), {}, false},
                      {QStringLiteral("picocom"), {}, true},
                      {QStringLiteral("minicom"), {}, true}};
#endif
        install = QCoreApplication::translate(
            "sondalog::Help", "à installer : un terminal série (cutecom, gtkterm, picocom ou minicom)");
        break;
    case ToolKind::TaskManager:
#ifdef Q_OS_WIN
        candidates = {{QStringLiteral("taskmgr.exe"), {}, false}};
#else
        candidates = {{QStringLiteral("gnome-system-monitor"), {}, false},
                      {QStringLiteral("plasma-systemmonitor"), {}, false},
                      {QStringLiteral("xfce4-taskmanager"), {}, false},
                      {QStringLiteral("lxtask"), {}, false},
                      {QStringLiteral("htop"), {}, true}};
#endif
        install = QCoreApplication::translate(
            "sondalog::Help", "à installer : un moniteur système (gnome-system-monitor, xfce4-taskmanager ou htop)");
        break;
    case ToolKind::DeviceManager:
#ifdef Q_OS_WIN
        candidates = {{QStringLiteral("mmc.exe"), {QStringLiteral("devmgmt.msc")}, false}};
#else
        candidates = {{QStringLiteral("hardinfo"), {}, false}, {QStringLiteral("lshw-gtk"), {}, false}};
#endif
        install = QCoreApplication::translate(
            "sondalog::Help", "à installer : un inventaire du matériel (hardinfo ou lshw-gtk)");
        break;
    }
    for (const Candidate& c : candidates) {
        const QString program = find(c.name);
        if (program.isEmpty()) {
            continue;
        }
        ExternalTool tool;
        if (c.inTerminal) {
            const QString terminal = find(QStringLiteral("x-terminal-emulator"));
            if (terminal.isEmpty()) {
                continue;  // a terminal program needs a terminal window to show in
            }
            tool.program = terminal;
            tool.arguments = QStringList{QStringLiteral("-e"), program} + c.arguments;
        } else {
            tool.program = program;
            tool.arguments = c.arguments;
        }
        tool.hint = QCoreApplication::translate("sondalog::Help", kToolHint) + QStringLiteral(" (") + c.name + u')';
        return tool;
    }
    ExternalTool none;
    none.hint = install;
    return none;
}

}  // namespace sondalog
