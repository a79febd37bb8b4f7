#pragma once
// The windows' side of help and tools: "?" opens the manual in the system's PDF viewer; a tool
// button starts its program detached, or stays disabled with a hint saying what to install.

#include "help/help_files.h"
#include "util/messages.h"

class QAbstractButton;

namespace sondalog {

/// Opens the manual beside the executables; says "<path> introuvable" or that no viewer opened.
/// `open` opens a local file (QDesktopServices in the program; tests give their own).
void OpenHelp(const QString& programFolder, const InfoSink& info,
              const std::function<bool(const QString& path)>& open);
/// The system's PDF viewer.
bool OpenWithSystemViewer(const QString& path);

/// Enables the button when its tool exists and makes a click start it (no shell, no wait).
void SetUpToolButton(QAbstractButton* button, ToolKind kind, const ProgramFinder& find);
/// QStandardPaths::findExecutable.
QString FindOnPath(const QString& name);

}  // namespace sondalog
