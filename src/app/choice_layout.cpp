#include "app/choice_layout.h"

#include <algorithm>
#include <numeric>

namespace sondalog {

QStringList LinesEndingWithBreak(const QString& text)
{
    QStringList lines = text.split(u'\n');
    lines.removeLast();  // the piece after the last line break (or the whole text without one)
    return lines;
}

ChoiceLayout LayoutChoiceButtons(int clientWidth, const QList<int>& widestLines, const QList<int>& buttonWidths)
{
    ChoiceLayout layout;
    const int sum = std::accumulate(buttonWidths.begin(), buttonWidths.end(), 0);
    int width = clientWidth;
    for (int w : widestLines) {
        width = std::max(width, 100 + w);
    }
    width = std::max(width, sum + 30);
    layout.clientWidth = width;
    const int count = static_cast<int>(buttonWidths.size());
    if (count == 1) {
        layout.lefts << (width - sum) / 2;
        return layout;
    }
    const int gap = count == 3 ? (width - sum) / 4 : (width - sum) / 3;
    int left = gap;
    for (int w : buttonWidths) {
        layout.lefts << left;
        left += w + gap;
    }
    return layout;
}

}  // namespace sondalog
