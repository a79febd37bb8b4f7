#include "ui/main_window/analysis_panel.h"

#include "analysis/figure_text.h"
#include "app/background_job.h"
#include "plot/graph_painter.h"
#include "ui/main_window/run_panel.h"
#include "ui/main_window/view_panel.h"
#include "ui/widgets/graph_widget.h"
#include "util/text_file.h"

#include <QCheckBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sondalog {

namespace {
constexpr int kAnalysisDelayMs = 200;
constexpr qint64 kFitEveryMs = 1000;
constexpr qint64 kShareOfACore = 200;  // each waits 200 times its own cost: figures and fit, 1 % of a core together

QString Figure(std::optional<double> v, const QString& unit, int digits = 4)
{
    return FigureText(v, unit, digits);
}
}  // namespace

AnalysisPanel::AnalysisPanel(MainContext& context, QWidget* parent) : QWidget(parent), ctx_(context)
{
    setObjectName(QStringLiteral("AnalysisPanel"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    Panel_analyse = new QLabel(this);
    Panel_analyse->setObjectName(QStringLiteral("Panel_analyse"));
    Panel_analyse->setFrameShape(QFrame::StyledPanel);
    Panel_analyse->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Panel_analyse->setWordWrap(true);
    Panel_analyse->setMaximumHeight(180);
    Panel_analyse->setToolTip(tr("analyse du traçage depuis t0 (distance, masse et débit dans les Paramètres)"));
    Button_rapport = new QPushButton(tr("rapport d'analyse"), this);
    Button_rapport->setObjectName(QStringLiteral("Button_rapport"));
    Button_rapport->setToolTip(tr("enregistre l'analyse et le graphique avec la courbe ajustée"));
    box->addWidget(Panel_analyse, 1);
    box->addWidget(Button_rapport, 0, Qt::AlignRight);
    analysisTimer_.setSingleShot(true);
    analysisTimer_.setInterval(kAnalysisDelayMs);
    connect(&analysisTimer_, &QTimer::timeout, this, &AnalysisPanel::UpdateAnalysis);
    connect(Button_rapport, &QPushButton::clicked, this, [this] {
        UpdateAnalysis();
        const QString saved = ctx_.controller->writer().lastSavedPath();
        const QString beside = !saved.isEmpty() ? saved
                                                : QDir(ctx_.store->workingDir).filePath(QDateTime::currentDateTime().toString(
                                                      QStringLiteral("yyyy-MM-dd HH'H'mm'''ss")) + QStringLiteral(" traçage.txt"));
        const QString failure = SaveAnalysisBeside(beside);
        ctx_.info(failure.isEmpty() ? tr("Analyse enregistrée à côté de\n%1").arg(beside) : failure);
    });
    ShowAnalysis();
}

int AnalysisPanel::AnalysisT0() const
{
    const ProcessingState& state = ctx_.run().state;
    if (state.t0Marked) {
        return std::max(state.tracingStartIndex, 1);
    }
    return ctx_.controller->storedT0();
}

TracerInputs AnalysisPanel::AnalysisInputs() const
{
    TracerInputs given = ctx_.store->tracer.Effective();
    if (!ctx_.store->settings.CheckBox_demo && FluorometerRowLayoutOf(ctx_.store->config)) {
        // A dye read in ppb (µg/L): no conductivity factor, masses in the dye's unit.
        given.factor = 1;
        given.concentrationInMgL = 1e-3;
    }
    return OwnDemonstration() ? WithDemoInputs(given) : given;
}

bool AnalysisPanel::OwnDemonstration() const
{
    return ctx_.store->settings.CheckBox_demo && ctx_.controller->storedT0() == 0;
}

double AnalysisPanel::AnalysisSecondsPerReading() const
{
    // The demonstration's clock is its reading count (fast or not), as its graph and its file show.
    if (!OwnDemonstration()) {
        return 0;
    }
    return std::max(1, ActiveCellInt(ctx_.store->table, ctx_.store->config.active.activeRow, col::intervalle, 0,
                                     ctx_.regional.decimalSign));
}

void AnalysisPanel::FollowReadings()
{
    if (ctx_.run().state.t0Marked && !analysisTimer_.isActive()) {
        // The figures follow the readings, at most five times a second, and never at more than 1 % of a core.
        analysisTimer_.start(static_cast<int>(std::max<qint64>(kAnalysisDelayMs, kShareOfACore * figuresCostMs_)));
    }
}

void AnalysisPanel::Clear()
{
    analysis_ = RunAnalysis();
    ShowAnalysis();
}

void AnalysisPanel::Restart()
{
    lastFitMs_ = 0;
    UpdateAnalysis();
}

void AnalysisPanel::UpdateAnalysis()
{
    const TracerInputs inputs = AnalysisInputs();
    AdeFit previousFit = analysis_.fit;
    QElapsedTimer cost;
    cost.start();
    analysis_ = AnalyseSeries(ctx_.run().state.series, AnalysisT0(), inputs, AnalysisSecondsPerReading());
    figuresCostMs_ = cost.elapsed();
    analysis_.fit = previousFit;  // kept on screen until the next fit replaces it
    ShowAnalysis();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 fitEvery = std::max(kFitEveryMs, kShareOfACore * fitCostMs_);
    if (fitRunning_ || now - lastFitMs_ < fitEvery || analysis_.t0 == 0 || !inputs.distance) {
        if (!fitRunning_ && analysis_.t0 != 0 && inputs.distance && !analysisTimer_.isActive()) {
            analysisTimer_.start(static_cast<int>(fitEvery));  // the fit comes at its turn
        }
        return;
    }
    // The fit on its own thread, on a copy: a reading never waits for it.
    lastFitMs_ = now;
    fitRunning_ = true;
    RunAnalysis copy = analysis_;
    struct Fitted {
        RunAnalysis analysis;
        qint64 costMs = 0;
    };
    RunInBackground<Fitted>(
        this,
        [copy, inputs]() mutable {
            QElapsedTimer cost;
            cost.start();
            FitRun(copy, inputs);
            return Fitted{copy, cost.elapsed()};
        },
        [this](Fitted&& done) {
            fitRunning_ = false;
            fitCostMs_ = done.costMs;
            const RunAnalysis& fitted = done.analysis;
            if (fitted.t0 == analysis_.t0) {
                analysis_.fit = fitted.fit;
                analysis_.fitted = true;
                ShowAnalysis();
                ctx_.redraw();
            }
        });
}

void AnalysisPanel::ShowAnalysis()
{
    const TracerFigures& f = analysis_.figures;
    if (analysis_.t0 == 0) {
        Panel_analyse->setText(tr("Analyse du traçage : à partir de t0"));
        return;
    }
    if (!analysis_.error.isEmpty()) {
        Panel_analyse->setText(analysis_.error);
        return;
    }
    QString text = tr("Analyse depuis t0 (n = %1)%2\n").arg(f.n).arg(f.provisional ? tr(" — courbe incomplète") : QString());
    // Times as a tracer test counts them (h min, days), never as 2,526e+04 s.
    text += tr("arrivée %1 · pic %2 (%3) · t̄ %4\n")
                .arg(ElapsedText(f.firstSeconds), ElapsedText(f.peakSeconds),
                     Figure(f.peakConcentration, ConcentrationUnit(analysis_)), ElapsedText(f.meanSeconds));
    // Where the moments stop, how much of the area is extrapolated, how the background moved.
    text += tr("fin du passage %1 · queue extrapolée %2 · dérive de la base %3/h\n")
                .arg(ElapsedText(f.endSeconds), Figure(f.tailPercent, QStringLiteral("%")), Figure(f.drift, {}));
    text += tr("vitesses %1 / %2 / %3 m/h\n")
                .arg(Figure(f.velocityFirst, {}), Figure(f.velocityPeak, {}), Figure(f.velocityMean, {}));
    text += tr("D %1 · α %2 · Pe %3 · restitution %4 (%5)\n")
                .arg(Figure(f.dispersion, QStringLiteral("m²/s")), Figure(f.dispersivity, QStringLiteral("m")),
                     Figure(f.peclet, {}), Figure(MassAsSaid(analysis_, f.recoveredKg).first, MassAsSaid(analysis_, f.recoveredKg).second),
                     Figure(f.recoveryPercent, QStringLiteral("%")));
    const AdeFit& fit = analysis_.fit;
    if (fit.ok && fit.reliable) {
        text += tr("ajusté : v %1 ± %2 m/h · D %3 ± %4 m²/s · R %5 · R² %6")
                    .arg(Figure(fit.velocity, {}), Figure(fit.velocitySe, {}, 2), Figure(fit.dispersion, {}),
                         Figure(fit.dispersionSe, {}, 2), Figure(fit.recovery, QStringLiteral("%")),
                         Figure(fit.r2, {}));
    } else if (!fit.message.isEmpty()) {
        text += fit.message;
    } else if (!f.notes.isEmpty()) {
        text += f.notes.last();
    }
    Panel_analyse->setText(text);
}

void AnalysisPanel::DrawFit(QImage& image, const ProcessingState& state, bool showY2) const
{
    if (!analysis_.fit.ok) {
        return;
    }
    const TracerInputs inputs = AnalysisInputs();
    const RunAnalysis& analysis = analysis_;
    sondalog::DrawFittedCurve(image, state, showY2, QColor(230, 120, 0), [&analysis, &state, inputs](int n) {
        return FittedValue(analysis, state.series, inputs, n);
    });
}

QString AnalysisPanel::SaveAnalysisBeside(const QString& recordingPath)
{
    const TracerInputs inputs = AnalysisInputs();
    RunAnalysis full = AnalyseSeries(ctx_.run().state.series, AnalysisT0(), inputs, AnalysisSecondsPerReading());
    FitRun(full, inputs);
    analysis_ = full;
    ShowAnalysis();
    ctx_.redraw();
    // In an "analyses" folder beside the recordings: the folder stays a list of recordings, as the
    // open dialog shows it, and each report is named after its recording.
    const QFileInfo info(recordingPath);
    const QDir folder(info.dir().filePath(QStringLiteral("analyses")));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        return tr("Rapport d'analyse non enregistré : impossible de créer %1").arg(folder.path());
    }
    const QString stem = folder.filePath(info.completeBaseName() + QStringLiteral("_analyse"));
    const QString report = AnalysisReport(full, inputs, info.fileName());
    QString failure = WriteFileAtomically(stem + QStringLiteral(".txt"), JoinCrLf(report.split(u'\n')));
    if (failure.isEmpty() && !ctx_.view->ImageA->image().save(stem + QStringLiteral(".png"))) {
        failure = tr("image non écrite");
    }
    return failure.isEmpty() ? QString() : tr("Rapport d'analyse non enregistré (%1) : %2")
.arg(stem, failure);
}

}  // namespace sondalog
