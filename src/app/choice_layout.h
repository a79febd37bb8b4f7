#pragma once
// The three-button choice dialog's geometry: wide enough for its message and captions, the
// buttons spread evenly along its bottom.

#include <QList>
#include <QString>
#include <QStringList>

namespace sondalog {

inline constexpr int kChoiceButtonWidths[] = {170, 210, 140};
inline const QString kChoiceCaption = QStringLiteral(" S o n d a L O G ");

/// The lines of a text that end with a line break (the last piece does not).
QStringList LinesEndingWithBreak(const QString& text);

struct ChoiceLayout {
    int clientWidth = 0;
    QList<int> lefts;  ///< one per button
};

/// `widestLines`: for the message and each caption, the pixel width of the widest of its lines
/// that end with a line break (0 when it has none).
ChoiceLayout LayoutChoiceButtons(int clientWidth, const QList<int>& widestLines, const QList<int>& buttonWidths);

}  // namespace sondalog
