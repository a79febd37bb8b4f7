#include "ui/widgets/help_buttons.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace sondalog {

void OpenHelp(const QString& programFolder, const InfoSink& info, const std::function<bool(const QString&)>& open)
{
    const QString path = HelpFilePath(programFolder);
    if (!QFileInfo::exists(path)) {
        info(HelpMissing(path));
        return;
    }
    if (!open || !open(path)) {
        info(NoViewerMessage(path));
    }
}

bool OpenWithSystemViewer(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString FindOnPath(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

void SetUpToolButton(QAbstractButton* button, ToolKind kind, const ProgramFinder& find)
{
    const ExternalTool tool = ToolFor(kind, find);
    button->setToolTip(tool.hint);
    button->setEnabled(!tool.program.isEmpty());
    if (tool.program.isEmpty()) {
        return;
    }
    QObject::connect(button, &QAbstractButton::clicked, button, [tool] {
        QProcess::startDetached(tool.program, tool.arguments);
    });
}

}  // namespace sondalog
