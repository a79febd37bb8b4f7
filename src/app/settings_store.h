#pragma once
// The configuration a session works with, held outside the windows: the settings of both windows, the
// instrument table and the configuration derived from it, the tracer inputs and the working folder.
// The windows edit it as their controls change; every save reads it, never a control.

#include "analysis/tracer_inputs_file.h"
#include "app/config_paths.h"
#include "app/settings.h"
#include "fluorometer/fluorometer_setup.h"
#include "instrument/instrument_config.h"
#include "instrument/instrument_table.h"
#include "util/regional.h"

#include <QObject>

namespace sondalog {

class SettingsStore : public QObject {
    Q_OBJECT
public:
    SettingsStore(const ConfigPaths& paths, const Regional& regional, QObject* parent = nullptr);

    const ConfigPaths& paths() const { return paths_; }
    const Regional& regional() const { return regional_; }

    Settings settings;        ///< as the controls last set them
    InstrumentTable table;    ///< the instrument table the parameters window edits
    InstrumentConfig config;  ///< the table applied to its active row
    TracerSettings tracer;    ///< the tracer test's inputs
    FluorometerSetup fluorometer;  ///< a fluorometer's calibration and corrections
    QString workingDir;       ///< where recordings go, with its trailing separator

    /// The settings as the settings file keeps them: the folder with its separator, the area factor read.
    Settings Complete() const;
    /// Writes the settings file; false when it could not be written.
    bool Save() const;
    /// The settings file read again, over the current settings (what it lacks keeps its value).
    Settings Stored(const InfoSink& info = {}) const;

signals:
    /// A setting changed by a window: the store's owner writes the file.
    void edited();

public:
    /// The windows call this after writing into `settings`.
    void Edited() { emit edited(); }

private:
    ConfigPaths paths_;
    Regional regional_;
};

}  // namespace sondalog
