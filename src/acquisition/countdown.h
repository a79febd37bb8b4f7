#pragma once
// The caption of the t0 button: a countdown from 00:00:06 just after Start, then the t0 text.

#include <QDateTime>
#include <QString>

namespace sondalog {

/// The caption `Button_go` should show at `now`; equal to `current` when it need not change.
QString CountdownCaption(const QDateTime& now, const QDateTime& runStartTime, const QString& startInjectText,
                         const QString& current);

}  // namespace sondalog
