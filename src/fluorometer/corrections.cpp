#include "fluorometer/corrections.h"

#include "util/translate.h"

#include <algorithm>
#include <cmath>

namespace sondalog {

namespace {
constexpr int kMaxIterations = 200;

double Water(const FluorometerCalibration& c, int lamp)
{
    return (*c.water)[static_cast<std::size_t>(lamp - 1)];
}

/// Solves a small square system by Gaussian elimination with partial pivoting; false when it is singular
/// (a pivot below `tiny` times the matrix's largest entry).
bool Solve(std::vector<std::vector<double>> a, std::vector<double> b, std::vector<double>& x)
{
    const std::size_t n = b.size();
    double largest = 0;
    for (const auto& row : a) {
        for (double v : row) {
            largest = std::max(largest, std::abs(v));
        }
    }
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < n; ++r) {
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) {
                pivot = r;
            }
        }
        if (!(std::abs(a[pivot][col]) > 1e-9 * largest)) {
            return false;
        }
        std::swap(a[pivot], a[col]);
        std::swap(b[pivot], b[col]);
        for (std::size_t r = col + 1; r < n; ++r) {
            const double f = a[r][col] / a[col][col];
            for (std::size_t k = col; k < n; ++k) {
                a[r][k] -= f * a[col][k];
            }
            b[r] -= f * b[col];
        }
    }
    x.assign(n, 0);
    for (std::size_t r = n; r-- > 0;) {
        double s = b[r];
        for (std::size_t k = r + 1; k < n; ++k) {
            s -= a[r][k] * x[k];
        }
        x[r] = s / a[r][r];
    }
    return true;
}

using Lamps = std::array<std::optional<double>, kLamps>;

QString TurbidityStep(std::vector<Lamps>& lamps, const FluorometerCalibration& c, double strength)
{
    if (c.turbidity.size() < 2) {
        return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "correction de turbidité : il faut au moins deux étalons de turbidité"));
    }
    std::array<TurbidityShare, 3> shares;
    for (const TracerCalibration& t : c.tracers) {
        shares[static_cast<std::size_t>(t.lamp - 1)] = FitTurbidityShare(c, t.lamp);
        if (!shares[static_cast<std::size_t>(t.lamp - 1)].ok) {
            return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "correction de turbidité : les étalons de turbidité ne sont pas au-dessus de l'eau sur "
                                  "L%1 et L4"))
                .arg(t.lamp);
        }
    }
    for (Lamps& l : lamps) {
        if (!l[3]) {
            continue;
        }
        const double x = *l[3] - Water(c, 4);
        for (const TracerCalibration& t : c.tracers) {
            std::optional<double>& lk = l[static_cast<std::size_t>(t.lamp - 1)];
            if (lk) {
                *lk -= strength * shares[static_cast<std::size_t>(t.lamp - 1)].At(x);
            }
        }
    }
    return {};
}

void TemperatureStep(std::vector<Lamps>& lamps, const FluorometerFile& file, const FluorometerCalibration& c,
                     const FluorometerCorrections& k)
{
    for (std::size_t r = 0; r < lamps.size(); ++r) {
        for (std::size_t i = 0; i < c.tracers.size(); ++i) {
            const double n = k.temperatureN[i];
            const int lamp = c.tracers[i].lamp;
            std::optional<double>& l = lamps[r][static_cast<std::size_t>(lamp - 1)];
            if (n == 0 || !l) {
                continue;
            }
            const std::optional<double>& t = file.readings[r].temperature;
            // Without the water's temperature the dye's signal cannot be brought to T_ref: no value, never a guess.
            l = t ? std::optional<double>(Water(c, lamp) + (*l - Water(c, lamp)) * std::exp(n * (*t - k.referenceTemperature)))
                  : std::nullopt;
        }
    }
}

QString BackgroundStep(std::vector<Lamps>& lamps, const FluorometerFile& file, const FluorometerCalibration& c,
                       const FluorometerCorrections& k, qint64 t0Ms, CorrectedReadings& out)
{
    for (const TracerCalibration& t : c.tracers) {
        const int lamp = t.lamp;
        std::vector<int> x;
        for (int j : k.backgroundLamps) {
            if (j != lamp && j >= 1 && j <= kLamps) {
                x.push_back(j);
            }
        }
        const std::size_t p = x.size() + 1;
        std::vector<std::vector<double>> ata(p, std::vector<double>(p, 0));
        std::vector<double> aty(p, 0);
        std::vector<std::pair<std::vector<double>, double>> used;
        for (std::size_t r = 0; r < lamps.size(); ++r) {
            const double hours = static_cast<double>(file.readings[r].instantMs - t0Ms) / 3.6e6;
            if (hours >= k.windowStartHours && hours <= k.windowEndHours) {
                continue;  // the passage: the dye is there
            }
            std::vector<double> row{1.0};
            bool complete = lamps[r][static_cast<std::size_t>(lamp - 1)].has_value();
            for (int j : x) {
                complete = complete && lamps[r][static_cast<std::size_t>(j - 1)].has_value();
                row.push_back(complete ? *lamps[r][static_cast<std::size_t>(j - 1)] : 0);
            }
            if (!complete) {
                continue;
            }
            const double y = *lamps[r][static_cast<std::size_t>(lamp - 1)];
            for (std::size_t a = 0; a < p; ++a) {
                for (std::size_t b = 0; b < p; ++b) {
                    ata[a][b] += row[a] * row[b];
                }
                aty[a] += row[a] * y;
            }
            used.emplace_back(row, y);
        }
        std::vector<double> beta;
        if (used.size() < p + 2 || !Solve(ata, aty, beta)) {
            return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "fond naturel de L%1 : trop peu de mesures hors de la fenêtre du passage, ou des lampes "
                                  "qui ne varient pas"))
                .arg(lamp);
        }
        double mean = 0, rss = 0, tss = 0;
        for (const auto& u : used) {
            mean += u.second;
        }
        mean /= static_cast<double>(used.size());
        for (const auto& [row, y] : used) {
            double fit = 0;
            for (std::size_t a = 0; a < p; ++a) {
                fit += beta[a] * row[a];
            }
            rss += (y - fit) * (y - fit);
            tss += (y - mean) * (y - mean);
        }
        out.backgroundR2[static_cast<std::size_t>(lamp - 1)] = tss > 0 ? 1 - rss / tss : 1.0;
        for (Lamps& l : lamps) {
            std::optional<double>& y = l[static_cast<std::size_t>(lamp - 1)];
            double prediction = beta[0];
            bool complete = y.has_value();
            for (std::size_t a = 0; a < x.size(); ++a) {
                const std::optional<double>& v = l[static_cast<std::size_t>(x[a] - 1)];
                complete = complete && v.has_value();
                prediction += complete ? beta[a + 1] * *v : 0;
            }
            // What the other lamps say of the background goes; the water's own level stays.
            y = complete ? std::optional<double>(*y - prediction + Water(c, lamp)) : std::nullopt;
        }
    }
    return {};
}

/// The dyes present together, solved through their responses on each other's lamps.
QString CrosstalkStep(const std::vector<Lamps>& lamps, const FluorometerFile& file, const FluorometerCalibration& c,
                      const std::vector<int>& present, CorrectedReadings& out)
{
    const std::size_t m = present.size();
    std::vector<std::vector<double>> response(m, std::vector<double>(m, 0));  // [lamp of a][dye b], mV per ppb
    for (std::size_t b = 0; b < m; ++b) {
        const TracerCalibration& dye = c.tracers[static_cast<std::size_t>(present[b] - 1)];
        if (!dye.allLamps || !(dye.allLampsPpb > 0)) {
            return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "diaphonie : les signaux de toutes les lampes pour l'étalon de %1 manquent")).arg(dye.name);
        }
        for (std::size_t a = 0; a < m; ++a) {
            const int lamp = c.tracers[static_cast<std::size_t>(present[a] - 1)].lamp;
            response[a][b] = ((*dye.allLamps)[static_cast<std::size_t>(lamp - 1)] - Water(c, lamp)) / dye.allLampsPpb;
        }
    }
    std::vector<double> probe;
    if (!Solve(response, std::vector<double>(m, 1.0), probe)) {
        return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "diaphonie : matrice des réponses singulière (deux traceurs lus de la même façon) : refusée"));
    }
    for (std::size_t r = 0; r < lamps.size(); ++r) {
        std::vector<double> delta(m);
        bool complete = true;
        for (std::size_t a = 0; a < m; ++a) {
            const int lamp = c.tracers[static_cast<std::size_t>(present[a] - 1)].lamp;
            const std::optional<double>& l = lamps[r][static_cast<std::size_t>(lamp - 1)];
            complete = complete && l.has_value();
            delta[a] = l ? *l - Water(c, lamp) : 0;
        }
        if (!complete) {
            continue;
        }
        std::vector<double> conc;
        Solve(response, delta, conc);  // the linear answer, and the start of the iteration
        // Each dye's own lamp freed of the others' share, then read through its own calibration.
        bool settled = false;
        for (int it = 0; it < kMaxIterations && !settled; ++it) {
            settled = true;
            for (std::size_t a = 0; a < m; ++a) {
                double own = delta[a];
                for (std::size_t b = 0; b < m; ++b) {
                    own -= b == a ? 0 : response[a][b] * std::max(0.0, conc[b]);
                }
                const int lamp = c.tracers[static_cast<std::size_t>(present[a] - 1)].lamp;
                const double next = c.Ppb(present[a] - 1, Water(c, lamp) + own).value_or(0);
                settled = settled && std::abs(next - conc[a]) <= 1e-9 * (1 + std::abs(next));
                conc[a] = next;
            }
        }
        if (!settled) {
            return Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ligne %1 : diaphonie sans solution stable (étalonnages trop éloignés des réponses)"))
                .arg(file.readings[r].line);
        }
        for (std::size_t a = 0; a < m; ++a) {
            out.ppb[r][static_cast<std::size_t>(present[a] - 1)] = conc[a];
        }
    }
    return {};
}
}  // namespace

double TurbidityShare::At(double x) const
{
    return ok && x > 0 ? std::exp(a + b * std::log(x)) : 0;
}

TurbidityShare FitTurbidityShare(const FluorometerCalibration& c, int lamp)
{
    TurbidityShare s;
    if (!c.water || lamp < 1 || lamp > 3) {
        return s;
    }
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const TurbidityStandard& t : c.turbidity) {
        const double x = t.millivolts[3] - Water(c, 4);
        const double y = t.millivolts[static_cast<std::size_t>(lamp - 1)] - Water(c, lamp);
        if (!(x > 0) || !(y > 0)) {
            return s;
        }
        n += 1;
        sx += std::log(x);
        sy += std::log(y);
        sxx += std::log(x) * std::log(x);
        sxy += std::log(x) * std::log(y);
    }
    const double det = n * sxx - sx * sx;
    if (n < 2 || !(det > 0)) {
        return s;
    }
    s.b = (n * sxy - sx * sy) / det;
    s.a = (sy - s.b * sx) / n;
    s.ok = std::isfinite(s.a) && std::isfinite(s.b);
    return s;
}

CorrectedReadings CorrectReadings(const FluorometerFile& file, const FluorometerCalibration& c,
                                  const FluorometerCorrections& k, qint64 t0Ms)
{
    CorrectedReadings out;
    out.error = c.Problem();
    if (!out.error.isEmpty()) {
        return out;
    }
    std::vector<Lamps> lamps;
    lamps.reserve(file.readings.size());
    for (const FluorometerReading& r : file.readings) {
        lamps.push_back(r.lamps);
    }
    if (k.turbidityStrength > 0) {
        out.error = TurbidityStep(lamps, c, k.turbidityStrength);
    }
    if (out.error.isEmpty()) {
        TemperatureStep(lamps, file, c, k);
    }
    if (out.error.isEmpty() && k.background) {
        out.error = BackgroundStep(lamps, file, c, k, t0Ms, out);
    }
    out.ppb.assign(lamps.size(), {});
    for (std::size_t r = 0; out.error.isEmpty() && r < lamps.size(); ++r) {
        for (std::size_t i = 0; i < c.tracers.size(); ++i) {
            const std::optional<double>& l = lamps[r][static_cast<std::size_t>(c.tracers[i].lamp - 1)];
            out.ppb[r][i] = l ? c.Ppb(static_cast<int>(i), *l) : std::nullopt;
        }
    }
    if (out.error.isEmpty() && !k.crosstalkTracers.empty()) {
        const bool valid = k.crosstalkTracers.size() >= 2 &&
                           std::all_of(k.crosstalkTracers.begin(), k.crosstalkTracers.end(), [&c](int t) {
                               return t >= 1 && t <= static_cast<int>(c.tracers.size());
                           });
        out.error = valid ? CrosstalkStep(lamps, file, c, k.crosstalkTracers, out)
                          : Message(QT_TRANSLATE_NOOP("sondalog::Messages", "diaphonie : deux ou trois traceurs de l'étalonnage (1 à %1)")).arg(c.tracers.size());
    }
    if (!out.error.isEmpty()) {
        out.ppb.clear();  // nothing corrected half-way
    }
    return out;
}

double ConductivityAt25(double conductivity, double temperature, double alpha)
{
    return conductivity * std::exp(-alpha * (temperature - 25));
}

bool FluorometerCorrections::AnyReadingByReading() const
{
    return turbidityStrength > 0 || crosstalkTracers.size() >= 2 ||
           std::any_of(temperatureN.begin(), temperatureN.end(), [](double n) { return n != 0; });
}

QStringList FluorometerCorrections::Lines() const
{
    auto num = [](double v) { return QString::number(v, 'g', 10); };
    QStringList lamps, tracers;
    for (int l : backgroundLamps) {
        lamps << QString::number(l);
    }
    for (int t : crosstalkTracers) {
        tracers << QString::number(t);
    }
    const QString p = QStringLiteral("correction.");
    return {p + QStringLiteral("ordre=turbidite,temperature,fond,diaphonie"),
            p + QStringLiteral("turbidite=") + num(turbidityStrength),
            p + QStringLiteral("temperature=") + num(temperatureN[0]) + u' ' + num(temperatureN[1]) + u' ' +
                num(temperatureN[2]) + QStringLiteral(" ref ") + num(referenceTemperature),
            p + QStringLiteral("fond=") + (background ? lamps.join(u',') + QStringLiteral(" hors ") + num(windowStartHours) +
                                                           u',' + num(windowEndHours)
                                                     : QString()),
            p + QStringLiteral("diaphonie=") + tracers.join(u',')};
}

FluorometerCorrections FluorometerCorrections::FromLines(const QStringList& lines, QString* error)
{
    FluorometerCorrections k;
    const QString p = QStringLiteral("correction.");
    auto numbers = [](const QString& text, QChar sep) {
        std::vector<double> v;
        for (const QString& f : text.split(sep, Qt::SkipEmptyParts)) {
            bool ok = false;
            const double d = f.trimmed().toDouble(&ok);
            v.push_back(ok ? d : std::nan(""));
        }
        return v;
    };
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (!line.startsWith(p)) {
            continue;
        }
        const QString key = line.section(u'=', 0, 0).mid(p.size());
        const QString value = line.section(u'=', 1).trimmed();
        bool ok = true;
        if (key == QLatin1String("turbidite")) {
            k.turbidityStrength = value.toDouble(&ok);
            ok = ok && k.turbidityStrength >= 0 && k.turbidityStrength <= 2;
        } else if (key == QLatin1String("temperature")) {
            const std::vector<double> n = numbers(value.section(QStringLiteral(" ref "), 0, 0), u' ');
            ok = n.size() == kMaxTracers && std::all_of(n.begin(), n.end(), [](double d) { return std::isfinite(d); });
            for (std::size_t i = 0; ok && i < n.size(); ++i) {
                k.temperatureN[i] = n[i];
            }
            if (value.contains(QStringLiteral(" ref "))) {
                k.referenceTemperature = value.section(QStringLiteral(" ref "), 1).toDouble(&ok);
            }
        } else if (key == QLatin1String("fond") && !value.isEmpty()) {
            k.background = true;
            for (double l : numbers(value.section(QStringLiteral(" hors "), 0, 0), u',')) {
                ok = ok && l >= 1 && l <= kLamps;
                k.backgroundLamps.push_back(static_cast<int>(l));
            }
            const std::vector<double> w = numbers(value.section(QStringLiteral(" hors "), 1), u',');
            ok = ok && w.size() == 2 && std::isfinite(w[0]) && std::isfinite(w[1]);
            if (ok) {
                k.windowStartHours = w[0];
                k.windowEndHours = w[1];
            }
        } else if (key == QLatin1String("diaphonie") && !value.isEmpty()) {
            for (double t : numbers(value, u',')) {
                ok = ok && t >= 1 && t <= kMaxTracers;
                k.crosstalkTracers.push_back(static_cast<int>(t));
            }
        }
        if (!ok && error) {
            *error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "correction illisible : %1")).arg(line);
        }
    }
    return k;
}

}  // namespace sondalog
