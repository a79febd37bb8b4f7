#pragma once
// Panel_choix: the small panel a double-click in the grid opens, with the list to choose from.
// It floats over the parameters window and can be dragged by its background.

#include <QFrame>

class QComboBox;
class QLabel;
class QPushButton;

namespace sondalog {

class ChoicePanel : public QFrame {
    Q_OBJECT
public:
    explicit ChoicePanel(QWidget* parent);

    QLabel* Label_choix = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button_valider = nullptr;
    QPushButton* Button_annuler = nullptr;

    /// Shows the panel beside `anchor` (a point of the parent), kept inside the parent.
    void ShowNear(const QPoint& anchor);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint dragOffset_;
};

}  // namespace sondalog
