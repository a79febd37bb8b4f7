#include "app/run_options.h"

#include "acquisition/demo_generator.h"
#include "acquisition/fluorometer_rows.h"

namespace sondalog {

ProcessOptions MakeProcessOptions(const Settings& settings, const InstrumentTable& table,
                                  const InstrumentConfig& config, const Regional& regional)
{
    ProcessOptions o;
    o.demo = settings.CheckBox_demo;
    o.mode = settings.CheckBox_demo || settings.readMode != 1 ? ReadMode::Character : ReadMode::StringCsv;
    o.withoutProcessing = settings.CheckBox_lecture_sans_traitement;
    o.threeProbes = settings.CheckBox_ph_ox_3sondes;
    o.phMarker = settings.Edit_pH;
    o.oxMarker = settings.Edit_ox;
    o.decimalsSetting = settings.Edit_nb_decimale_1;
    o.factorText = settings.Edit_facteur;
    o.areaFactor = settings.areaFactor;
    o.recordingDecimalSign = settings.RadioGroup_signe_decimal;
    o.prefix = settings.Edit_Prefixe;
    o.instrumentCaption = settings.CheckBox_demo ? kDemoCaption : config.active.instrumentName;
    o.intervalCell = ActiveCell(table, config.active.activeRow, col::intervalle, 0);
    o.regional = regional;
    return o;
}

QString PrepareInstrumentRun(const Settings& settings, const FluorometerSetup& fluorometer, InstrumentConfig& config,
                             ProcessOptions& options, BlockOptions& block)
{
    QString why;
    if (!settings.CheckBox_demo && PrepareFluorometerRun(config, options, block, fluorometer, why) && why.isEmpty()) {
        // The calibration goes with the recording, in its header line.
        options.extraHeader += QStringLiteral("\tétalonnage : ") + FluorometerSetupLines(fluorometer).join(QStringLiteral(" ; "));
    }
    return why;
}

BlockOptions MakeBlockOptions(const Settings& settings)
{
    BlockOptions b;
    b.threeProbes = settings.CheckBox_ph_ox_3sondes;
    b.phMarker = settings.Edit_pH;
    b.oxMarker = settings.Edit_ox;
    b.blockKeyChoice = settings.ComboBox_cond_ph_ox;
    return b;
}

}  // namespace sondalog
