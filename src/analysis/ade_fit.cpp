#include "analysis/ade_fit.h"

#include "util/translate.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace sondalog {

namespace {
constexpr std::size_t kMaxFitPoints = 2000;  // longer curves are averaged by packets first
constexpr double kPi = 3.14159265358979323846;

struct FitData {
    std::vector<double> t;
    std::vector<double> c;
    double x = 0;
    double injection = 0;  ///< seconds the injection lasted
};

// Parameters are the logarithms of v, D and A (they stay positive whatever step is tried) and the background's
// offset: the background is an estimate too, and its error belongs in the curve's standard errors.
int Residuals(const gsl_vector* p, void* params, gsl_vector* f)
{
    const auto* data = static_cast<const FitData*>(params);
    const double v = std::exp(gsl_vector_get(p, 0));
    const double d = std::exp(gsl_vector_get(p, 1));
    const double a = std::exp(gsl_vector_get(p, 2));
    const double offset = gsl_vector_get(p, 3);
    for (std::size_t i = 0; i < data->t.size(); ++i) {
        const double model = AdePulseConcentration(data->t[i], data->x, v, d, a, data->injection) + offset;
        gsl_vector_set(f, i, std::isfinite(model) ? model - data->c[i] : 1e30);
    }
    return GSL_SUCCESS;
}

/// Long curves are averaged by packets of equal time (a day of one reading a second weighs as much as a day of
/// one a minute), and a packet never spans a gap: a point between two readings hours apart would be no reading.
void PacketsByTime(const std::vector<std::pair<double, double>>& curve, FitData& data)
{
    const double span = curve.back().first - curve.front().first;
    const double packet = curve.size() > kMaxFitPoints && span > 0 ? span / kMaxFitPoints : 0;
    std::vector<double> steps;
    for (std::size_t i = 1; i < curve.size(); ++i) {
        steps.push_back(curve[i].first - curve[i - 1].first);
    }
    std::nth_element(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2), steps.end());
    const double gap = 3 * std::max(steps.empty() ? 0.0 : steps[steps.size() / 2], 1e-9);
    double st = 0, sc = 0, first = curve.front().first;
    std::size_t k = 0;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const bool gapBefore = i > 0 && curve[i].first - curve[i - 1].first > gap;
        if (k > 0 && (gapBefore || curve[i].first - first > packet)) {
            data.t.push_back(st / static_cast<double>(k));
            data.c.push_back(sc / static_cast<double>(k));
            st = sc = 0;
            k = 0;
        }
        if (k == 0) {
            first = curve[i].first;
        }
        st += curve[i].first;
        sc += curve[i].second;
        ++k;
    }
    data.t.push_back(st / static_cast<double>(k));
    data.c.push_back(sc / static_cast<double>(k));
}

struct Workspace {
    gsl_multifit_nlinear_workspace* w = nullptr;
    ~Workspace() { if (w) gsl_multifit_nlinear_free(w); }
};
}  // namespace

double AdeConcentration(double t, double x, double v, double d, double amplitude)
{
    if (!(t > 0) || !(d > 0)) {
        return 0;
    }
    const double spread = x - v * t;
    return amplitude * x / std::sqrt(4 * kPi * d * t * t * t) * std::exp(-spread * spread / (4 * d * t));
}

double AdePulseConcentration(double t, double x, double v, double d, double amplitude, double injectionSeconds)
{
    if (!(injectionSeconds > 0)) {
        return AdeConcentration(t, x, v, d, amplitude);
    }
    // The midpoint rule over the pulse: each slice of the mass leaves at its own time.
    constexpr int kSteps = 32;
    double sum = 0;
    for (int j = 0; j < kSteps; ++j) {
        sum += AdeConcentration(t - (j + 0.5) * injectionSeconds / kSteps, x, v, d, amplitude);
    }
    return sum / kSteps;
}

AdeFit FitAde(const std::vector<std::pair<double, double>>& curve, double distance, const AdeGuess& guess,
              std::optional<double> massKg, std::optional<double> dischargeLs, double injectionSeconds)
{
    AdeFit fit;
    if (!(distance > 0)) {
        fit.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ajustement : distance nécessaire"));
        return fit;
    }
    if (curve.size() < 4) {
        fit.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ajustement : pas assez de mesures après t0"));
        return fit;
    }
    if (!(guess.velocity > 0) || !(guess.dispersion > 0) || !(guess.amplitude > 0) || !std::isfinite(guess.velocity) ||
        !std::isfinite(guess.dispersion) || !std::isfinite(guess.amplitude)) {
        fit.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ajustement : pas de point de départ (courbe plate ou sans aire)"));
        return fit;
    }
    FitData data;
    data.x = distance;
    data.injection = std::max(0.0, injectionSeconds);
    PacketsByTime(curve, data);
    const std::size_t n = data.t.size();
    const std::size_t p = 4;
    fit.points = static_cast<int>(n);

    gsl_set_error_handler_off();  // a failure is a message here, never an abort
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = Residuals;
    fdf.df = nullptr;  // the Jacobian by finite differences
    fdf.fvv = nullptr;
    fdf.n = n;
    fdf.p = p;
    fdf.params = &data;
    gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    parameters.trs = gsl_multifit_nlinear_trs_lm;
    Workspace ws;
    ws.w = gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, n, p);
    if (!ws.w) {
        fit.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ajustement : mémoire insuffisante"));
        return fit;
    }
    double start[4] = {std::log(guess.velocity), std::log(guess.dispersion), std::log(guess.amplitude), 0.0};
    gsl_vector_view x0 = gsl_vector_view_array(start, p);
    if (gsl_multifit_nlinear_init(&x0.vector, &fdf, ws.w) != GSL_SUCCESS) {
        fit.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ajustement impossible à démarrer"));
        return fit;
    }
    int info = 0;
    const int status = gsl_multifit_nlinear_driver(300, 1e-10, 1e-10, 0.0, nullptr, nullptr, &info, ws.w);
    if (status != GSL_SUCCESS) {
        fit.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "l'ajustement n'a pas convergé (%1)"))
                          .arg(QString::fromLatin1(gsl_strerror(status)));
        return fit;
    }
    const gsl_vector* best = gsl_multifit_nlinear_position(ws.w);
    const gsl_vector* residual = gsl_multifit_nlinear_residual(ws.w);
    double rss = 0;
    gsl_blas_ddot(residual, residual, &rss);
    gsl_matrix* covar = gsl_matrix_alloc(p, p);
    gsl_multifit_nlinear_covar(gsl_multifit_nlinear_jac(ws.w), 0.0, covar);
    const double s2 = n > p ? rss / static_cast<double>(n - p) : 0;
    auto se = [&](std::size_t i) { return std::sqrt(std::max(0.0, gsl_matrix_get(covar, i, i) * s2)); };
    const double v = std::exp(gsl_vector_get(best, 0));
    const double d = std::exp(gsl_vector_get(best, 1));
    const double a = std::exp(gsl_vector_get(best, 2));
    const double offset = gsl_vector_get(best, 3);
    // Standard errors of the logarithms, carried to the parameters (delta method).
    fit.velocity = v * 3600;
    fit.velocitySe = v * se(0) * 3600;
    fit.dispersion = d;
    fit.dispersionSe = d * se(1);
    fit.amplitude = a;
    fit.offset = offset;
    fit.offsetSe = se(3);
    if (massKg && dischargeLs && *massKg > 0 && *dischargeLs > 0) {
        const double r = a * *dischargeLs / (*massKg * 1e6);  // A = R M / Q, M in mg
        fit.recovery = r * 100;
        fit.recoverySe = r * se(2) * 100;
    }
    gsl_matrix_free(covar);
    // The residuals on the readings themselves, not on the packets: what the curve misses at each reading.
    double mean = 0;
    for (const auto& point : curve) {
        mean += point.second;
    }
    mean /= static_cast<double>(curve.size());
    double tss = 0, readingRss = 0;
    for (const auto& [t, c] : curve) {
        tss += (c - mean) * (c - mean);
        const double r = AdePulseConcentration(t, distance, v, d, a, data.injection) + offset - c;
        readingRss += r * r;
    }
    fit.rmse = std::sqrt(readingRss / static_cast<double>(curve.size()));
    fit.r2 = tss > 0 ? 1 - readingRss / tss : 0;
    constexpr double kZ95 = 1.96;
    fit.velocityCi95 = kZ95 * fit.velocitySe;
    fit.dispersionCi95 = kZ95 * fit.dispersionSe;
    if (fit.recoverySe) {
        fit.recoveryCi95 = kZ95 * *fit.recoverySe;
    }
    fit.reliable = fit.r2 >= 0.9 && fit.velocityCi95 < fit.velocity && fit.dispersionCi95 < fit.dispersion;
    if (!fit.reliable) {
        fit.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "ajustement peu fiable (R² %1, intervalles à 95 % : v ± %2 m/h, D ± %3 m²/s) : "
                                     "ce n'est pas un résultat"))
                          .arg(fit.r2, 0, 'f', 2)
                          .arg(fit.velocityCi95, 0, 'g', 3)
                          .arg(fit.dispersionCi95, 0, 'g', 3);
    }
    const bool finite = std::isfinite(fit.velocity) && std::isfinite(fit.dispersion) && std::isfinite(fit.velocitySe) &&
                        std::isfinite(fit.dispersionSe) && std::isfinite(fit.rmse);
    if (!finite) {
        fit = AdeFit();
        fit.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "l'ajustement n'a pas convergé (valeurs non finies)"));
        return fit;
    }
    fit.ok = true;
    return fit;
}

}  // namespace sondalog
