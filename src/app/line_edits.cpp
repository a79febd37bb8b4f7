#include "app/line_edits.h"

#include "util/text_utils.h"

#include <QLineEdit>

namespace sondalog {

void KeepEditsSingleLine(QWidget* root)
{
    for (QLineEdit* edit : root->findChildren<QLineEdit*>()) {
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
            if (HasLineBreak(text)) {
                const int cursor = edit->cursorPosition();
                edit->setText(SingleLine(text));
                edit->setCursorPosition(cursor);
            }
        });
    }
}

}  // namespace sondalog
