// The main window's side of the parameters window: the table applied to the axes and labels, the
// parameter file's buttons, the active instrument and the port description, the port finding.
#include "ui/main_window/main_window.h"
#include "ui/charts_window/charts_window.h"

#include <QRadioButton>

#include "acquisition/demo_generator.h"
#include "ui/widgets/text_colour.h"
#include "instrument/parameter_file.h"
#include "ui/parameters_window/parameters_window.h"
#include "ui/parameters_window/tracer_inputs_group.h"
#include "serial/port_description.h"
#include "util/text_utils.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace sondalog {

void MainWindow::WireParameters()
{
    params_->onTableApplied = [this] {
        ApplyTable();
        SettingsChanged();
    };
    for (QRadioButton* mode : {params_->RadioButton_car_par_car, params_->RadioButton_par_chaine_CSV}) {
        // After the parameters window's own handler, which records the mode.
        connect(mode, &QRadioButton::clicked, this, [this] { SettingsChanged(); });
    }
    params_->onDemoChanged = [this](bool on) {
        if (CheckBox_demo->isChecked() != on) {
            CheckBox_demo->setChecked(on);
        }
        ApplyTable();
    };
    const TableFileCallbacks cb{[this](const QString& q) { return confirm(q); },
                                [this](const QString& t) { info(t); }, [this] { SaveSettingsNow(); }};
    connect(params_->Button_enreg_param, &QPushButton::clicked, this, [this, cb] {
        if (confirm(kAskSaveTable)) {
            config_ = SaveTableAndApply(params_->table, paths_.ParameterFile(), config_.active.activeRow,
                                        regional_.decimalSign, cb);
            ApplyTable();
        }
    });
    connect(params_->Button_charger_param, &QPushButton::clicked, this, [this, cb] {
        LoadTableFile(params_->table, paths_.ParameterFile(), true, cb);
        params_->ShowTable();
        ApplyTable();
        LoadSettingsIntoControls();
    });
    connect(params_->Button_exemple, &QPushButton::clicked, this, [this, cb] {
        const QString example = paths_.ExampleFile();
        if (!confirm(AskLoadExample(example))) {
            return;
        }
        if (!QFileInfo::exists(example)) {
            info(ExampleMissing(example));
            return;
        }
        LoadTableFile(params_->table, example, true, cb, false);
        params_->ShowTable();
        ApplyTable();
        LoadSettingsIntoControls();
    });
    connect(params_->Button_openCOM_read, &QPushButton::clicked, this, &MainWindow::OpenAndRead);
    connect(params_->Button_close_COM, &QPushButton::clicked, this, &MainWindow::CloseSerial);
    params_->Label2->setText(DecimalSignCaption(regional_.decimalSign));

    params_->onActiveRowChanged = [this](int row) {
        config_.active.activeRow = row;
        Label_multimetre->setText(ActiveCell(params_->table, row, col::multimetre, 0));
    };
    params_->onDescriptionChanged = [this] {
        config_.active.portDescription = PortDescription(params_->table, params_->activeRow);
        Label_config->setText(config_.active.portDescription);
        params_->Label_config->setText(config_.active.portDescription);
    };
    params_->onThreeProbesChanged = [this](bool on) { Button1->setEnabled(on); };
    connect(params_->Button5, &QPushButton::clicked, this, &MainWindow::Button1Click);
    params_->onFactorChanged = [this](const QString& text) {
        QString factor = text;
        NormalizeDecimal(factor, regional_.decimalSign);
        Run().options.areaFactor = ParseReal(factor, regional_.decimalSign).value;
    };
    params_->mainDemo = [this] { return CheckBox_demo->isChecked(); };
    params_->logLine = [this](const QString& line) { LogLine(line); };
    params_->portsInUse = [this] { return controller_->session().PortsInUse(); };
    params_->workingDir = [this] { return workingDir_; };
    params_->GroupBox_tracage->Show(tracer_);
    params_->GroupBox_tracage->onChanged = [this] {
        tracer_ = params_->GroupBox_tracage->Read();
        const QString failure = SaveTracerSettings(paths_.TracerFile(), tracer_);
        if (!failure.isEmpty()) {
            info(QStringLiteral("Impossible d'enregistrer ") + paths_.TracerFile() + QStringLiteral(" : ") + failure);
        }
        lastFitMs_ = 0;  // new inputs: a new fit at once
        UpdateAnalysis();
    };
}

void MainWindow::LoadParameterFile()
{
    // A missing table must not wipe settings the user already has.
    const TableFileCallbacks cb{[this](const QString& q) { return confirm(q); }, [this](const QString& t) { info(t); },
                                [this] {
                                    if (!QFileInfo::exists(paths_.SettingsFile())) {
                                        SaveSettingsNow();
                                    }
                                }};
    LoadTableFile(params_->table, paths_.ParameterFile(), false, cb);
    params_->ShowTable();
}

void MainWindow::ApplyTable()
{
    if (params_->table.modified) {
        // A changed table (port, markers, "rep hms") is on disk at once: a crash must not take it away.
        QStringList told;
        const TableFileCallbacks quiet{[](const QString&) { return false; },
                                       [&told](const QString& t) { told << t; }, {}};
        if (!SaveTableFile(params_->table, paths_.ParameterFile(), quiet)) {
            for (const QString& t : told) {
                LogLine(t);
            }
        }
    }
    config_ = ApplyInstrumentTable(params_->table, config_.active.activeRow, regional_.decimalSign,
                                   [this](const QString& t) { info(t); });
    params_->activeRow = config_.active.activeRow;
    const QuantityConfig& q1 = config_.q1;
    const QuantityConfig& q2 = config_.q2;
    Label_multimetre->setText(CheckBox_demo->isChecked() ? kDemoCaption : config_.active.instrumentName);
    Label_grandeur1->setText(q1.name);
    Label_grand1->setText(q1.name);
    Label_grand2->setText(q2.name);
    // The table's bounds become the axes only when they are new to the graph (a first load, or changed in the
    // table): an axis the operator or the run set stays until the operator changes it.
    const QStringList tableAxes = {q1.maxText, q1.minText, q1.graduationText, q2.maxText, q2.minText, q2.graduationText};
    const bool axesFromTable = tableAxes != appliedTableAxes_ || Run().state.series.sampleCount == 0;
    appliedTableAxes_ = tableAxes;
    for (QWidget* w : std::initializer_list<QWidget*>{Label_grandeur1, Label_grand1, Label_hauteur, Label_zero,
                                                     CheckBox_af_integrale, Label_val_grand1, Label_multiple_initial,
                                                     Label_multiple_courant, Label_tracage, Label15}) {
        SetTextColour(w, ToQColor(q1.colour));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Label_grand2, Label_grandeur2, Label_val_grand2, CheckBox_y2}) {
        SetTextColour(w, ToQColor(q2.colour));
    }
    Label_grandeur2->setText(q2.wholeName);
    if (axesFromTable) {
        Edit_max_y1->setText(q1.maxText);
        Edit_min_y1->setText(q1.minText);
        Edit_y1_graduation->setText(q1.graduationText);
        Edit_max_y2->setText(q2.maxText);
        Edit_min_y2->setText(q2.minText);
        Edit_y2_graduation->setText(q2.graduationText);
        AxisScale& y1 = Run().state.axisY1;
        AxisScale& y2 = Run().state.axisY2;
        y1.min = q1.axisMin;
        y1.max = q1.axisMax;
        y1.graduation = q1.graduation;
        y2.min = q2.axisMin;
        y2.max = q2.axisMax;
        y2.graduation = q2.graduation;
        ShowAxisBoxes();
    }
    CheckBox_y2->setText(q2.name);
    // The instrument's units on the charts (its prefix once the first reading told it; µ until then).
    const QString prefix = Run().state.initialPrefix.isEmpty() ? QStringLiteral("µ") : Run().state.initialPrefix;
    charts_->SetUnits({prefix + q1.unit, q2.unit.isEmpty() ? QStringLiteral("°C") : q2.unit, QStringLiteral("pH"),
                       QStringLiteral("%")});
    Label_config->setText(config_.active.portDescription);
    params_->Label_config->setText(config_.active.portDescription);
    Redraw();
}

void MainWindow::Button_parametresClick()
{
    if (params_->isVisible()) {
        params_->hide();
    } else {
        params_->show();
        params_->activateWindow();
    }
}

void MainWindow::Button_enreg_paramClick()
{
    const TableFileCallbacks cb{[this](const QString& q) { return confirm(q); },
                                [this](const QString& t) { info(t); }, [this] { SaveSettingsNow(); }};
    config_ = SaveTableAndApply(params_->table, paths_.ParameterFile(), config_.active.activeRow, regional_.decimalSign, cb);
    ApplyTable();
    if (CheckBox_demo->isChecked()) {
        Label_multimetre->setText(kDemoCaption);
    }
}

void MainWindow::CheckBox_demoClick()
{
    params_->SetDemo(CheckBox_demo->isChecked());
    Label_multimetre->setText(CheckBox_demo->isChecked()
                                  ? kDemoCaption
                                  : ActiveCell(params_->table, config_.active.activeRow, col::multimetre, 0));
}

}  // namespace sondalog
