#include "analysis/conduits_fit.h"

#include "util/translate.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>

namespace sondalog {

namespace {
constexpr std::size_t kMaxPoints = 1500;
constexpr double kAicGain = 10;

struct Data {
    std::vector<double> t;
    std::vector<double> c;
    double x = 0;
    double injection = 0;
    int k = 1;
};

// Parameters: ln v, ln D, ln A of each component.
int Residuals(const gsl_vector* p, void* params, gsl_vector* f)
{
    const auto* d = static_cast<const Data*>(params);
    for (std::size_t i = 0; i < d->t.size(); ++i) {
        double model = 0;
        for (int j = 0; j < d->k; ++j) {
            model += AdePulseConcentration(d->t[i], d->x, std::exp(gsl_vector_get(p, 3 * j)),
                                           std::exp(gsl_vector_get(p, 3 * j + 1)), std::exp(gsl_vector_get(p, 3 * j + 2)),
                                           d->injection);
        }
        gsl_vector_set(f, i, std::isfinite(model) ? model - d->c[i] : 1e30);
    }
    return GSL_SUCCESS;
}

struct Result {
    bool ok = false;
    double rss = 0;
    std::vector<double> p;
};

Result Fit(Data& data, const std::vector<double>& start)
{
    Result r;
    const std::size_t n = data.t.size();
    const std::size_t p = start.size();
    if (n <= p) {
        return r;
    }
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = Residuals;
    fdf.n = n;
    fdf.p = p;
    fdf.params = &data;
    gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    gsl_multifit_nlinear_workspace* w = gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, n, p);
    if (!w) {
        return r;
    }
    std::vector<double> x0 = start;
    gsl_vector_view v0 = gsl_vector_view_array(x0.data(), p);
    int info = 0;
    if (gsl_multifit_nlinear_init(&v0.vector, &fdf, w) == GSL_SUCCESS &&
        gsl_multifit_nlinear_driver(400, 1e-10, 1e-10, 0.0, nullptr, nullptr, &info, w) == GSL_SUCCESS) {
        const gsl_vector* best = gsl_multifit_nlinear_position(w);
        gsl_blas_ddot(gsl_multifit_nlinear_residual(w), gsl_multifit_nlinear_residual(w), &r.rss);
        for (std::size_t i = 0; i < p; ++i) {
            r.p.push_back(gsl_vector_get(best, i));
        }
        r.ok = std::isfinite(r.rss) && std::all_of(r.p.begin(), r.p.end(), [](double v) { return std::isfinite(v); });
    }
    gsl_multifit_nlinear_free(w);
    return r;
}

/// Starts for k components around the single fit: the fastest a little faster, the others slower.
std::vector<std::vector<double>> Starts(const AdeFit& single, int k)
{
    const double v = single.velocity / 3600;
    const double d = single.dispersion;
    const double a = single.amplitude;
    std::vector<std::vector<double>> starts;
    const std::vector<std::vector<double>> speeds =
        k == 2 ? std::vector<std::vector<double>>{{1.1, 0.5}, {1.05, 0.7}, {1.3, 0.6}, {1.02, 0.35}}
               : std::vector<std::vector<double>>{{1.2, 0.8, 0.5}, {1.1, 0.6, 0.35}, {1.4, 0.9, 0.6}};
    for (const std::vector<double>& s : speeds) {
        std::vector<double> start;
        for (int j = 0; j < k; ++j) {
            start.push_back(std::log(v * s[static_cast<std::size_t>(j)]));
            start.push_back(std::log(d * s[static_cast<std::size_t>(j)]));
            start.push_back(std::log(a / k));
        }
        starts.push_back(start);
    }
    return starts;
}
}  // namespace

ConduitsFit FitConduits(const std::vector<std::pair<double, double>>& curve, double distance, const AdeFit& single,
                        int components, std::optional<double> massKg, std::optional<double> dischargeLs,
                        double injectionSeconds)
{
    ConduitsFit out;
    if (!single.ok || curve.size() < 10 || components < 0 || components > 3) {
        out.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "conduits : pas d'ajustement simple pour partir"));
        return out;
    }
    gsl_set_error_handler_off();
    Data data;
    data.x = distance;
    data.injection = injectionSeconds;
    const std::size_t step = (curve.size() + kMaxPoints - 1) / kMaxPoints;
    for (std::size_t i = 0; i < curve.size(); i += step) {
        data.t.push_back(curve[i].first);
        data.c.push_back(curve[i].second);
    }
    const double n = static_cast<double>(data.t.size());
    Result best;
    int bestK = 0;
    double bestAic = 0;
    for (int k = 1; k <= 3; ++k) {
        if (components != 0 && k != components) {
            continue;
        }
        data.k = k;
        Result chosen;
        const std::vector<std::vector<double>> starts =
            k == 1 ? std::vector<std::vector<double>>{{std::log(single.velocity / 3600), std::log(single.dispersion),
                                                        std::log(single.amplitude)}}
                   : Starts(single, k);
        for (const std::vector<double>& start : starts) {
            const Result r = Fit(data, start);
            if (r.ok && (!chosen.ok || r.rss < chosen.rss)) {
                chosen = r;
            }
        }
        if (!chosen.ok) {
            continue;
        }
        const double aic = n * std::log(std::max(chosen.rss, 1e-300) / n) + 2 * 3 * k;
        if (bestK == 0 || aic < bestAic - (components == 0 ? kAicGain : 0)) {
            best = chosen;
            bestK = k;
            bestAic = aic;
        }
    }
    if (bestK == 0) {
        out.message = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "conduits : l'ajustement n'a pas convergé"));
        return out;
    }
    double total = 0;
    for (int j = 0; j < bestK; ++j) {
        total += std::exp(best.p[static_cast<std::size_t>(3 * j + 2)]);
    }
    for (int j = 0; j < bestK; ++j) {
        ConduitComponent c;
        c.velocity = std::exp(best.p[static_cast<std::size_t>(3 * j)]) * 3600;
        c.dispersion = std::exp(best.p[static_cast<std::size_t>(3 * j + 1)]);
        c.fraction = std::exp(best.p[static_cast<std::size_t>(3 * j + 2)]) / total;
        out.components.push_back(c);
    }
    std::sort(out.components.begin(), out.components.end(),
              [](const ConduitComponent& a, const ConduitComponent& b) { return a.velocity > b.velocity; });
    if (massKg && dischargeLs && *massKg > 0 && *dischargeLs > 0) {
        out.recovery = total * *dischargeLs / (*massKg * 1e6) * 100;
    }
    out.aic = bestAic;
    out.ok = true;
    return out;
}

}  // namespace sondalog
