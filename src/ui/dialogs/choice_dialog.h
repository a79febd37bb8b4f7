#pragma once
// ChoiceDialog: a message with up to three buttons of its own, as the open dialogue asks
// "own recording, instrument's file, or cancel".

#include <QMessageBox>

namespace sondalog {

/// Shows the dialog modally; returns 1, 2 or 3 for the button pressed, 0 for the close box.
int ChoiceDialog(QWidget* parent, const QString& message, QMessageBox::Icon kind, const QString& caption1,
                 const QString& caption2 = {}, const QString& caption3 = {});

}  // namespace sondalog
