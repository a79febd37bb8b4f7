#include "ui/charts_window/charts_window.h"

#include "ui/charts_window/chart_view.h"
#include "util/named.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sondalog {

namespace {
struct ChartLook {
    const char* name;
    const char* title;  // translated where shown
    QColor colour;
};
const std::array<ChartLook, 4> kCharts = {{
    {"Chart1", QT_TRANSLATE_NOOP("sondalog::ChartsWindow", "Conductivité"), QColor(0, 0, 255)},
    {"Chart2", QT_TRANSLATE_NOOP("sondalog::ChartsWindow", "Température"), QColor(255, 0, 0)},
    {"Chart3", QT_TRANSLATE_NOOP("sondalog::ChartsWindow", "pH"), QColor(0, 128, 0)},
    {"Chart4", QT_TRANSLATE_NOOP("sondalog::ChartsWindow", "O2 dissout"), QColor(128, 0, 128)},
}};

QGroupBox* RadioGroup(const QString& title, const QStringList& items, QButtonGroup* group, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        group->addButton(b, i);
        layout->addWidget(b);
    }
    return box;
}
}  // namespace

ChartsWindow::ChartsWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(tr("Graphiques et enregistrement"));

    auto* chartsColumn = new QVBoxLayout;
    chartsColumn->setSpacing(5);
    for (std::size_t i = 0; i < kCharts.size(); ++i) {
        charts[i] = Named(new ChartView(tr(kCharts[i].title), kCharts[i].colour, this), kCharts[i].name);
        charts[i]->labelOf = [this](int n) { return series_ && regional_ ? series_->StampText(n, *regional_) : QString(); };
        chartsColumn->addWidget(charts[i], 1);
    }
    SetUnits({QStringLiteral("µS/cm"), QStringLiteral("°C"), QStringLiteral("pH"), QStringLiteral("%")});

    Label1 = Named(new QLabel(QStringLiteral("0"), this), "Label1");
    Label2 = Named(new QLabel(tr("nb_tous"), this), "Label2");
    Label7 = Named(new QLabel(tr("nb points par paquet"), this), "Label7");
    Label7->setWordWrap(true);
    RadioGroup_points_par_chart = new QButtonGroup(this);
    GroupBox_points = Named(RadioGroup(tr("points par graphe"),
                                       {tr("     tous"), QStringLiteral("      100"), QStringLiteral("   2 000 "),
                                        QStringLiteral("   5 000"), QStringLiteral(" 38 400"), QStringLiteral("100 000")},
                                       RadioGroup_points_par_chart, this),
                            "RadioGroup_points_par_chart");
    RadioGroup_traitement = new QButtonGroup(this);
    GroupBox_traitement = Named(RadioGroup(tr("calcul"),
                                           {tr("dernier"), tr("moyenne "),
                                            tr("minimum"), tr("maximum")},
                                           RadioGroup_traitement, this),
                                "RadioGroup_traitement");
    RadioGroup_points_par_chart->button(packets.PointsChoice())->setChecked(true);
    RadioGroup_traitement->button(static_cast<int>(packets.Calc()))->setChecked(true);
    CheckBox_options = Named(new QCheckBox(tr("options"), this), "CheckBox_options");
    Memo1 = Named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setPlainText(tr("Zoom avec roulette\n\nclik droit pour \ndéplacer\n\nsélection \nrectangulaire\n\n"
                           "double click => \ntout est réaffiché"));
    Button2 = Named(new QPushButton(tr("close"), this), "Button2");

    auto* side = new QVBoxLayout;
    side->addWidget(Label1);
    side->addWidget(CheckBox_options);
    side->addWidget(Label2);
    side->addWidget(GroupBox_points);
    side->addWidget(Label7);
    side->addWidget(GroupBox_traitement);
    side->addWidget(Memo1, 1);
    side->addWidget(Button2);
    auto* sideBox = new QWidget(this);
    sideBox->setLayout(side);
    sideBox->setFixedWidth(128);  // the charts take the window's width less 133 pixels
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(5, 5, 0, 5);
    root->addLayout(chartsColumn, 1);
    root->addWidget(sideBox);

    connect(CheckBox_options, &QCheckBox::toggled, this, &ChartsWindow::CheckBox_optionsClick);
    connect(RadioGroup_points_par_chart, &QButtonGroup::idClicked, this, [this](int index) {
        packets.SetPointsChoice(index, series_ ? series_->sampleCount : 0);
        RebuildCharts();
    });
    connect(RadioGroup_traitement, &QButtonGroup::idClicked, this, [this](int index) {
        packets.SetCalc(static_cast<PacketCalc>(index));
        RebuildCharts();
    });
    connect(Button2, &QPushButton::clicked, this, [this] {
        hide();
        if (onClose) {
            onClose();
        }
    });
    CheckBox_optionsClick();
    ResetCharts();
}

void ChartsWindow::SetUnits(const QStringList& units)
{
    for (std::size_t i = 0; i < charts.size() && i < static_cast<std::size_t>(units.size()); ++i) {
        charts[i]->SetUnit(units[static_cast<qsizetype>(i)]);
    }
}

void ChartsWindow::SetTitles(const QStringList& titles)
{
    for (std::size_t i = 0; i < charts.size(); ++i) {
        charts[i]->chart()->setTitle(titles.isEmpty() ? tr(kCharts[i].title) : titles.value(static_cast<qsizetype>(i)));
    }
}

void ChartsWindow::SetSource(const SampleSeries* series, const Regional* regional)
{
    series_ = series;
    regional_ = regional;
}

void ChartsWindow::CheckBox_optionsClick()
{
    const bool on = CheckBox_options->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, GroupBox_points, Label7, GroupBox_traitement}) {
        w->setVisible(on);
    }
}

void ChartsWindow::ResetCharts()
{
    for (ChartView* c : charts) {
        c->Reset();
    }
}

void ChartsWindow::FeedCharts()
{
    if (!series_) {
        return;
    }
    if (!isVisible()) {
        stale_ = true;  // rebuilt from the series when shown: nothing is drawn for nobody
        return;
    }
    Apply(packets.Feed(*series_));
}

void ChartsWindow::SourceChanged()
{
    if (isVisible()) {
        RebuildCharts();
    } else {
        stale_ = true;
    }
}

void ChartsWindow::RebuildCharts()
{
    stale_ = false;
    ResetCharts();
    if (series_) {
        Apply(packets.Rebuild(*series_));
    }
}

void ChartsWindow::Apply(const ChartUpdate& update)
{
    if (update.rebuild) {
        std::array<QList<QPointF>, 4> lines;
        for (QList<QPointF>& l : lines) {
            l.reserve(static_cast<qsizetype>(update.points.size()));
        }
        for (const ChartPoint& p : update.points) {
            for (std::size_t k = 0; k < 4; ++k) {
                lines[k].append(QPointF(p.n, p.values[k]));
            }
        }
        for (std::size_t k = 0; k < 4; ++k) {
            charts[k]->SetPoints(lines[k]);
        }
    } else {
        for (const ChartPoint& p : update.points) {
            for (std::size_t k = 0; k < 4; ++k) {
                charts[k]->Append(QPointF(p.n, p.values[k]));
            }
        }
    }
    ShowCaptions();
}

void ChartsWindow::ShowCaptions()
{
    Label1->setText(packets.Captions().Label1);
    Label2->setText(packets.Captions().Label2);
    Label7->setText(packets.Captions().Label7);
}

bool ChartsWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || (event->type() == QEvent::Show && stale_)) {
        RebuildCharts();
    }
    return QWidget::event(event);
}

}  // namespace sondalog
