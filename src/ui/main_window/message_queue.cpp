#include "ui/main_window/message_queue.h"

#include "util/text_utils.h"

#include <QMessageBox>
#include <QTimer>

namespace sondalog {

MessageQueue::MessageQueue(QWidget* window) : QObject(window), window_(window) {}

void MessageQueue::ShowMessage(const QString& text)
{
    // One message at a time, in front of a window already on screen: a box opened during start-up came up behind
    // the window, and several stacked.
    pending_ << text;
    ShowNextMessage();
}

void MessageQueue::ShowNextMessage()
{
    if (open_ || !window_->isVisible()) {
        return;  // shown when the one on screen is closed, or when the window shows
    }
    if (pending_.isEmpty()) {
        const QList<std::function<void()>> waiting = std::exchange(afterMessages_, {});
        for (const auto& step : waiting) {
            step();
        }
        return;
    }
    // Never a nested event loop: the box is shown and the run goes on.
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral(" S o n d a L O G "),
                                BoundedMessage(pending_.takeFirst()), QMessageBox::Ok, window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    open_ = box;
    connect(box, &QMessageBox::finished, this, [this] {
        open_ = nullptr;
        QTimer::singleShot(0, this, &MessageQueue::ShowNextMessage);
    });
    box->open();
    box->raise();
}

void MessageQueue::AfterMessages(const std::function<void()>& step)
{
    afterMessages_ << step;
    ShowNextMessage();
}

}  // namespace sondalog
