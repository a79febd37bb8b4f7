#pragma once
// Edit boxes hold one line: a pasted line break becomes a blank as soon as it is entered.
// Numeric boxes take the French keyboard's digit row as digits and drop letters.

class QEvent;
class QObject;
class QWidget;

namespace sondalog {

/// Every QLineEdit under `root` replaces line breaks by blanks as they are entered.
void KeepEditsSingleLine(QWidget* root);

/// NumericKeyFilter on a key typed into `target`: true when the key was dropped, or replaced by
/// its digit (sent again to `target`); false when it passes as it is. For event filters.
bool FilterNumericKey(QObject* target, QEvent* event);

}  // namespace sondalog
