// The parameters window's grid: what a double-click chooses, the keys each column takes, applying
// the table when the grid is left, and the explanation strip that follows the mouse.
#include "ui/parameters_window/parameters_window.h"

#include "ui/widgets/line_edits.h"
#include "ui/parameters_window/choice_panel.h"
#include "ui/parameters_window/table_delegate.h"
#include "instrument/table_editing.h"
#include "plot/colour.h"
#include "util/text_utils.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>

namespace sondalog {

namespace {
bool IsEnterKey(QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool Inside(const QWidget* w, const QWidget* area)
{
    return w && (w == area || area->isAncestorOf(w));
}
}  // namespace

void ParametersWindow::WireGrid()
{
    delegate_ = new TableCellDelegate(table, stringgrid1);
    delegate_->onEditorCreated = [this](QWidget* editor, int column) { OnEditorCreated(editor, column); };
    stringgrid1->setItemDelegate(delegate_);
    // The cell under the cursor is always open for typing; a double-click chooses.
    stringgrid1->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    stringgrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    stringgrid1->installEventFilter(this);
    stringgrid1->viewport()->installEventFilter(this);
    stringgrid1->viewport()->setMouseTracking(true);
    connect(tableModel, &InstrumentTableModel::cellEdited, this, &ParametersWindow::OnCellChanged);
    connect(stringgrid1, &QTableView::doubleClicked, this, [this] { stringgrid1DblClick(); });
    connect(qApp, &QApplication::focusChanged, this, &ParametersWindow::OnFocusChanged);
    connect(Panel_choix->Button_valider, &QPushButton::clicked, this, &ParametersWindow::Button_validerClick);
    connect(Panel_choix->Button_annuler, &QPushButton::clicked, this, &ParametersWindow::Button_annulerClick);
    Edit_timeouts->installEventFilter(this);
}

ParametersWindow::~ParametersWindow()
{
    // Closing the window moves the focus; the main window behind the callbacks may be going too.
    disconnect(qApp, nullptr, this, nullptr);
}

void ParametersWindow::OnEditorCreated(QWidget* editor, int column)
{
    editor->setProperty("sondalogColumn", column);
    editor->installEventFilter(this);
    editor_ = editor;
}

bool ParametersWindow::CloseCellEditor(bool keepText)
{
    // What is being typed in the cell counts before a choice replaces it (keepText), and an editor
    // left open would later write its old text over the choice or over a table just loaded.
    QWidget* editor = editor_;
    editor_ = nullptr;
    if (!editor || editor->isHidden()) {
        return false;  // already closed by the grid
    }
    if (keepText) {
        emit delegate_->commitData(editor);
    }
    emit delegate_->closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void ParametersWindow::ShowTable()
{
    const bool editing = CloseCellEditor(false);
    tableModel->Reload();
    for (int c = 0; c < table.ColumnCount(); ++c) {
        stringgrid1->setColumnWidth(c, table.ColumnWidth(c));
    }
    for (int r = 0; r < table.RowCount(); ++r) {
        stringgrid1->setRowHeight(r, 22);
    }
    // Every row in view: the table is what this window is for; the memos take what is left.
    stringgrid1->setMinimumHeight(table.RowCount() * 22 + stringgrid1->horizontalScrollBar()->sizeHint().height() +
                                  2 * stringgrid1->frameWidth());
    stringgrid1->viewport()->update();
    if (editing) {
        stringgrid1->edit(stringgrid1->currentIndex());  // the current cell stays open for typing
    }
}

void ParametersWindow::OnCellChanged()
{
    stringgrid1->viewport()->update();  // "x" in "actif" or a colour repaints the row
}

void ParametersWindow::SetCurrentCell(int row, int column)
{
    stringgrid1->setCurrentIndex(tableModel->index(row, column));
}

void ParametersWindow::OnFocusChanged(QWidget* old, QWidget* now)
{
    const bool wasIn = Inside(old, stringgrid1);
    const bool isIn = Inside(now, stringgrid1);
    if (!wasIn && isIn) {
        table.modified = true;  // stringgrid1Enter
    } else if (wasIn && !isIn) {
        ApplyTable();  // stringgrid1Exit
    }
}

void ParametersWindow::ApplyTable()
{
    if (onTableApplied) {
        onTableApplied();
    }
}

void ParametersWindow::DescriptionChanged()
{
    if (onDescriptionChanged) {
        onDescriptionChanged();
    }
}

void ParametersWindow::stringgrid1DblClick()
{
    const int column = stringgrid1->currentIndex().column();
    const int row = stringgrid1->currentIndex().row();
    CloseCellEditor(true);
    const DoubleClickPlan plan = PlanDoubleClick(table, column, row);
    Label_choix->setText(plan.title);
    const QPoint anchor = stringgrid1->viewport()->mapTo(this, stringgrid1->visualRect(stringgrid1->currentIndex()).bottomLeft());
    switch (plan.choice) {
    case CellChoice::None:
        break;
    case CellChoice::MarkActive:
        MarkActiveRow(table, row);
        activeRow = row;
        ShowTable();
        DescriptionChanged();
        if (onActiveRowChanged) {
            onActiveRowChanged(row);
        }
        break;
    case CellChoice::KeptList:
        Panel_choix->ShowNear(anchor);
        DescriptionChanged();
        break;
    case CellChoice::NewList:
        ComboBox1->clear();
        ComboBox1->addItems(plan.list);
        ComboBox1->setCurrentIndex(0);
        Panel_choix->ShowNear(anchor);
        DescriptionChanged();
        break;
    case CellChoice::Colour: {
        const QColor preset = ToQColor(ColourFromCell(table.Cell(column, row)));
        std::optional<QColor> chosen;
        if (pickColour) {
            chosen = pickColour(preset);
        } else {
            const QColor c = QColorDialog::getColor(preset, this);
            if (c.isValid()) {
                chosen = c;
            }
        }
        // Cancelling still writes the colour the dialog showed, in its decimal form.
        table.SetCell(column, row, ColourCellText(ToRgb(chosen.value_or(preset))));
        ShowTable();
        break;
    }
    }
    stringgrid1->viewport()->update();
}

void ParametersWindow::Button_validerClick()
{
    CloseCellEditor(true);
    const QString chosen = ComboBox1->currentText();
    const int column = stringgrid1->currentIndex().column();
    const int row = stringgrid1->currentIndex().row();
    if (!chosen.isEmpty() && row >= 1 && column >= 0) {
        table.SetCell(column, row, SingleLine(chosen));
        ShowTable();
    }
    const QString header = column >= 0 ? table.Header(column).trimmed() : QString();
    if (header == col::comx || header == col::vitesse) {
        DescriptionChanged();
    }
    Panel_choix->hide();
}

void ParametersWindow::Button_annulerClick()
{
    Panel_choix->hide();
}

void ParametersWindow::WireHints()
{
    setMouseTracking(true);  // the window's background empties the strip
    auto own = [](QWidget* w) { return [w] { return w->toolTip(); }; };
    auto backup = [this]() -> QString {
        const QString dir = workingDir ? workingDir() : QString();
        return CheckBox_sauve_auto->toolTip() + u' ' + dir + QStringLiteral("sauvegarde_auto\\");
    };
    hints_ = {
        {CheckBox_RTS, [this] { return tr("nécessaire pour les anciens 340i"); }},
        {RadioButton_car_par_car,
         [this] {
             return tr("pour lecture car/car, la COLONNE [occurence] est inutilisée, mais [rep hms] oui! "
                       "(WTW340i DTR RTS)");
         }},
        {RadioButton_par_chaine_CSV,
         [this] { return tr("pour lecture par chaines complètes, COLONNES [occurence] et  [rep hms] nécessaires"); }},
        {GroupBox_lectureRS232,
         [this] { return tr("si pb COM, ne pas hésiter à finalement rebooter l'ordinateur!"); }},
        {Button5, own(Button5)},
        {CheckBox_ph_ox_3sondes, own(CheckBox_ph_ox_3sondes)},
        {Edit_start_inject, own(Edit_start_inject)},
        {CheckBox_lecture_sans_traitement, own(CheckBox_lecture_sans_traitement)},
        {Button1, own(Button1)},
        {Edit_nom_blocnote, own(Edit_nom_blocnote)},
        {Edit_pH, own(Edit_pH)},
        {Edit_ox, own(Edit_ox)},
        {Label10, own(Label10)},
        {Edit_nb_decimale_1, own(Label10)},
        {CheckBox_sauve_auto, backup},
        {Edit_sos_mn, backup},
    };
    for (auto it = hints_.cbegin(); it != hints_.cend(); ++it) {
        auto* w = static_cast<QWidget*>(it.key());
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

QString ParametersWindow::HintOf(QObject* control) const
{
    const auto it = hints_.constFind(control);
    return it == hints_.cend() ? QString() : it.value()();
}

void ParametersWindow::ShowHint(const QString& text)
{
    if (Panel_aide->text() != text) {
        Panel_aide->setText(text);
    }
}

void ParametersWindow::mouseMoveEvent(QMouseEvent* event)
{
    ShowHint(QString());
    QWidget::mouseMoveEvent(event);
}

bool ParametersWindow::eventFilter(QObject* watched, QEvent* event)
{
    const int column = watched->property("sondalogColumn").isValid() ? watched->property("sondalogColumn").toInt() : -1;
    if (column >= 0) {  // a cell editor
        if (event->type() == QEvent::MouseButtonDblClick) {
            stringgrid1DblClick();
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            ShowHint(ColumnHint(table.Header(column)));
        }
        if (IsEnterKey(event)) {
            emit delegate_->commitData(static_cast<QWidget*>(watched));  // the typed text first
            ApplyTable();
            return false;  // the grid closes the editor as usual
        }
        return IsNumericColumn(column) && FilterNumericKey(watched, event);
    }
    if (watched == stringgrid1) {
        if (IsEnterKey(event)) {
            ApplyTable();
            return false;
        }
        return IsNumericColumn(stringgrid1->currentIndex().column()) && FilterNumericKey(watched, event);
    }
    if (watched == stringgrid1->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const int c = stringgrid1->columnAt(static_cast<QMouseEvent*>(event)->position().toPoint().x());
            ShowHint(ColumnHint(c >= 0 ? table.Header(c) : QString()));
        }
        return false;
    }
    if (watched == Edit_timeouts) {
        return FilterNumericKey(watched, event);
    }
    if (event->type() == QEvent::MouseMove && hints_.contains(watched)) {
        ShowHint(HintOf(watched));
        return true;  // not handed on to the background, which would empty the strip
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace sondalog
