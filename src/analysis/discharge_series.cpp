#include "analysis/discharge_series.h"

#include "analysis/tracer_inputs_file.h"
#include "processing/sample_series.h"
#include "util/translate.h"

#include <QDateTime>

#include <algorithm>

namespace sondalog {

namespace {
std::optional<qint64> WallTime(const QString& text)
{
    static const char* const kFormats[] = {"dd/MM/yyyy hh:mm:ss", "dd/MM/yyyy hh:mm", "yyyy-MM-dd hh:mm:ss",
                                           "yyyy-MM-dd hh:mm",    "dd.MM.yyyy hh:mm:ss", "dd.MM.yyyy hh:mm",
                                           "yyyy-MM-ddThh:mm:ss"};
    for (const char* format : kFormats) {
        const QDateTime t = QDateTime::fromString(text.trimmed(), QString::fromLatin1(format));
        if (t.isValid()) {
            return TimeValue(t);
        }
    }
    return std::nullopt;
}
}  // namespace

DischargeFile ReadDischargeLines(const QStringList& lines)
{
    DischargeFile file;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const QStringList fields = line.split(line.contains(u';') ? u';' : u'\t');
        DischargeEntry e;
        const std::optional<double> q = fields.size() == 2 ? OptionalNumber(fields[1]) : std::nullopt;
        const std::optional<double> hours = fields.size() == 2 ? OptionalNumber(fields[0]) : std::nullopt;
        e.wall = fields.size() == 2 && !hours ? WallTime(fields[0]) : std::nullopt;
        if (!q || (!hours && !e.wall) || *q < 0) {
            if (file.entries.empty() && !q) {
                continue;  // a header
            }
            file.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "débit, ligne %1 illisible (« date-heure;L/s » ou « heures depuis t0;L/s » "
                                        "attendu) : %2"))
                             .arg(i + 1)
                             .arg(line.left(80));
            file.entries.clear();
            return file;
        }
        e.hours = hours.value_or(0);
        e.litresPerSecond = *q;
        file.entries.push_back(e);
    }
    if (file.entries.empty()) {
        file.error = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "débit : aucune valeur dans le fichier"));
    }
    return file;
}

DischargeSeries::DischargeSeries(std::vector<std::pair<double, double>> points) : points_(std::move(points))
{
    std::stable_sort(points_.begin(), points_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

double DischargeSeries::At(double seconds) const
{
    if (points_.empty()) {
        return 0;
    }
    if (seconds <= points_.front().first) {
        return points_.front().second;
    }
    if (seconds >= points_.back().first) {
        return points_.back().second;
    }
    const auto after = std::upper_bound(points_.begin(), points_.end(), seconds,
                                        [](double s, const auto& p) { return s < p.first; });
    const auto before = after - 1;
    const double span = after->first - before->first;
    const double f = span > 0 ? (seconds - before->first) / span : 0;
    return before->second + f * (after->second - before->second);
}

}  // namespace sondalog
