#pragma once
// Edit boxes hold one line: a pasted line break becomes a blank as soon as it is entered.

class QWidget;

namespace sondalog {

/// Every QLineEdit under `root` replaces line breaks by blanks as they are entered.
void KeepEditsSingleLine(QWidget* root);

}  // namespace sondalog
