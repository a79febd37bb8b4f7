#pragma once
// The user manual and the system tools that help find the instrument's port: which file, which
// program, which arguments. The windows start them with QProcess/QDesktopServices, never a shell.

#include "util/translate.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace sondalog {

inline const QString kHelpFileName = QStringLiteral("Sondalog_help.pdf");
inline const char* const kNoViewerMessage = QT_TRANSLATE_NOOP("sondalog::Messages", "Firefox et Acrobat introuvables");
/// kNoViewerMessage with where the manual is, so that it can be opened by hand.
inline QString NoViewerMessage(const QString& pdfPath)
{
    return Message(kNoViewerMessage) +
           Message(QT_TRANSLATE_NOOP("sondalog::Messages", " : le manuel est %1\n(l'ouvrir avec un lecteur de PDF, ou en "
                                                           "installer un)"))
               .arg(pdfPath);
}

/// "<program folder>/Sondalog_help.pdf", or the installed one (<prefix>/share/sondalog) when the program's
/// folder has none.
QString HelpFilePath(const QString& programFolder);
/// "<" + path + "> introuvable".
QString HelpMissing(const QString& path);

/// Finds a program on the PATH (QStandardPaths::findExecutable in the program; tests give a table).
using ProgramFinder = std::function<QString(const QString& name)>;

enum class ToolKind { SerialTerminal, TaskManager, DeviceManager };

/// A tool button: the program and arguments to start, or why it is disabled.
struct ExternalTool {
    QString program;         ///< empty: nothing found, the button is disabled
    QStringList arguments;
    QString hint;            ///< the button's hint (what it starts, or what to install)
};
ExternalTool ToolFor(ToolKind kind, const ProgramFinder& find);

}  // namespace sondalog
