#include "ui/widgets/line_edits.h"

#include "util/text_utils.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace sondalog {

void KeepEditsSingleLine(QWidget* root)
{
    for (QLineEdit* edit : root->findChildren<QLineEdit*>()) {
        // A page pasted by mistake never becomes a caption tens of thousands of pixels wide, nor a file name.
        if (edit->maxLength() > kLineEditMaxChars) {
            edit->setMaxLength(kLineEditMaxChars);
        }
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
            if (HasLineBreak(text)) {
                const int cursor = edit->cursorPosition();
                edit->setText(SingleLine(text));
                edit->setCursorPosition(cursor);
            }
        });
    }
}

bool FilterNumericKey(QObject* target, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint()) {
        return false;  // Enter, arrows, Backspace and the like keep their meaning
    }
    const QChar mapped = NumericKeyFilter(text.at(0));
    if (mapped.isNull()) {
        return true;
    }
    if (mapped == text.at(0)) {
        return false;
    }
    const int code = mapped.isDigit() ? Qt::Key_0 + mapped.digitValue() : Qt::Key_unknown;
    QKeyEvent digit(QEvent::KeyPress, code, Qt::NoModifier, QString(mapped));
    QCoreApplication::sendEvent(target, &digit);
    return true;
}

}  // namespace sondalog
