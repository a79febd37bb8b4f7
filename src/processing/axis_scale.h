#pragma once
// The Y axes: limits, graduation and the extremes read, widened as readings leave them.

#include <QString>

namespace sondalog {

/// The last graduation worked out for a range: asked again for the same range at every reading.
struct StepMemo {
    double lo = 0, hi = 0, step = 0;
    bool valid = false;
};

struct AxisScale {
    double min = 400;
    double max = 1000;
    double graduation = 100;
    double maxRead = 0;
    double minRead = 1000000;
};

/// x rounded up or down to `digits` significant digits (734, 2 digits: 740 up, 730 down).
double RoundSignificant(double x, int digits, bool up);
/// A graduation giving about ten steps over [lo, hi]; never 0.
double NiceStep(double lo, double hi);

/// What widening one axis for a value changed (each text is set only when its box changes).
struct AxisChange {
    bool graduationChanged = false;
    bool maxChanged = false;
    bool minChanged = false;
    bool maxReadChanged = false;
    bool minReadChanged = false;
};

/// The axis rule for one reading v: graduation, limits stepped out by graduations, extremes.
/// `alwaysRegraduate` is quantity 1's rule; quantity 2 only regraduates outside 3 to 6 steps.
/// `roundLimits` rounds new limits to 2 significant digits (quantity 1).
/// `memo`, when given, keeps the last graduation worked out for this axis.
AxisChange WidenAxis(AxisScale& axis, double v, bool alwaysRegraduate, bool roundLimits, StepMemo* memo = nullptr);

}  // namespace sondalog
