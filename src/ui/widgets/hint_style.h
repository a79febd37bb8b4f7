#pragma once
// Hints appear quickly, as the operator expects on a field laptop: 100 ms over a control.

#include <QProxyStyle>

namespace sondalog {

inline constexpr int kHintDelayMs = 100;

class HintStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

/// Puts HintStyle over the application's style once.
void InstallHintStyle();

}  // namespace sondalog
