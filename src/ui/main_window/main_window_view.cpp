// The main window's axis and view controls: the six axis boxes, the list of proposed values, zoom,
// contrast, background colours and the layout at a given size. The rules are in plot/axis_controls.
#include "ui/main_window/main_window.h"
#include "processing/axis_scale.h"

#include "ui/widgets/line_edits.h"
#include "ui/widgets/text_colour.h"
#include "ui/parameters_window/parameters_window.h"
#include "plot/axis_controls.h"
#include "ui/widgets/graph_widget.h"
#include "util/named.h"
#include "util/text_utils.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QColorDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace sondalog {

namespace {
const QColor kCustomColours[] = {QColor(0xD0E8E8), QColor(0xD7FFD7), QColor(0xFF0000), QColor(0x00FF00), QColor(0x0000FF),
                                 QColor(0xE8D0E8), QColor(0xE8E8D0), QColor(0xFFD7D7), QColor(0xD7D7FF)};
}  // namespace

void MainWindow::BuildViewControls(QGridLayout* axes, int row)
{
    QWidget* central = centralWidget();
    Button_zoom = Named(new QPushButton(QStringLiteral("ZOOM"), central), "Button_zoom");
    Button_zoom->setToolTip(QStringLiteral("   ZOOM de x1  x2  x3      "));
    Button_contraste = Named(new QPushButton(QStringLiteral("CONTRASTE"), central), "Button_contraste");
    Button_contraste->setToolTip(QStringLiteral("bascule entre 3 modes d'affichage"));
    Label10 = Named(new QLabel(QStringLiteral("F4"), central), "Label10");
    Label12 = Named(new QLabel(QStringLiteral("F5"), central), "Label12");
    SpeedButton_annuler_couleur = Named(new QToolButton(central), "SpeedButton_annuler_couleur");
    SpeedButton_annuler_couleur->setText(QStringLiteral("annuler couleurs"));
    SpeedButton_annuler_couleur->setToolTip(
        QStringLiteral("au début, les couleurs de fonds peuvent être mofifiées par un double clik"));
    SpeedButton_annuler_couleur->hide();
    axes->addWidget(Button_zoom, row, 0);
    axes->addWidget(Label10, row++, 1);
    axes->addWidget(Button_contraste, row, 0);
    axes->addWidget(Label12, row++, 1);
    axes->addWidget(SpeedButton_annuler_couleur, row++, 0, 1, 2);
    axes->setRowStretch(row, 1);

    ListBox1 = Named(new QListWidget(central), "ListBox1");
    ListBox1->setToolTip(QStringLiteral("double clik pour  valider"));
    ListBox1->hide();

    for (QLineEdit* e : AxisBoxes()) {
        e->installEventFilter(this);
        connect(e, &QLineEdit::editingFinished, this, [this, e] { ApplyAxisEdit(e); });
    }
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &MainWindow::ListBox1DblClick);
    connect(Button_zoom, &QPushButton::clicked, this, &MainWindow::Button_zoomClick);
    connect(Button_contraste, &QPushButton::clicked, this, &MainWindow::Button_contrasteClick);
    connect(SpeedButton_annuler_couleur, &QToolButton::clicked, this, &MainWindow::SpeedButton_annuler_couleurClick);
    central->installEventFilter(this);  // FormDblClick
    ImageA->installEventFilter(this);   // ImageADblClick
    pickColour = [this](const QColor& initial) -> std::optional<QColor> {
        for (int i = 0; i < 9; ++i) {
            QColorDialog::setCustomColor(i, kCustomColours[i]);
        }
        const QColor c = QColorDialog::getColor(initial, this);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
}

QList<QLineEdit*> MainWindow::AxisBoxes() const
{
    return {Edit_max_y1, Edit_min_y1, Edit_y1_graduation, Edit_max_y2, Edit_min_y2, Edit_y2_graduation};
}

bool MainWindow::ViewEvent(QObject* watched, QEvent* e)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && AxisBoxes().contains(edit)) {
        if (FilterNumericKey(edit, e)) {
            return true;  // the French digit row gives digits, letters nothing
        }
        if (e->type() == QEvent::MouseButtonDblClick && edit != Edit_y1_graduation && edit != Edit_y2_graduation) {
            ToggleProposedList(edit);
            return true;
        }
        return false;
    }
    if (e->type() == QEvent::MouseButtonDblClick && watched == ImageA) {
        ImageADblClick();
        return true;
    }
    if (e->type() == QEvent::MouseButtonDblClick && watched == centralWidget()) {
        FormDblClick();
        return true;
    }
    return false;
}

void MainWindow::ApplyAxisEdit(QLineEdit* edit)
{
    const int index = static_cast<int>(AxisBoxes().indexOf(edit));
    if (index < 0) {
        return;
    }
    static const AxisField fields[] = {AxisField::Max, AxisField::Min, AxisField::Graduation};
    const AxisBox box{index < 3 ? 1 : 2, fields[index % 3]};
    AxisScale& y1 = Run().state.axisY1;
    AxisScale& y2 = Run().state.axisY2;
    if (const std::optional<QString> refusal = AxisBoxRefusal(edit->text(), box, y1, y2, regional_.decimalSign)) {
        // Refused in the box itself: red, the previous value back, the reason in its hint.
        QString previous = ShortestReal(AxisBoxValue(box, y1, y2));
        previous.replace(u'.', regional_.decimalSign);
        edit->setText(previous);
        edit->setToolTip(*refusal);
        SetTextColour(edit, Qt::red);
        return;
    }
    SetTextColour(edit, palette().color(QPalette::Text));
    const QString clean =
        ApplyAxisBox(edit->text(), box, y1, y2, params_->table, config_.active.activeRow, regional_.decimalSign);
    edit->setText(clean);
    // The configuration holds the same bounds: the next reading and the next Start see them.
    config_.q1.axisMax = y1.max;
    config_.q1.axisMin = y1.min;
    config_.q1.graduation = y1.graduation;
    config_.q2.axisMax = y2.max;
    config_.q2.axisMin = y2.min;
    config_.q2.graduation = y2.graduation;
    Run().config.q1.axisMax = y1.max;
    Run().config.q1.axisMin = y1.min;
    Run().config.q2.axisMax = y2.max;
    Run().config.q2.axisMin = y2.min;
    Run().config.q2.graduation = y2.graduation;
    params_->ShowTable();
    params_->table.modified = true;
    Redraw();
}

void MainWindow::ToggleProposedList(QLineEdit* edit)
{
    listBoxTarget_ = edit->objectName();
    if (ListBox1->isVisible()) {
        ListBox1->hide();
        return;
    }
    const AxisScale& axis = (edit == Edit_max_y1 || edit == Edit_min_y1) ? Run().state.axisY1 : Run().state.axisY2;
    const double value = (edit == Edit_max_y1 || edit == Edit_max_y2) ? axis.max : axis.min;
    ListBox1->clear();
    QStringList texts = propose_liste_val_grad(axis.graduation, value);
    for (QString& t : texts) {
        t.replace(u'.', regional_.decimalSign);
    }
    ListBox1->addItems(texts);
    const QPoint at = edit->mapTo(centralWidget(), QPoint(edit->width(), 0));
    ListBox1->setGeometry(at.x(), at.y(), 120, 450);
    ListBox1->show();
    ListBox1->raise();
}

void MainWindow::ListBox1DblClick()
{
    QListWidgetItem* item = ListBox1->currentItem();
    ListBox1->hide();
    auto* edit = findChild<QLineEdit*>(listBoxTarget_);
    if (!item || !edit) {
        return;
    }
    edit->setText(item->text());
    ApplyAxisEdit(edit);
}

void MainWindow::Button_zoomClick()
{
    // Zoom frames what was read: the extremes of the readings themselves (a file opened has no "lu" captions
    // of its own, only placeholders).
    AxisScale read = Run().state.axisY1;
    QString maxCaption = Label_y1_max_lu->text();
    QString minCaption = Label_y1_min_lu->text();
    const SampleSeries& series = Run().state.series;
    if (series.sampleCount > 0) {
        double hi = series.At(1).value1;
        double lo = hi;
        for (int n = 2; n <= series.sampleCount; ++n) {
            hi = std::max(hi, series.At(n).value1);
            lo = std::min(lo, series.At(n).value1);
        }
        read.maxRead = hi;
        read.minRead = lo;
        maxCaption = ShortestReal(hi);
        minCaption = ShortestReal(lo);
    }
    const ZoomStep step = NextZoom(zoomState_, maxCaption, minCaption, read, CollectSettings().Edit_nb_decimale_1,
                                   Run().state.initialPrefix, regional_.decimalSign);
    zoomState_ = step.state;
    if (!step.maxText || !step.minText) {
        return;
    }
    // The bounds in the order that keeps max above min at every step, then a graduation that suits the range (one
    // kept from a wide range would put thousands of lines on a narrow one, and the graph would draw nothing).
    const double newMin = ParseReal(*step.minText, regional_.decimalSign).value;
    const bool minFirst = newMin < Run().state.axisY1.max;
    for (QLineEdit* box : minFirst ? QList<QLineEdit*>{Edit_min_y1, Edit_max_y1} : QList<QLineEdit*>{Edit_max_y1, Edit_min_y1}) {
        box->setText(box == Edit_max_y1 ? *step.maxText : *step.minText);
        ApplyAxisEdit(box);
    }
    QString graduation = ShortestReal(NiceStep(Run().state.axisY1.min, Run().state.axisY1.max));
    graduation.replace(u'.', regional_.decimalSign);
    Edit_y1_graduation->setText(graduation);
    ApplyAxisEdit(Edit_y1_graduation);
}

void MainWindow::Button_contrasteClick()
{
    contrastMode_ = (contrastMode_ + 1) % 3;
    ApplyContrast();
}

void MainWindow::ApplyContrast()
{
    const ContrastScheme s =
        ContrastFor(contrastMode_, savedBackground_, ToQColor(config_.q1.colour), ToQColor(config_.q2.colour));
    graphColour_ = s.background;
    shownColour1_ = s.colour1;
    shownColour2_ = s.colour2;
    for (const QString& name : s.otherLabels) {
        if (auto* w = findChild<QWidget*>(name)) {
            SetTextColour(w, s.otherColour);
        }
    }
    SetTextColour(CheckBox_y2, s.checkBoxY2Colour);
    SetTextColour(Label_multimetre, s.multimetreColour);
    for (const QString& name : s.quantity1Labels) {
        if (auto* w = findChild<QWidget*>(name)) {
            SetTextColour(w, s.colour1);
        }
    }
    for (const QString& name : s.quantity2Labels) {
        if (auto* w = findChild<QWidget*>(name)) {
            SetTextColour(w, s.colour2);
        }
    }
    QPalette panel = Panel_question->palette();
    panel.setColor(QPalette::Window, contrastMode_ == 0 ? questionColour_ : s.questionPanel);
    Panel_question->setPalette(panel);
    QPalette window = palette();
    window.setColor(QPalette::Window, s.background);
    setPalette(window);
    KeepTextReadable();
    Redraw();
}

void MainWindow::KeepTextReadable()
{
    // Whatever the mode, no caption may vanish into its background: one that reads too faintly on what is behind
    // it takes black or white.
    for (QWidget* w : centralWidget()->findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(w) && !qobject_cast<QCheckBox*>(w) && !qobject_cast<QRadioButton*>(w)) {
            continue;
        }
        const QWidget* behind = w->parentWidget();
        while (behind && !behind->autoFillBackground() && behind != this) {
            behind = behind->parentWidget();
        }
        const QColor background = (behind ? behind : this)->palette().color(QPalette::Window);
        if (ContrastRatio(w->palette().color(QPalette::WindowText), background) < kLeastContrast) {
            SetTextColour(w, ReadableOn(background));
        }
    }
}

void MainWindow::FormDblClick()
{
    if (Run().state.series.sampleCount != 0 || !pickColour) {
        return;
    }
    if (const std::optional<QColor> c = pickColour(palette().color(QPalette::Window))) {
        QPalette p = palette();
        p.setColor(QPalette::Window, *c);
        setPalette(p);
        windowColour_ = *c;
        SpeedButton_annuler_couleur->show();
    }
}

void MainWindow::ImageADblClick()
{
    if (!pickColour) {
        return;
    }
    // Before the first reading the dialog starts on the current background; after, on its own.
    const QColor initial = Run().state.series.sampleCount == 0 ? graphColour_ : QColor(Qt::white);
    if (const std::optional<QColor> c = pickColour(initial)) {
        graphColour_ = *c;
        if (contrastMode_ == 0) {
            savedBackground_ = *c;
        }
        SpeedButton_annuler_couleur->show();
        Redraw();
    }
}

void MainWindow::SpeedButton_annuler_couleurClick()
{
    if (!confirm(QStringLiteral("annuler les couleurs ?"))) {
        return;
    }
    RestoreStoredColours();
}

void MainWindow::RestoreStoredColours()
{
    const Settings stored = LoadSettings(paths_.SettingsFile(), settings_, regional_.decimalSign);
    windowColour_ = ToQColor(stored.windowColour);
    graphColour_ = ToQColor(stored.graphColour);
    savedBackground_ = graphColour_;
    QPalette p = palette();
    p.setColor(QPalette::Window, windowColour_);
    setPalette(p);
    Redraw();
}

void MainWindow::FormResize()
{
    const QRect panel(Panel1->mapTo(this, QPoint(0, 0)), Panel1->size());
    const int prefixRight = Edit_Prefixe->mapTo(this, QPoint(Edit_Prefixe->width(), 0)).x();
    // The share the record list gets of the bottom row, not its width now: once hidden it has none, and would stay
    // hidden for good.
    const MainLayout l = FormResizeLayout(size(), panel.top(), centralWidget()->width() * 3 / 5, prefixRight);
    Memo2->setVisible(l.memo2Visible);
    for (QWidget* w : std::initializer_list<QWidget*>{Label_config, CheckBox_date_heure, CheckBox_y2, Label11}) {
        w->setVisible(l.wideControlsVisible);
    }
    Edit_Prefixe->setVisible(l.prefixVisible);
    if (auto* label16 = findChild<QLabel*>(QStringLiteral("Label16"))) {
        label16->setVisible(l.prefixVisible);
    }
}

}  // namespace sondalog
