#pragma once
// The calibration panel's boxes as text, the way a user types them (a decimal comma or point), to and
// from a calibration and its corrections: the panel stays a view, the reading and the checks are here.

#include "fluorometer/fluorometer_setup.h"

#include <QDate>
#include <QString>

#include <array>

namespace sondalog {

struct CalibrationForm {
    QString instrument;
    QDate date;
    QString water;  ///< "1,19 10,2 5,3 0,8": L1 … L4 in clean water, mV
    struct Tracer {
        QString name;       ///< empty: no tracer in this place
        int lamp = 1;
        QString standards;  ///< "10:65,47 100:614,25": ppb:mV on its lamp, increasing
        QString allLamps;   ///< "100:614,25 40,6 8,1 1,2": one standard's ppb and every lamp's mV (cross-talk)
    };
    std::array<Tracer, kMaxTracers> tracers;
    QString turbidity;  ///< "1:2,19 11,4 6 20,8 ; 10:… ; 100:…": NTU and every lamp's mV
    // The corrections.
    double turbidityStrength = 0;
    QString temperature;  ///< "0,0036 0 0": n per tracer, per °C
    QString crosstalk;    ///< "1,2": the tracers present together
    QString backgroundLamps;  ///< "3" or "3 4": the lamps the background is regressed on (empty: off)
    QString window;           ///< "4 ; 20": the passage in hours since t0
};

/// The calibration and corrections the boxes say; `error` set (in French, naming the box) when they cannot
/// convert or cannot be read.
FluorometerSetup SetupFromForm(const CalibrationForm& form);
CalibrationForm FormFromSetup(const FluorometerSetup& setup);

}  // namespace sondalog
