#include "ui/main_window/question_panel.h"

#include "app/run_state.h"
#include "util/named.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace sondalog {

QuestionPanel::QuestionPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_question"));
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    Label_mess = Named(new QLabel(this), "Label_mess");
    QFont f = Label_mess->font();
    f.setPointSize(f.pointSize() + 3);
    Label_mess->setFont(f);
    SpeedButton_question = Named(new QToolButton(this), "SpeedButton_question");
    SpeedButton_annuler = Named(new QToolButton(this), "SpeedButton_annuler");
    SpeedButton_annuler->setText(tr("annuler"));
    SpeedButton_croix_close = Named(new QToolButton(this), "SpeedButton_croix_close");
    SpeedButton_croix_close->setText(QStringLiteral("X"));
    Button_go = Named(new QPushButton(QStringLiteral("00:00:00"), this), "Button_go");
    Button_go->setMinimumSize(220, 50);
    Button_go->setFont(f);
    Button_go->hide();
    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    head->addWidget(Label_mess, 1);
    head->addWidget(SpeedButton_croix_close, 0, Qt::AlignTop);
    layout->addLayout(head);
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(Button_go);
    actions->addWidget(SpeedButton_question);
    actions->addWidget(SpeedButton_annuler);
    actions->addStretch();
    layout->addLayout(actions);
    hide();
    SetColour(kQuestionColour);
    connect(SpeedButton_annuler, &QToolButton::clicked, this, &QuestionPanel::SpeedButton_annulerClick);
    connect(SpeedButton_croix_close, &QToolButton::clicked, this, &QuestionPanel::SpeedButton_croix_closeClick);
    connect(&mouseGuide_, &QTimer::timeout, this, [this] {
        if (guideStep_ >= guidePath_.size()) {
            mouseGuide_.stop();
            return;
        }
        QCursor::setPos(guidePath_[guideStep_++]);
    });
    mouseGuide_.setInterval(1);
}

void QuestionPanel::Ask(bool targetIsGo)
{
    // Tested on Button_go's own flag: the panel itself may still be hidden here.
    SpeedButton_annuler->setVisible(Button_go->isHidden());
    Fit();
    show();
    raise();
    QWidget* target = targetIsGo ? static_cast<QWidget*>(Button_go) : static_cast<QWidget*>(SpeedButton_question);
    GuideMouseTo(target->mapToGlobal(target->rect().center()));
}

void QuestionPanel::Fit()
{
    QWidget* area = parentWidget();
    const int width = std::min(FitQuestionPanelWidth(Label_mess->text()), std::max(area->width() - 20, 300));
    adjustSize();
    const int height = std::max(sizeHint().height(), 150);
    setGeometry((area->width() - width) / 2, 90, width, height);
}

void QuestionPanel::ShowReport()
{
    SpeedButton_question->hide();
    Button_go->hide();
    SpeedButton_annuler->hide();
    Fit();
    show();
    raise();
}

void QuestionPanel::GuideMouseTo(QPoint target)
{
    const int mode = mouseMode ? mouseMode() : 0;
    if (mode == 2) {
        QCursor::setPos(target);
    } else if (mode == 1) {
        guidePath_ = GuidePath(QCursor::pos(), target);
        guideStep_ = 0;
        mouseGuide_.start();
    }
}

void QuestionPanel::SetColour(const QColor& colour)
{
    colour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void QuestionPanel::Tint(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void QuestionPanel::ShowContrast(int mode, const QColor& schemeColour)
{
    Tint(mode == 0 ? colour_ : schemeColour);
}

void QuestionPanel::SpeedButton_annulerClick()
{
    hide();
    Label_mess->clear();
    Fit();
    SetColour(colour_);
}

void QuestionPanel::SpeedButton_croix_closeClick()
{
    hide();
    Label_mess->clear();
    Fit();
}

}  // namespace sondalog
