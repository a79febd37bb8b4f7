#pragma once
// The run's figures above the graph: the reading count, the values of both quantities, the prefix
// multiples, the tracing time and the PC time, as processing writes them.

#include <QWidget>

class QLabel;

namespace sondalog {

class FiguresPanel : public QWidget {
    Q_OBJECT
public:
    explicit FiguresPanel(QWidget* parent);

    QLabel* Label_n = nullptr;
    QLabel* Label_nmax_nf = nullptr;  ///< the expected count while a logging file is decoded
    QLabel* Label_heure = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label_tracage = nullptr;
    QLabel* Label_grandeur1 = nullptr;
    QLabel* Label_val_grand1 = nullptr;
    QLabel* Label_multiple_initial = nullptr;
    QLabel* Label_multiple_courant = nullptr;
    QLabel* Label_grand2 = nullptr;
    QLabel* Label_val_grand2 = nullptr;
    QLabel* Label7 = nullptr;

    /// The previous run's figures leave the screen: nothing may pass for the new run's.
    void Clear();
};

}  // namespace sondalog
