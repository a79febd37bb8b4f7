#include "ui/widgets/hint_style.h"

#include <QApplication>

namespace sondalog {

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay) {
        return kHintDelayMs;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void InstallHintStyle()
{
    if (!qobject_cast<HintStyle*>(QApplication::style())) {
        QApplication::setStyle(new HintStyle);
    }
}

}  // namespace sondalog
