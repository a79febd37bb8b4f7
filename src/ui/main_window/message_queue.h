#pragma once
// The main window's messages: one box at a time, in front of a window already on screen, never a
// nested event loop; questions that must come after them wait their turn.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QMessageBox;
class QWidget;

namespace sondalog {

class MessageQueue : public QObject {
    Q_OBJECT
public:
    explicit MessageQueue(QWidget* window);

    /// A message box that never waits for its OK and never outgrows the screen.
    void ShowMessage(const QString& text);
    /// Runs `step` once no message is on screen or waiting (start-up questions come after start-up messages).
    void AfterMessages(const std::function<void()>& step);
    /// The next message, if the window shows and none is open.
    void ShowNextMessage();

private:
    QWidget* window_;
    QStringList pending_;                         ///< messages waiting for the one on screen, or for the window
    QPointer<QMessageBox> open_;
    QList<std::function<void()>> afterMessages_;  ///< questions asked once every message is read
};

}  // namespace sondalog
