#pragma once
// The discharge at the measuring point as it varied during the test: a file of lines "date-time;L/s" or
// "hours since t0;L/s" (decimal comma or point), read once, then interpolated linearly in time. The mass
// that came back is then ∫ Q(t) C(t) dt rather than Q times the area.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace sondalog {

/// One line of the file: at a wall-clock time (seconds as a Sample keeps them) or some hours after t0.
struct DischargeEntry {
    std::optional<qint64> wall;  ///< a date and time
    double hours = 0;            ///< else hours since t0
    double litresPerSecond = 0;
};

struct DischargeFile {
    std::vector<DischargeEntry> entries;
    QString error;  ///< names the line that could not be read
};

/// The lines of a discharge file; a first line that is not a reading (a header) is skipped.
DischargeFile ReadDischargeLines(const QStringList& lines);

/// Discharge (L/s) against seconds from t0, in time order.
class DischargeSeries {
public:
    DischargeSeries() = default;
    explicit DischargeSeries(std::vector<std::pair<double, double>> points);
    bool empty() const { return points_.empty(); }
    /// Linear between the points, the first or last value outside them.
    double At(double seconds) const;

private:
    std::vector<std::pair<double, double>> points_;
};

}  // namespace sondalog
