#include "ui/parameters_window/choice_panel.h"

#include "util/named.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace sondalog {

ChoicePanel::ChoicePanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_choix"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(251, 224, 206));
    setPalette(p);

    Label_choix = Named(new QLabel(tr("Choix"), this), "Label_choix");
    ComboBox1 = Named(new QComboBox(this), "ComboBox1");
    ComboBox1->setEditable(true);  // a port the system does not list can be typed
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMinimumWidth(160);
    ComboBox1->addItem(QString());
    Button_valider = Named(new QPushButton(tr("Valider"), this), "Button_valider");
    Button_annuler = Named(new QPushButton(tr("annuler"), this), "Button_annuler");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label_choix);
    layout->addWidget(ComboBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button_valider);
    buttons->addWidget(Button_annuler);
    layout->addLayout(buttons);
    hide();
}

void ChoicePanel::ShowNear(const QPoint& anchor)
{
    adjustSize();
    const QWidget* area = parentWidget();
    QPoint at = anchor;
    if (area) {
        at.setX(std::clamp(at.x(), 0, std::max(0, area->width() - width())));
        at.setY(std::clamp(at.y(), 0, std::max(0, area->height() - height())));
    }
    move(at);
    show();
    raise();
    ComboBox1->setFocus();
}

void ChoicePanel::mousePressEvent(QMouseEvent* event)
{
    dragOffset_ = event->position().toPoint();
    event->accept();
}

void ChoicePanel::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        move(mapToParent(event->position().toPoint()) - dragOffset_);
    }
    event->accept();
}

}  // namespace sondalog
