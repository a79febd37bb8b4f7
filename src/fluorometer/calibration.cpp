#include "fluorometer/calibration.h"

#include "util/translate.h"

#include <cmath>

namespace sondalog {

double FromStandards(const std::vector<Standard>& s, double delta)
{
    if (!(delta > 0) || s.empty()) {
        return 0;
    }
    if (s.size() == 1) {
        return s[0].value * delta / s[0].millivolts;
    }
    // Lagrange's form of the polynomial through the standards, in logarithms.
    const double x = std::log(delta);
    double y = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        double term = std::log(s[i].value);
        for (std::size_t j = 0; j < s.size(); ++j) {
            if (j != i) {
                term *= (x - std::log(s[j].millivolts)) / (std::log(s[i].millivolts) - std::log(s[j].millivolts));
            }
        }
        y += term;
    }
    return std::exp(y);
}

namespace {
/// Standards above the blank `water`, or why they cannot serve: each above the water, increasing in value and
/// in signal (a polynomial through them is then a conversion, not a guess).
QString AboveBlank(const std::vector<Standard>& standards, double water, const QString& what, std::vector<Standard>* out)
{
    if (standards.empty() || standards.size() > 3) {
        return what + Message(QT_TRANSLATE_NOOP("sondalog::Messages", " : il faut 1 à 3 étalons"));
    }
    for (std::size_t i = 0; i < standards.size(); ++i) {
        const Standard& s = standards[i];
        const double delta = s.millivolts - water;
        if (!(s.value > 0) || !(delta > 0) || !std::isfinite(s.value) || !std::isfinite(delta)) {
            return what + Message(QT_TRANSLATE_NOOP("sondalog::Messages", " : l'étalon %1 n'est pas au-dessus de l'eau (%2 mV, eau %3 mV)"))
                              .arg(s.value)
                              .arg(s.millivolts)
                              .arg(water);
        }
        if (i > 0 && !(s.value > standards[i - 1].value && s.millivolts > standards[i - 1].millivolts)) {
            return what + Message(QT_TRANSLATE_NOOP("sondalog::Messages", " : étalons non croissants (%1 après %2)")).arg(s.value).arg(standards[i - 1].value);
        }
        if (out) {
            out->push_back({s.value, delta});
        }
    }
    return {};
}
}  // namespace

QString FluorometerCalibration::Problem() const
{
    if (!water) {
        return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "étalonnage sans eau (blanc) : aucune conversion"));
    }
    if (tracers.empty() || tracers.size() > kMaxTracers) {
        return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "étalonnage : il faut 1 à 3 traceurs"));
    }
    for (const TracerCalibration& t : tracers) {
        if (t.lamp < 1 || t.lamp > 3) {
            return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "étalonnage de %1 : lampe %2 (un traceur se lit sur L1, L2 ou L3)")).arg(t.name).arg(t.lamp);
        }
        const QString problem = AboveBlank(t.standards, (*water)[static_cast<std::size_t>(t.lamp - 1)],
                                           Message(QT_TRANSLATE_NOOP("sondalog::Messages", "étalonnage de %1")).arg(t.name), nullptr);
        if (!problem.isEmpty()) {
            return problem;
        }
    }
    if (!turbidity.empty()) {
        std::vector<Standard> l4;
        for (const TurbidityStandard& s : turbidity) {
            l4.push_back({s.ntu, s.millivolts[3]});
        }
        return AboveBlank(l4, (*water)[3], Message(QT_TRANSLATE_NOOP("sondalog::Messages", "étalons de turbidité")), nullptr);
    }
    return {};
}

std::optional<double> FluorometerCalibration::Ppb(int index, double millivolts) const
{
    if (!water || index < 0 || index >= static_cast<int>(tracers.size())) {
        return std::nullopt;
    }
    const TracerCalibration& t = tracers[static_cast<std::size_t>(index)];
    if (t.lamp < 1 || t.lamp > 3) {
        return std::nullopt;
    }
    const double blank = (*water)[static_cast<std::size_t>(t.lamp - 1)];
    std::vector<Standard> above;
    if (!AboveBlank(t.standards, blank, t.name, &above).isEmpty()) {
        return std::nullopt;  // never a figure from a calibration that cannot convert
    }
    return FromStandards(above, millivolts - blank);
}

std::optional<double> FluorometerCalibration::Ntu(double l4Millivolts) const
{
    if (!water || turbidity.empty()) {
        return std::nullopt;
    }
    std::vector<Standard> l4, above;
    for (const TurbidityStandard& s : turbidity) {
        l4.push_back({s.ntu, s.millivolts[3]});
    }
    if (!AboveBlank(l4, (*water)[3], {}, &above).isEmpty()) {
        return std::nullopt;
    }
    return FromStandards(above, l4Millivolts - (*water)[3]);
}

}  // namespace sondalog
