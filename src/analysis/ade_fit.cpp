#include "analysis/ade_fit.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

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
};

// Parameters are the logarithms of v, D and A: they stay positive whatever step is tried.
int Residuals(const gsl_vector* p, void* params, gsl_vector* f)
{
    const auto* data = static_cast<const FitData*>(params);
    const double v = std::exp(gsl_vector_get(p, 0));
    const double d = std::exp(gsl_vector_get(p, 1));
    const double a = std::exp(gsl_vector_get(p, 2));
    for (std::size_t i = 0; i < data->t.size(); ++i) {
        const double model = AdeConcentration(data->t[i], data->x, v, d, a);
        gsl_vector_set(f, i, std::isfinite(model) ? model - data->c[i] : 1e30);
    }
    return GSL_SUCCESS;
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

AdeFit FitAde(const std::vector<std::pair<double, double>>& curve, double distance, const AdeGuess& guess,
              std::optional<double> massKg, std::optional<double> dischargeLs)
{
    AdeFit fit;
    if (!(distance > 0)) {
        fit.message = QStringLiteral("ajustement : distance nécessaire");
        return fit;
    }
    if (curve.size() < 4) {
        fit.message = QStringLiteral("ajustement : pas assez de mesures après t0");
        return fit;
    }
    if (!(guess.velocity > 0) || !(guess.dispersion > 0) || !(guess.amplitude > 0) || !std::isfinite(guess.velocity) ||
        !std::isfinite(guess.dispersion) || !std::isfinite(guess.amplitude)) {
        fit.message = QStringLiteral("ajustement : pas de point de départ (courbe plate ou sans aire)");
        return fit;
    }
    FitData data;
    data.x = distance;
    const std::size_t packet = (curve.size() + kMaxFitPoints - 1) / kMaxFitPoints;
    for (std::size_t i = 0; i < curve.size(); i += packet) {
        double st = 0, sc = 0;
        std::size_t k = 0;
        for (; k < packet && i + k < curve.size(); ++k) {
            st += curve[i + k].first;
            sc += curve[i + k].second;
        }
        data.t.push_back(st / static_cast<double>(k));
        data.c.push_back(sc / static_cast<double>(k));
    }
    const std::size_t n = data.t.size();
    const std::size_t p = 3;
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
        fit.message = QStringLiteral("ajustement : mémoire insuffisante");
        return fit;
    }
    double start[3] = {std::log(guess.velocity), std::log(guess.dispersion), std::log(guess.amplitude)};
    gsl_vector_view x0 = gsl_vector_view_array(start, p);
    if (gsl_multifit_nlinear_init(&x0.vector, &fdf, ws.w) != GSL_SUCCESS) {
        fit.message = QStringLiteral("ajustement impossible à démarrer");
        return fit;
    }
    int info = 0;
    const int status = gsl_multifit_nlinear_driver(300, 1e-10, 1e-10, 0.0, nullptr, nullptr, &info, ws.w);
    if (status != GSL_SUCCESS) {
        fit.message = QStringLiteral("l'ajustement n'a pas convergé (") + QString::fromLatin1(gsl_strerror(status)) + u')';
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
    // Standard errors of the logarithms, carried to the parameters (delta method).
    fit.velocity = v * 3600;
    fit.velocitySe = v * se(0) * 3600;
    fit.dispersion = d;
    fit.dispersionSe = d * se(1);
    fit.amplitude = a;
    if (massKg && dischargeLs && *massKg > 0 && *dischargeLs > 0) {
        const double r = a * *dischargeLs / (*massKg * 1e6);  // A = R M / Q, M in mg
        fit.recovery = r * 100;
        fit.recoverySe = r * se(2) * 100;
    }
    gsl_matrix_free(covar);
    double mean = 0;
    for (double c : data.c) {
        mean += c;
    }
    mean /= static_cast<double>(n);
    double tss = 0;
    for (double c : data.c) {
        tss += (c - mean) * (c - mean);
    }
    fit.rmse = std::sqrt(rss / static_cast<double>(n));
    fit.r2 = tss > 0 ? 1 - rss / tss : 0;
    const bool finite = std::isfinite(fit.velocity) && std::isfinite(fit.dispersion) && std::isfinite(fit.velocitySe) &&
                        std::isfinite(fit.dispersionSe) && std::isfinite(fit.rmse);
    if (!finite) {
        fit = AdeFit();
        fit.message = QStringLiteral("l'ajustement n'a pas convergé (valeurs non finies)");
        return fit;
    }
    fit.ok = true;
    return fit;
}

}  // namespace sondalog
