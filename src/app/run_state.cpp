#include "app/run_state.h"

#include "util/translate.h"

#include <QCoreApplication>

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sondalog {

QString BaselineMessage(const QString& startInjectText)
{
    return Message(kBaselineMessagePrefix) + startInjectText +
           Message(QT_TRANSLATE_NOOP("sondalog::Messages", "]  pour marquer le début du traçage"));
}

int FitQuestionPanelWidth(const QString& text)
{
    qsizetype longest = 0;
    for (const QString& line : QString(text + u'\n').split(u'\n')) {
        longest = std::max(longest, line.size());
    }
    return std::max(static_cast<int>(13 * longest), 641);
}

std::vector<QPoint> GuidePath(QPoint from, QPoint to)
{
    std::vector<QPoint> path;
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (std::abs(dx) > std::abs(dy)) {
        const int step = dx > 0 ? 1 : -1;
        for (int x = from.x() + step; x != to.x() + step; x += step) {
            const double t = static_cast<double>(x - from.x()) / dx;
            path.emplace_back(x, static_cast<int>(std::lround(from.y() + t * dy)));
        }
    } else if (dy != 0) {
        const int step = dy > 0 ? 1 : -1;
        for (int y = from.y() + step; y != to.y() + step; y += step) {
            const double t = static_cast<double>(y - from.y()) / dy;
            path.emplace_back(static_cast<int>(std::lround(from.x() + t * dx)), y);
        }
    }
    return path;
}

QString DecimalSignQuestion(int choice, QChar pcSign)
{
    const bool mismatch = (choice == 0 && pcSign == u'.') || (choice == 1 && pcSign == u',');
    if (!mismatch) {
        return {};
    }
    const QString comma = QCoreApplication::translate("sondalog::RunState", "virgule");
    const QString point = QCoreApplication::translate("sondalog::RunState", "point");
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", " Le signe décimal du fichier de sortie (%1)\n\n n'est pas en phase "
                                                           "avec celui de l'ordinateur (%2)\n\n mettre le fichier en phase "
                                                           "avec l'ordinateur (%3)    ?"))
        .arg(choice == 0 ? comma : point, choice == 0 ? point : comma, QString(pcSign));
}

QString DecimalSignCaption(QChar pcSign)
{
    return QCoreApplication::translate("sondalog::RunState", "signe décimal du PC : ") +
           (pcSign == u',' ? QCoreApplication::translate("sondalog::RunState", "virgule")
                           : QCoreApplication::translate("sondalog::RunState", "point"));
}

QRect PlaceMainWindow(QSize size, const QRect& available, const QMargins& frame)
{
    const int maxWidth = std::max(1, available.width() - frame.left() - frame.right());
    const int maxHeight = std::max(1, available.height() - frame.top() - frame.bottom());
    int width = size.width();
    if (width < available.width() - 300) {
        width = available.width() - 300;
    }
    width = std::min(width, maxWidth);
    const int height = std::min(size.height(), maxHeight);
    const int outerWidth = width + frame.left() + frame.right();
    const int outerHeight = height + frame.top() + frame.bottom();
    const int left = available.x() + std::max(0, (available.width() - outerWidth) / 2);
    const int top = available.y() + std::max(0, (available.height() - outerHeight) / 2);
    return QRect(left + frame.left(), top + frame.top(), width, height);
}

}  // namespace sondalog
