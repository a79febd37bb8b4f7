#include "ui/main_window/configuration_link.h"

#include "ui/parameters_window/calibration_dialog.h"

#include "acquisition/demo_generator.h"
#include "instrument/parameter_file.h"
#include "plot/colour.h"
#include "ui/charts_window/charts_window.h"
#include "ui/main_window/analysis_panel.h"
#include "app/settings_file.h"
#include "ui/main_window/figures_panel.h"
#include "ui/main_window/message_queue.h"
#include "ui/main_window/record_list_panel.h"
#include "ui/main_window/recording_panel.h"
#include "ui/main_window/run_panel.h"
#include "ui/main_window/view_panel.h"
#include "ui/parameters_window/parameters_window.h"
#include "ui/parameters_window/tracer_inputs_group.h"
#include "ui/widgets/text_colour.h"
#include "util/text_file.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace sondalog {

ConfigurationLink::ConfigurationLink(MainContext& context, QObject* parent) : QObject(parent), ctx_(context) {}

void ConfigurationLink::WireParameters()
{
    ParametersWindow* params = ctx_.params;
    SettingsStore* store = ctx_.store;
    connect(params, &ParametersWindow::settingsEdited, this, [params, store] { store->settings = params->ReadSettings(store->settings); });
    params->onTableApplied = [this] {
        ApplyTable();
        SettingsChanged();
    };
    for (QRadioButton* mode : {params->RadioButton_car_par_car, params->RadioButton_par_chaine_CSV}) {
        // After the parameters window's own handler, which records the mode.
        connect(mode, &QRadioButton::clicked, this, [this] { SettingsChanged(); });
    }
    params->onDemoChanged = [this](bool on) {
        if (ctx_.runPanel->CheckBox_demo->isChecked() != on) {
            ctx_.runPanel->CheckBox_demo->setChecked(on);
        }
        ApplyTable();
    };
    WireTableButtons();
    connect(params->Button_openCOM_read, &QPushButton::clicked, ctx_.runPanel, &RunPanel::OpenAndRead);
    connect(params->Button_close_COM, &QPushButton::clicked, this, [this] { ctx_.controller->session().CloseSerial(); });
    params->Label2->setText(DecimalSignCaption(ctx_.regional.decimalSign));
    params->onActiveRowChanged = [this](int row) {
        ctx_.store->config.active.activeRow = row;
        ctx_.runPanel->Label_multimetre->setText(ActiveCell(ctx_.store->table, row, col::multimetre, 0));
    };
    params->onDescriptionChanged = [this] {
        InstrumentConfig& config = ctx_.store->config;
        config.active.portDescription = PortDescription(ctx_.store->table, ctx_.params->activeRow);
        ctx_.runPanel->Label_config->setText(config.active.portDescription);
        ctx_.params->Label_config->setText(config.active.portDescription);
    };
    params->onThreeProbesChanged = [this](bool on) { ctx_.runPanel->Button1->setEnabled(on); };
    connect(params->Button5, &QPushButton::clicked, this, &ConfigurationLink::Button1Click);
    params->onFactorChanged = [this](const QString& text) {
        QString factor = text;
        NormalizeDecimal(factor, ctx_.regional.decimalSign);
        ctx_.run().options.areaFactor = ParseReal(factor, ctx_.regional.decimalSign).value;
    };
    params->mainDemo = [this] { return ctx_.runPanel->CheckBox_demo->isChecked(); };
    params->logLine = [this](const QString& line) { ctx_.records->LogLine(line); };
    params->portsInUse = [this] { return ctx_.controller->session().PortsInUse(); };
    params->workingDir = [this] { return ctx_.store->workingDir; };
    ctx_.store->tracer = LoadTracerSettings(ctx_.store->paths().TracerFile());
    ctx_.store->fluorometer = LoadFluorometerSetup(ctx_.store->paths().CalibrationFile());
    params->GroupBox_tracage->Show(ctx_.store->tracer);
    connect(params->GroupBox_tracage->Button_etalonnage, &QPushButton::clicked, this, &ConfigurationLink::OpenCalibration);
    params->GroupBox_tracage->onChanged = [this] {
        ctx_.store->tracer = ctx_.params->GroupBox_tracage->Read();
        const QString file = ctx_.store->paths().TracerFile();
        const QString failure = SaveTracerSettings(file, ctx_.store->tracer);
        if (!failure.isEmpty()) {
            ctx_.info(tr("Impossible d'enregistrer %1 : %2").arg(file, failure));
        }
        ctx_.analysis->Restart();  // new inputs: a new fit at once
    };
}

void ConfigurationLink::OpenCalibration()
{
    // Window-modal, not a nested loop: the run goes on while the calibration is typed.
    auto* dialog = new CalibrationDialog(ctx_.store->fluorometer, ctx_.store->paths().CalibrationFile(), ctx_.params);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        ctx_.store->fluorometer = dialog->saved();
        ApplyTable();  // the charts' titles and units follow the calibration
    });
    dialog->open();
}

void ConfigurationLink::WireTableButtons()
{
    const TableFileCallbacks cb{ctx_.confirm, ctx_.info, [this] { SaveSettingsNow(); }};
    connect(ctx_.params->Button_enreg_param, &QPushButton::clicked, this, [this, cb] {
        if (ctx_.confirm(Message(kSaveTableQuestion))) {
            ctx_.store->config = SaveTableAndApply(ctx_.store->table, ctx_.store->paths().ParameterFile(),
                                                   ctx_.store->config.active.activeRow, ctx_.regional.decimalSign, cb);
            ApplyTable();
        }
    });
    auto reload = [this, cb](const QString& file, bool fromExample) {
        LoadTableFile(ctx_.store->table, file, true, cb, !fromExample);
        ctx_.params->ShowTable();
        ApplyTable();
        LoadSettings();
    };
    connect(ctx_.params->Button_charger_param, &QPushButton::clicked, this,
            [this, reload] { reload(ctx_.store->paths().ParameterFile(), false); });
    connect(ctx_.params->Button_exemple, &QPushButton::clicked, this, [this, reload] {
        const QString example = ctx_.store->paths().ExampleFile();
        if (!ctx_.confirm(AskLoadExample(example))) {
            return;
        }
        if (!QFileInfo::exists(example)) {
            ctx_.info(ExampleMissing(example));
            return;
        }
        reload(example, true);
    });
}

void ConfigurationLink::LoadParameterFile()
{
    // A missing table must not wipe settings the user already has.
    const TableFileCallbacks cb{ctx_.confirm, ctx_.info, [this] {
                                    if (!QFileInfo::exists(ctx_.store->paths().SettingsFile())) {
                                        SaveSettingsNow();
                                    }
                                }};
    LoadTableFile(ctx_.store->table, ctx_.store->paths().ParameterFile(), false, cb);
    ctx_.params->ShowTable();
}

void ConfigurationLink::ApplyTable()
{
    SettingsStore& store = *ctx_.store;
    if (store.table.modified) {
        // A changed table (port, markers, "rep hms") is on disk at once: a crash must not take it away.
        QStringList told;
        const TableFileCallbacks quiet{[](const QString&) { return false; }, [&told](const QString& t) { told << t; }, {}};
        if (!SaveTableFile(store.table, store.paths().ParameterFile(), quiet)) {
            for (const QString& t : told) {
                ctx_.records->LogLine(t);
            }
        }
    }
    store.config = ApplyInstrumentTable(store.table, store.config.active.activeRow, ctx_.regional.decimalSign, ctx_.info);
    ctx_.params->activeRow = store.config.active.activeRow;
    const QuantityConfig& q1 = store.config.q1;
    const QuantityConfig& q2 = store.config.q2;
    RunPanel* run = ctx_.runPanel;
    FiguresPanel* figures = ctx_.figures;
    run->Label_multimetre->setText(run->CheckBox_demo->isChecked() ? kDemoCaption : store.config.active.instrumentName);
    figures->Label_grandeur1->setText(q1.name);
    figures->Label_grand2->setText(q2.name);
    ctx_.view->ShowQuantities(store.config);
    for (QWidget* w : std::initializer_list<QWidget*>{figures->Label_grandeur1, figures->Label_val_grand1,
                                                     figures->Label_multiple_initial, figures->Label_multiple_courant,
                                                     figures->Label_tracage, figures->Label15}) {
        SetTextColour(w, ToQColor(q1.colour));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{figures->Label_grand2, figures->Label_val_grand2}) {
        SetTextColour(w, ToQColor(q2.colour));
    }
    // The table's bounds become the axes only when they are new to the graph (a first load, or changed in the
    // table): an axis the operator or the run set stays until the operator changes it.
    const QStringList tableAxes = {q1.maxText, q1.minText, q1.graduationText, q2.maxText, q2.minText, q2.graduationText};
    const bool axesFromTable = tableAxes != appliedTableAxes_ || ctx_.run().state.series.sampleCount == 0;
    appliedTableAxes_ = tableAxes;
    if (axesFromTable) {
        ctx_.view->TakeTableAxes(store.config);
    }
    // The instrument's units on the charts (its prefix once the first reading told it; µ until then).
    const QString initial = ctx_.run().state.initialPrefix;
    const QString prefix = initial.isEmpty() ? QStringLiteral("µ") : initial;
    const FluorometerCalibration& fluo = store.fluorometer.calibration;
    const std::optional<FluorometerRowLayout> lamps = FluorometerRowLayoutOf(store.config);
    if (lamps && store.fluorometer.Ready() && !store.settings.CheckBox_demo) {
        // A fluorometer: the tracer followed, the water's temperature, another tracer, the turbidity.
        QString followed, other;
        for (const TracerCalibration& t : fluo.tracers) {
            if (t.lamp == lamps->lamp) {
                followed = t.name;
            } else if (other.isEmpty()) {
                other = t.name;
            }
        }
        const bool ntu = !fluo.turbidity.empty();
        ctx_.charts->SetTitles({followed, tr("Température"), other.isEmpty() ? followed : other, tr("Turbidité")});
        ctx_.charts->SetUnits({QStringLiteral("µg/L"), QStringLiteral("°C"), QStringLiteral("µg/L"),
                               ntu ? QStringLiteral("NTU") : QStringLiteral("mV (L4)")});
        run->Button1->setEnabled(true);
    } else {
        ctx_.charts->SetTitles({});
        ctx_.charts->SetUnits({prefix + q1.unit, q2.unit.isEmpty() ? QStringLiteral("°C") : q2.unit, QStringLiteral("pH"),
                               QStringLiteral("%")});
        run->Button1->setEnabled(store.settings.CheckBox_ph_ox_3sondes);
    }
    run->Label_config->setText(store.config.active.portDescription);
    ctx_.params->Label_config->setText(store.config.active.portDescription);
    ctx_.redraw();
}

void ConfigurationLink::LoadSettings()
{
    SettingsStore& store = *ctx_.store;
    store.settings = sondalog::LoadSettings(store.paths().SettingsFile(), store.settings, ctx_.regional.decimalSign, ctx_.info);
    ctx_.recording->ShowSettings(store.settings);
    ctx_.runPanel->CheckBox_demo->setChecked(store.settings.CheckBox_demo);
    ctx_.view->ShowStoredColours(store.settings);
    const Settings shown = store.settings;  // the parameters window's controls rewrite the store as they take it
    ctx_.params->ShowSettings(shown);
    store.settings = ctx_.params->ReadSettings(shown);
    ctx_.controller->backupTimer().setInterval(store.settings.autoSaveIntervalMs);
    if (store.settings.CheckBox_demo) {
        ctx_.runPanel->Label_multimetre->setText(kDemoCaption);
    }
    ctx_.redraw();
}

bool ConfigurationLink::SaveSettingsNow()
{
    ctx_.view->WriteColours(ctx_.store->settings);
    return ctx_.store->Save();
}

void ConfigurationLink::SettingsChanged()
{
    // Written as they change, not only at exit: a crash keeps the port, the mode and the folder.
    if (!startupDone) {
        return;
    }
    if (!SaveSettingsNow()) {
        ctx_.records->LogLine(Message(kCannotCreateFileMessage).arg(ctx_.store->paths().SettingsFile()));
    }
}

QStringList ConfigurationLink::SaveBeforeExit()
{
    QStringList failures;
    if (!SaveSettingsNow()) {
        failures << Message(kCannotCreateFileMessage).arg(ctx_.store->paths().SettingsFile());
    }
    if (ctx_.store->table.modified) {
        QStringList told;
        const TableFileCallbacks cb{ctx_.confirm, [&told](const QString& t) { told << t; }, {}};
        if (!SaveTableFile(ctx_.store->table, ctx_.store->paths().ParameterFile(), cb) && !told.isEmpty()) {
            failures << told;
        }
        ApplyTable();
    }
    return failures;
}

void ConfigurationLink::Button_enreg_paramClick()
{
    const TableFileCallbacks cb{ctx_.confirm, ctx_.info, [this] { SaveSettingsNow(); }};
    SettingsStore& store = *ctx_.store;
    store.config = SaveTableAndApply(store.table, store.paths().ParameterFile(), store.config.active.activeRow,
                                     ctx_.regional.decimalSign, cb);
    ApplyTable();
    if (ctx_.runPanel->CheckBox_demo->isChecked()) {
        ctx_.runPanel->Label_multimetre->setText(kDemoCaption);
    }
}

void ConfigurationLink::CheckBox_demoClick()
{
    const bool demo = ctx_.runPanel->CheckBox_demo->isChecked();
    ctx_.params->SetDemo(demo);
    ctx_.runPanel->Label_multimetre->setText(
        demo ? kDemoCaption : ActiveCell(ctx_.store->table, ctx_.store->config.active.activeRow, col::multimetre, 0));
}

void ConfigurationLink::Button_parametresClick()
{
    if (ctx_.params->isVisible()) {
        ctx_.params->hide();
    } else {
        ctx_.params->show();
        ctx_.params->activateWindow();
    }
}

void ConfigurationLink::Button1Click()
{
    ChartsWindow* charts = ctx_.charts;
    QWidget* window = ctx_.runPanel->window();
    if (!charts->isVisible()) {
        // As large as the main window, centred on its screen.
        charts->resize(window->size());
        if (const QScreen* screen = window->screen()) {
            const QRect r = screen->availableGeometry();
            charts->move(r.x() + std::max(0, (r.width() - window->width()) / 2),
                         r.y() + std::max(0, (r.height() - window->height()) / 2));
        }
    }
    charts->show();
    charts->raise();
    charts->activateWindow();
}

void ConfigurationLink::AskDecimalSign()
{
    const int choice = ctx_.store->settings.RadioGroup_signe_decimal;
    const QChar pcSign = ctx_.regional.decimalSign;
    const QString question = DecimalSignQuestion(choice, pcSign);
    const QString settingsFile = ctx_.store->paths().SettingsFile();
    if (question.isEmpty() || ReadSettingsLine(settingsFile, kDecimalQuestionDeclinedLine) == QString(pcSign)) {
        return;
    }
    // Asked once the start-up messages are read, and not again once answered.
    ctx_.messages->AfterMessages([this, choice, pcSign, question, settingsFile] {
        if (ctx_.confirm(question)) {
            (choice == 0 ? ctx_.params->RadioButton_point : ctx_.params->RadioButton_virgule)->setChecked(true);
            SettingsChanged();
        } else {
            SetTextColour(ctx_.params->Label2, Qt::red);
            QStringList lines = ReadSettingsLines(settingsFile);
            lines[kDecimalQuestionDeclinedLine - 1] = QString(pcSign);
            WriteSettingsLines(settingsFile, lines);
        }
    });
}

}  // namespace sondalog
