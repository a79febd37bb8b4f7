#include "fluorometer/calibration_form.h"

#include "fluorometer/calibration_file.h"
#include "util/translate.h"

namespace sondalog {

namespace {
/// A typed number list with its decimal commas made points (',' between numbers is no separator here).
QString Points(const QString& text)
{
    return QString(text).replace(u',', u'.').simplified();
}

/// Numbers typed with any of ',', ';' or blanks between them (lists of lamps or tracers: whole numbers).
QString List(const QString& text)
{
    QString t = text;
    t.replace(u';', u' ').replace(u',', u' ');
    return t.simplified().replace(u' ', u',');
}

QString Comma(const QString& text)
{
    return QString(text).replace(u'.', u',');
}

QString Num(double v)
{
    return Comma(QString::number(v, 'g', 10));
}
}  // namespace

FluorometerSetup SetupFromForm(const CalibrationForm& f)
{
    const QString& p = kCalibrationKeyPrefix;
    QStringList lines{p + QStringLiteral("instrument=") + f.instrument.trimmed(),
                      p + QStringLiteral("date=") + (f.date.isValid() ? f.date.toString(Qt::ISODate) : QString())};
    if (!f.water.trimmed().isEmpty()) {
        lines << p + QStringLiteral("eau=") + Points(f.water);
    }
    int n = 0;
    for (const CalibrationForm::Tracer& t : f.tracers) {
        if (t.name.trimmed().isEmpty()) {
            continue;
        }
        const QString key = p + QStringLiteral("traceur%1").arg(++n);
        lines << key + u'=' + t.name.trimmed() << key + QStringLiteral(".lampe=") + QString::number(t.lamp)
              << key + QStringLiteral(".etalons=") + Points(t.standards);
        if (!t.allLamps.trimmed().isEmpty()) {
            lines << key + QStringLiteral(".lampes=") + Points(t.allLamps);
        }
    }
    for (const QString& standard : f.turbidity.split(u';', Qt::SkipEmptyParts)) {
        lines << p + QStringLiteral("turbidite=") + Points(standard);
    }
    FluorometerSetup s;
    const CalibrationRead read = ReadCalibrationLines(lines);
    s.calibration = read.calibration;
    s.error = read.error;
    FluorometerCorrections& k = s.corrections;
    k.turbidityStrength = f.turbidityStrength;
    QStringList own{QStringLiteral("correction.temperature=") + (f.temperature.trimmed().isEmpty()
                                                                    ? QStringLiteral("0 0 0")
                                                                    : Points(f.temperature))};
    if (!f.crosstalk.trimmed().isEmpty()) {
        own << QStringLiteral("correction.diaphonie=") + List(f.crosstalk);
    }
    if (!f.backgroundLamps.trimmed().isEmpty()) {
        own << QStringLiteral("correction.fond=") + List(f.backgroundLamps) + QStringLiteral(" hors ") +
                   Points(f.window.section(u';', 0, 0)) + u',' + Points(f.window.section(u';', 1, 1));
    }
    QString problem;
    const FluorometerCorrections typed = FluorometerCorrections::FromLines(own, &problem);
    k.temperatureN = typed.temperatureN;
    k.crosstalkTracers = typed.crosstalkTracers;
    k.background = typed.background;
    k.backgroundLamps = typed.backgroundLamps;
    k.windowStartHours = typed.windowStartHours;
    k.windowEndHours = typed.windowEndHours;
    if (s.error.isEmpty() && !problem.isEmpty()) {
        s.error = problem;
    }
    if (s.error.isEmpty() && k.background && !(k.windowEndHours > k.windowStartHours)) {
        s.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "fond naturel : la fenêtre du passage demande deux heures depuis t0, la première avant "
                                 "la seconde (ex. 4 ; 20)"));
    }
    return s;
}

CalibrationForm FormFromSetup(const FluorometerSetup& s)
{
    CalibrationForm f;
    const FluorometerCalibration& c = s.calibration;
    f.instrument = c.instrument;
    f.date = c.date;
    auto lamps = [](const LampSignals& mv) -> QString {
        return Num(mv[0]) + u' ' + Num(mv[1]) + u' ' + Num(mv[2]) + u' ' + Num(mv[3]);
    };
    if (c.water) {
        f.water = lamps(*c.water);
    }
    for (std::size_t i = 0; i < c.tracers.size() && i < f.tracers.size(); ++i) {
        const TracerCalibration& t = c.tracers[i];
        CalibrationForm::Tracer& out = f.tracers[i];
        out.name = t.name;
        out.lamp = t.lamp;
        QStringList standards;
        for (const Standard& st : t.standards) {
            standards << Num(st.value) + u':' + Num(st.millivolts);
        }
        out.standards = standards.join(u' ');
        if (t.allLamps) {
            out.allLamps = Num(t.allLampsPpb) + u':' + lamps(*t.allLamps);
        }
    }
    QStringList turbidity;
    for (const TurbidityStandard& t : c.turbidity) {
        turbidity << Num(t.ntu) + u':' + lamps(t.millivolts);
    }
    f.turbidity = turbidity.join(QStringLiteral(" ; "));
    const FluorometerCorrections& k = s.corrections;
    f.turbidityStrength = k.turbidityStrength;
    f.temperature = Num(k.temperatureN[0]) + u' ' + Num(k.temperatureN[1]) + u' ' + Num(k.temperatureN[2]);
    QStringList tracers, background;
    for (int t : k.crosstalkTracers) {
        tracers << QString::number(t);
    }
    for (int l : k.backgroundLamps) {
        background << QString::number(l);
    }
    f.crosstalk = tracers.join(u' ');
    f.backgroundLamps = k.background ? background.join(u' ') : QString();
    f.window = k.background ? Num(k.windowStartHours) + QStringLiteral(" ; ") + Num(k.windowEndHours) : QString();
    return f;
}

}  // namespace sondalog
