#include "ui/main_window/view_panel.h"

#include "plot/axis_controls.h"
#include "plot/colour.h"
#include "plot/graph_painter.h"
#include "processing/axis_scale.h"
#include "ui/main_window/analysis_panel.h"
#include "ui/main_window/question_panel.h"
#include "ui/main_window/run_panel.h"
#include "ui/parameters_window/parameters_window.h"
#include "ui/widgets/graph_widget.h"
#include "ui/widgets/line_edits.h"
#include "ui/widgets/text_colour.h"
#include "util/named.h"
#include "util/text_utils.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace sondalog {

namespace {
const QColor kCustomColours[] = {QColor(0xD0E8E8), QColor(0xD7FFD7), QColor(0xFF0000), QColor(0x00FF00), QColor(0x0000FF),
                                 QColor(0xE8D0E8), QColor(0xE8E8D0), QColor(0xFFD7D7), QColor(0xD7D7FF)};
const char* const kProposedHint = QT_TRANSLATE_NOOP("sondalog::ViewPanel", "double clik = liste de choix");
const char* const kRawCaption = QT_TRANSLATE_NOOP("sondalog::ViewPanel", "traceur brut");
const char* const kRawHint = QT_TRANSLATE_NOOP("sondalog::ViewPanel", "  la bande du bas montre le traceur avant les corrections, à la même échelle ");
}  // namespace

ViewPanel::ViewPanel(MainContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context), windowColour_(ToQColor(kButtonFace))
{
    setObjectName(QStringLiteral("ViewPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* middle = new QHBoxLayout;
    middle->addLayout(BuildAxes());
    Panel1 = Named(new QFrame(this), "Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* graphLayout = new QVBoxLayout(Panel1);
    graphLayout->setContentsMargins(0, 0, 0, 0);
    ImageA = Named(new GraphWidget(Panel1), "ImageA");
    ImageA->onResized = [this] { Redraw(); };
    graphLayout->addWidget(ImageA);
    middle->addWidget(Panel1, 1);
    column->addLayout(middle, 1);

    Label_zero = Named(new QLabel(this), "Label_zero");
    Label_hauteur = Named(new QLabel(this), "Label_hauteur");
    Label_hauteur->hide();
    auto* base = new QHBoxLayout;
    base->addWidget(Label_zero);
    base->addSpacing(20);
    base->addWidget(Label_hauteur);
    base->addStretch();
    column->addLayout(base);

    connect(CheckBox_y2, &QCheckBox::toggled, this, [this](bool on) {
        for (QWidget* w : std::initializer_list<QWidget*>{Edit_max_y2, Edit_min_y2, Edit_y2_graduation, Label_grandeur2,
                                                         Label_y2_max_lu, Label_y2_min_lu}) {
            w->setVisible(on);
        }
        Redraw();
    });
    connect(CheckBox_brut, &QCheckBox::toggled, this, [this] { Redraw(); });
    connect(CheckBox_af_integrale, &QCheckBox::toggled, this, [this](bool on) {
        Label_hauteur->setVisible(on);
        Redraw();
    });
    pickColour = [this](const QColor& initial) -> std::optional<QColor> {
        for (int i = 0; i < 9; ++i) {
            QColorDialog::setCustomColor(i, kCustomColours[i]);
        }
        const QColor c = QColorDialog::getColor(initial, this);
        return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
    };
}

QGridLayout* ViewPanel::BuildAxes()
{
    auto* axes = new QGridLayout;
    auto edit = [this](const char* name, const QString& text) { return Named(new QLineEdit(text, this), name); };
    auto label = [this](const char* name, const QString& text) { return Named(new QLabel(text, this), name); };
    Edit_max_y1 = edit("Edit_max_y1", QStringLiteral("1000"));
    Edit_min_y1 = edit("Edit_min_y1", QStringLiteral("400"));
    Edit_y1_graduation = edit("Edit_y1_graduation", QStringLiteral("200"));
    Edit_max_y2 = edit("Edit_max_y2", QString());
    Edit_min_y2 = edit("Edit_min_y2", QString());
    Edit_y2_graduation = edit("Edit_y2_graduation", QString());
    for (QLineEdit* e : AxisBoxes()) {
        e->setMaximumWidth(90);
    }
    Edit_max_y1->setToolTip(tr(kProposedHint));
    Edit_min_y1->setToolTip(tr(kProposedHint));
    Label_grand1 = label("Label_grand1", QString());
    Label_grandeur2 = label("Label_grandeur2", QString());
    Label_y1_max_lu = label("Label_y1_max_lu", tr("max lu"));
    Label_y1_min_lu = label("Label_y1_min_lu", tr("min lu"));
    Label_y2_max_lu = label("Label_y2_max_lu", tr("max lu"));
    Label_y2_min_lu = label("Label_y2_min_lu", tr("min lu"));
    CheckBox_y2 = Named(new QCheckBox(tr("grandeur 2"), this), "CheckBox_y2");
    CheckBox_y2->setToolTip(tr("  affiche en plus le graphique de cette grandeur "));
    CheckBox_af_integrale = Named(new QCheckBox(tr("intégrale"), this), "CheckBox_af_integrale");
    CheckBox_brut = Named(new QCheckBox(tr(kRawCaption), this), "CheckBox_brut");
    CheckBox_brut->setToolTip(tr(kRawHint));
    CheckBox_brut->hide();
    int row = 0;
    axes->addWidget(Label_grand1, row++, 0, 1, 2);
    axes->addWidget(new QLabel(tr("max Y"), this), row, 0);
    axes->addWidget(Edit_max_y1, row++, 1);
    axes->addWidget(Label_y1_max_lu, row++, 1);
    axes->addWidget(new QLabel(tr("min Y"), this), row, 0);
    axes->addWidget(Edit_min_y1, row++, 1);
    axes->addWidget(Label_y1_min_lu, row++, 1);
    axes->addWidget(new QLabel(tr("graduation"), this), row, 0);
    axes->addWidget(Edit_y1_graduation, row++, 1);
    axes->addWidget(CheckBox_af_integrale, row++, 0, 1, 2);
    axes->addWidget(CheckBox_y2, row++, 0, 1, 2);
    axes->addWidget(CheckBox_brut, row++, 0, 1, 2);
    axes->addWidget(Label_grandeur2, row++, 0, 1, 2);
    axes->addWidget(Edit_max_y2, row, 1);
    axes->addWidget(Label_y2_max_lu, row++, 0);
    axes->addWidget(Edit_min_y2, row, 1);
    axes->addWidget(Label_y2_min_lu, row++, 0);
    axes->addWidget(Edit_y2_graduation, row++, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{Edit_max_y2, Edit_min_y2, Edit_y2_graduation, Label_grandeur2,
                                                     Label_y2_max_lu, Label_y2_min_lu}) {
        w->hide();
    }
    BuildViewControls(axes, row);
    return axes;
}

void ViewPanel::BuildViewControls(QGridLayout* axes, int row)
{
    Button_zoom = Named(new QPushButton(tr("ZOOM"), this), "Button_zoom");
    Button_zoom->setToolTip(tr("   ZOOM de x1  x2  x3      "));
    Button_contraste = Named(new QPushButton(tr("CONTRASTE"), this), "Button_contraste");
    Button_contraste->setToolTip(tr("bascule entre 3 modes d'affichage"));
    Label10 = Named(new QLabel(QStringLiteral("F4"), this), "Label10");
    Label12 = Named(new QLabel(QStringLiteral("F5"), this), "Label12");
    SpeedButton_annuler_couleur = Named(new QToolButton(this), "SpeedButton_annuler_couleur");
    SpeedButton_annuler_couleur->setText(tr("annuler couleurs"));
    SpeedButton_annuler_couleur->setToolTip(
        tr("au début, les couleurs de fonds peuvent être mofifiées par un double clik"));
    SpeedButton_annuler_couleur->hide();
    axes->addWidget(Button_zoom, row, 0);
    axes->addWidget(Label10, row++, 1);
    axes->addWidget(Button_contraste, row, 0);
    axes->addWidget(Label12, row++, 1);
    axes->addWidget(SpeedButton_annuler_couleur, row++, 0, 1, 2);
    axes->setRowStretch(row, 1);

    // The list of proposed values floats over the window, beside its box.
    ListBox1 = Named(new QListWidget(parentWidget()), "ListBox1");
    ListBox1->setToolTip(tr("double clik pour  valider"));
    ListBox1->hide();
    for (QLineEdit* e : AxisBoxes()) {
        connect(e, &QLineEdit::editingFinished, this, [this, e] { ApplyAxisEdit(e); });
    }
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &ViewPanel::ListBox1DblClick);
    connect(Button_zoom, &QPushButton::clicked, this, &ViewPanel::Button_zoomClick);
    connect(Button_contraste, &QPushButton::clicked, this, &ViewPanel::Button_contrasteClick);
    connect(SpeedButton_annuler_couleur, &QToolButton::clicked, this, &ViewPanel::SpeedButton_annuler_couleurClick);
}

QList<QLineEdit*> ViewPanel::AxisBoxes() const
{
    return {Edit_max_y1, Edit_min_y1, Edit_y1_graduation, Edit_max_y2, Edit_min_y2, Edit_y2_graduation};
}

bool ViewPanel::ViewEvent(QObject* watched, QEvent* e)
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
    if (e->type() == QEvent::MouseButtonDblClick && watched == parentWidget()) {
        FormDblClick();
        return true;
    }
    return false;
}

InstrumentConfig ViewPanel::AxisLimits() const
{
    InstrumentConfig limits = ctx_.store->config;
    const QChar sign = ctx_.regional.decimalSign;
    limits.q1.axisMax = ParseReal(Edit_max_y1->text(), sign).value;
    limits.q1.axisMin = ParseReal(Edit_min_y1->text(), sign).value;
    limits.q2.axisMax = ParseReal(Edit_max_y2->text(), sign).value;
    limits.q2.axisMin = ParseReal(Edit_min_y2->text(), sign).value;
    limits.q2.graduation = ParseReal(Edit_y2_graduation->text(), sign).value;
    return limits;
}

void ViewPanel::ShowAxisBoxes()
{
    // A box keeps the user's own text while it reads as the axis value (e.g. "50" for 50,0).
    const QChar sign = ctx_.regional.decimalSign;
    auto show = [sign](QLineEdit* box, double value) {
        const Parsed<double> shown = ParseReal(box->text(), sign);
        if (shown.malformed || shown.value != value || box->text().trimmed().isEmpty()) {
            QString text = ShortestReal(value);
            text.replace(u'.', sign);
            box->setText(text);
        }
    };
    const AxisScale& y1 = ctx_.run().state.axisY1;
    const AxisScale& y2 = ctx_.run().state.axisY2;
    show(Edit_max_y1, y1.max);
    show(Edit_min_y1, y1.min);
    show(Edit_y1_graduation, y1.graduation);
    show(Edit_max_y2, y2.max);
    show(Edit_min_y2, y2.min);
    show(Edit_y2_graduation, y2.graduation);
}

void ViewPanel::TakeTableAxes(const InstrumentConfig& config)
{
    const QuantityConfig& q1 = config.q1;
    const QuantityConfig& q2 = config.q2;
    Edit_max_y1->setText(q1.maxText);
    Edit_min_y1->setText(q1.minText);
    Edit_y1_graduation->setText(q1.graduationText);
    Edit_max_y2->setText(q2.maxText);
    Edit_min_y2->setText(q2.minText);
    Edit_y2_graduation->setText(q2.graduationText);
    AxisScale& y1 = ctx_.run().state.axisY1;
    AxisScale& y2 = ctx_.run().state.axisY2;
    y1.min = q1.axisMin;
    y1.max = q1.axisMax;
    y1.graduation = q1.graduation;
    y2.min = q2.axisMin;
    y2.max = q2.axisMax;
    y2.graduation = q2.graduation;
    ShowAxisBoxes();
}

void ViewPanel::ShowQuantities(const InstrumentConfig& config)
{
    Label_grand1->setText(config.q1.name);
    Label_grandeur2->setText(config.q2.wholeName);
    CheckBox_y2->setText(config.q2.name);
    for (QWidget* w : std::initializer_list<QWidget*>{Label_grand1, Label_hauteur, Label_zero, CheckBox_af_integrale}) {
        SetTextColour(w, ToQColor(config.q1.colour));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Label_grandeur2, CheckBox_y2}) {
        SetTextColour(w, ToQColor(config.q2.colour));
    }
}

void ViewPanel::ApplyAxisEdit(QLineEdit* edit)
{
    const int index = static_cast<int>(AxisBoxes().indexOf(edit));
    if (index < 0) {
        return;
    }
    static const AxisField fields[] = {AxisField::Max, AxisField::Min, AxisField::Graduation};
    const AxisBox box{index < 3 ? 1 : 2, fields[index % 3]};
    const QChar sign = ctx_.regional.decimalSign;
    AxisScale& y1 = ctx_.run().state.axisY1;
    AxisScale& y2 = ctx_.run().state.axisY2;
    if (const std::optional<QString> refusal = AxisBoxRefusal(edit->text(), box, y1, y2, sign)) {
        // Refused in the box itself: red, the previous value back, the reason in its hint.
        QString previous = ShortestReal(AxisBoxValue(box, y1, y2));
        previous.replace(u'.', sign);
        edit->setText(previous);
        edit->setToolTip(*refusal);
        SetTextColour(edit, Qt::red);
        return;
    }
    SetTextColour(edit, palette().color(QPalette::Text));
    InstrumentConfig& config = ctx_.store->config;
    const QString clean = ApplyAxisBox(edit->text(), box, y1, y2, ctx_.store->table, config.active.activeRow, sign);
    edit->setText(clean);
    // The configuration holds the same bounds: the next reading and the next Start see them.
    config.q1.axisMax = y1.max;
    config.q1.axisMin = y1.min;
    config.q1.graduation = y1.graduation;
    config.q2.axisMax = y2.max;
    config.q2.axisMin = y2.min;
    config.q2.graduation = y2.graduation;
    InstrumentConfig& running = ctx_.run().config;
    running.q1.axisMax = y1.max;
    running.q1.axisMin = y1.min;
    running.q2.axisMax = y2.max;
    running.q2.axisMin = y2.min;
    running.q2.graduation = y2.graduation;
    ctx_.params->ShowTable();
    ctx_.store->table.modified = true;
    Redraw();
}

void ViewPanel::ToggleProposedList(QLineEdit* edit)
{
    listBoxTarget_ = edit->objectName();
    if (ListBox1->isVisible()) {
        ListBox1->hide();
        return;
    }
    const ProcessingState& state = ctx_.run().state;
    const AxisScale& axis = (edit == Edit_max_y1 || edit == Edit_min_y1) ? state.axisY1 : state.axisY2;
    const double value = (edit == Edit_max_y1 || edit == Edit_max_y2) ? axis.max : axis.min;
    ListBox1->clear();
    QStringList texts = propose_liste_val_grad(axis.graduation, value);
    for (QString& t : texts) {
        t.replace(u'.', ctx_.regional.decimalSign);
    }
    ListBox1->addItems(texts);
    const QPoint at = edit->mapTo(parentWidget(), QPoint(edit->width(), 0));
    ListBox1->setGeometry(at.x(), at.y(), 120, 450);
    ListBox1->show();
    ListBox1->raise();
}

void ViewPanel::ListBox1DblClick()
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

void ViewPanel::Button_zoomClick()
{
    // Zoom frames what was read: the extremes of the readings themselves (a file opened has no "lu" captions
    // of its own, only placeholders).
    const ProcessingState& state = ctx_.run().state;
    AxisScale read = state.axisY1;
    QString maxCaption = Label_y1_max_lu->text();
    QString minCaption = Label_y1_min_lu->text();
    const SampleSeries& series = state.series;
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
    const QChar sign = ctx_.regional.decimalSign;
    const ZoomStep step = NextZoom(zoomState_, maxCaption, minCaption, read, ctx_.store->settings.Edit_nb_decimale_1,
                                   state.initialPrefix, sign);
    zoomState_ = step.state;
    if (!step.maxText || !step.minText) {
        return;
    }
    // The bounds in the order that keeps max above min at every step, then a graduation that suits the range (one
    // kept from a wide range would put thousands of lines on a narrow one, and the graph would draw nothing).
    const double newMin = ParseReal(*step.minText, sign).value;
    const bool minFirst = newMin < state.axisY1.max;
    for (QLineEdit* box : minFirst ? QList<QLineEdit*>{Edit_min_y1, Edit_max_y1} : QList<QLineEdit*>{Edit_max_y1, Edit_min_y1}) {
        box->setText(box == Edit_max_y1 ? *step.maxText : *step.minText);
        ApplyAxisEdit(box);
    }
    QString graduation = ShortestReal(NiceStep(state.axisY1.min, state.axisY1.max));
    graduation.replace(u'.', sign);
    Edit_y1_graduation->setText(graduation);
    ApplyAxisEdit(Edit_y1_graduation);
}

}  // namespace sondalog
