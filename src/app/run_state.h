#pragma once
// The state of a run as the buttons show it, and the small rules of the question panel and
// the mouse guidance that the main window follows.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

namespace sondalog {

enum class RunState { Idle, LinkTest, Baseline, Tracing, Exiting };

inline const QString kProgramVersion = QStringLiteral("4.13");
inline const char* const kBaselineMessagePrefix = QT_TRANSLATE_NOOP("sondalog::Messages", "acquisition de la ligne de base\nattendre environ une minute ou n ~ 60\npuis [");

/// The baseline message shown at Start, naming the t0 button's text.
QString BaselineMessage(const QString& startInjectText);
/// 13 pixels per character of the longest line, never below 641.
int FitQuestionPanelWidth(const QString& text);
/// The pointer's path for the "guidée" mouse mode: one pixel per step along the longer axis
/// (the vertical one when both are equal), the other coordinate rounded from the line.
std::vector<QPoint> GuidePath(QPoint from, QPoint to);
/// The question asked at the first activation when the recording's decimal sign is not the PC's;
/// empty when they agree. `choice` is 0 "virgule", 1 "point".
QString DecimalSignQuestion(int choice, QChar pcSign);

/// The parameters window's "signe décimal du PC : point" (or "virgule").
QString DecimalSignCaption(QChar pcSign);

/// Where an activation puts the main window: at least the screen width minus 300 wide, centred,
/// but never larger than the available area and with its title bar on screen. `size` is the
/// client size, `frame` the window manager's decoration; the result is the client geometry.
QRect PlaceMainWindow(QSize size, const QRect& available, const QMargins& frame);

}  // namespace sondalog
