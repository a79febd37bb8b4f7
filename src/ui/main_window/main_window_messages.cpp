// What the main window tells: the raw-line log and its note under the graph, and the message boxes, one at a
// time and in front of a window already on screen.
#include "ui/main_window/main_window.h"

#include "ui/widgets/text_colour.h"
#include "ui/parameters_window/parameters_window.h"
#include "serial/raw_log.h"
#include "util/text_utils.h"

#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

namespace sondalog {

namespace {
void AppendBounded(QPlainTextEdit* memo, const QString& line)
{
    if (memo->blockCount() > kRawLogLimit) {
        memo->clear();
    }
    memo->appendPlainText(line);
}
}  // namespace

void MainWindow::LogLine(const QString& line)
{
    AppendBounded(Memo1, line);
    AppendBounded(params_->Memo1, line);
    if (controller_->state() == RunState::LinkTest && !line.trimmed().isEmpty()) {
        ShowLinkNote(kLinkTestCaption + line.left(200), false);  // what the link brings, in the main window too
    }
}

void MainWindow::ShowLinkNote(const QString& text, bool alarm)
{
    if (text.isEmpty()) {
        Panel2->hide();
        return;
    }
    Label18->setText(text);
    Label18->show();  // test COM hides it: a box without its text says nothing
    SetTextColour(Label18, alarm ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    Panel2->adjustSize();
    Panel2->show();
    Panel2->raise();
}

void MainWindow::ShowMessage(const QString& text)
{
    // One message at a time, in front of a window already on screen: a box opened during start-up came up behind
    // the window, and several stacked.
    pendingMessages_ << text;
    ShowNextMessage();
}

void MainWindow::ShowNextMessage()
{
    if (openMessage_ || !isVisible()) {
        return;  // shown when the one on screen is closed, or when the window shows
    }
    if (pendingMessages_.isEmpty()) {
        const QList<std::function<void()>> waiting = std::exchange(afterMessages_, {});
        for (const auto& step : waiting) {
            step();
        }
        return;
    }
    // Never a nested event loop: the box is shown and the run goes on.
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral(" S o n d a L O G "),
                                BoundedMessage(pendingMessages_.takeFirst()), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    openMessage_ = box;
    connect(box, &QMessageBox::finished, this, [this] {
        openMessage_ = nullptr;
        QTimer::singleShot(0, this, &MainWindow::ShowNextMessage);
    });
    box->open();
    box->raise();
}

void MainWindow::AfterMessages(const std::function<void()>& step)
{
    afterMessages_ << step;
    ShowNextMessage();
}

}  // namespace sondalog
