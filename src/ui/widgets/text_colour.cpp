#include "ui/widgets/text_colour.h"

#include <QWidget>

namespace sondalog {

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

}  // namespace sondalog
