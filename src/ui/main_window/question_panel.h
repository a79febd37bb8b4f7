#pragma once
// The question panel that floats over the main window: the baseline message with its t0 button, the
// Stop + save and exit questions, the report of a save; and the mouse guided to what it asks for.

#include <QColor>
#include <QFrame>
#include <QPoint>
#include <QTimer>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

namespace sondalog {

inline const QColor kQuestionColour = QColor(85, 240, 182);

class QuestionPanel : public QFrame {
    Q_OBJECT
public:
    explicit QuestionPanel(QWidget* parent);

    QLabel* Label_mess = nullptr;
    QToolButton* SpeedButton_question = nullptr;
    QToolButton* SpeedButton_annuler = nullptr;
    QToolButton* SpeedButton_croix_close = nullptr;
    QPushButton* Button_go = nullptr;

    /// 0 free, 1 guided, 2 placed (the parameters window's mouse mode).
    std::function<int()> mouseMode;

    /// Shown over the window, the pointer guided to Go or to the question's button.
    void Ask(bool targetIsGo);
    /// Sized to its message and centred at the top of the window.
    void Fit();
    /// Shown as it stands: a report stays up until the user closes it.
    void ShowReport();
    void GuideMouseTo(QPoint target);
    /// Its own colour back (a new run), or grey (the exit question).
    void SetColour(const QColor& colour);
    QColor colour() const { return colour_; }
    /// Another colour for one question (grey for the exit), its own kept for the next.
    void Tint(const QColor& colour);
    /// The colour the contrast mode gives it, its own in mode 0.
    void ShowContrast(int mode, const QColor& schemeColour);

    void SpeedButton_annulerClick();
    void SpeedButton_croix_closeClick();

private:
    QColor colour_ = kQuestionColour;
    QTimer mouseGuide_;
    std::vector<QPoint> guidePath_;
    std::size_t guideStep_ = 0;
};

}  // namespace sondalog
