#pragma once
// Edit boxes hold one line: a pasted line break becomes a blank as soon as it is entered.
// Numeric boxes take the French keyboard's digit row as digits and drop letters.

class QEvent;
class QObject;
class QWidget;

namespace sondalog {

/// The longest text an edit box takes (a path fits).
inline constexpr int kLineEditMaxChars = 1024;
/// The longest name of a measuring point: it goes into every file name.
inline constexpr int kPrefixMaxChars = 80;

/// Every QLineEdit under `root` replaces line breaks by blanks as they are entered and takes at most
/// kLineEditMaxChars characters.
void KeepEditsSingleLine(QWidget* root);

/// NumericKeyFilter on a key typed into `target`: true when the key was dropped, or replaced by
/// its digit (sent again to `target`); false when it passes as it is. For event filters.
bool FilterNumericKey(QObject* target, QEvent* event);

}  // namespace sondalog
