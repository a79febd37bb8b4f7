#include "plot/graph_painter.h"
#include "plot/reference_painter.h"

#include <QImage>

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace sondalog;

namespace {
const QColor kBackground(255, 255, 255);

QuantityDrawing Drawing(const QColor& colour = QColor(0, 100, 255))
{
    QuantityDrawing d;
    d.colour = colour;
    d.labelColour = colour;
    d.radius = 2;
    d.background = kBackground;
    return d;
}

ProcessingState Series(int count, double value)
{
    ProcessingState s;
    for (int n = 1; n <= count; ++n) {
        s.series.sampleCount = n;
        s.series.At(n).value1 = value;
        s.series.At(n).value2 = value;
    }
    s.view = {1, count};
    s.axisY1 = {0, 100, 10, 0, 0};
    s.axisY2 = {0, 100, 10, 0, 0};
    return s;
}

int CountColour(const QImage& image, const QColor& colour, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixelColor(x, y) == colour;
        }
    }
    return count;
}
}  // namespace

TEST(GraphPainter, TimeGraduations)
{
    struct Case {
        int last;
        int step;
    };
    const Case cases[] = {{10, 1}, {30, 5}, {119, 5}, {120, 60}, {600, 300}, {1800, 900}, {3600, 1800},
                          {7200, 3600}, {14400, 7200}};
    for (const Case& c : cases) {
        EXPECT_EQ(TimeStep(c.last), c.step) << c.last;
    }
    EXPECT_EQ(ElapsedLabel(0), QStringLiteral("00:00"));
    EXPECT_EQ(ElapsedLabel(5), QStringLiteral("00:05"));
    EXPECT_EQ(ElapsedLabel(3600), QStringLiteral("01:00:00"));
    EXPECT_EQ(ElapsedLabel(59), QStringLiteral("00:59"));
    EXPECT_EQ(ElapsedLabel(3599), QStringLiteral("59:59"));
    EXPECT_EQ(ElapsedLabel(36005), QStringLiteral("10:00:05"));
    EXPECT_EQ(ElapsedLabel(604800), QStringLiteral("168:00:00"));

    // 30 samples on a 630-pixel image: the ticks of i = 1, 6, 11, ... are silver columns at x(i).
    QImage image(630, 300, QImage::Format_RGB32);
    ProcessingState s = Series(30, -5);  // below the axis: the curve stays out of the grid's way
    Redraw(image, s, Drawing(), Drawing(), false);
    for (int i = 1; i <= 30; i += 5) {
        const int x = static_cast<int>(std::lround((630 - 60) * (i - 1) / 30.0)) + 30;
        EXPECT_EQ(image.pixelColor(x, 100), kGridColour) << i;
    }
    const int between = static_cast<int>(std::lround((630 - 60) * 2 / 30.0)) + 30;
    EXPECT_NE(image.pixelColor(between, 100), kGridColour);
}

TEST(GraphPainter, TooManyGraduationsBlankTheImage)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::black);
    ProcessingState s = Series(50, 600);
    s.axisY1 = {400, 1000, 10, 0, 0};  // 60 graduations
    Redraw(image, s, Drawing(), Drawing(), false);
    EXPECT_EQ(CountColour(image, kBackground, image.rect()), 400 * 300);

    s.axisY1.graduation = 20;  // 30 graduations: drawn
    Redraw(image, s, Drawing(), Drawing(), false);
    EXPECT_LT(CountColour(image, kBackground, image.rect()), 400 * 300);
}

TEST(GraphPainter, GraduationOfZeroOrBelowIsReplaced)
{
    EXPECT_DOUBLE_EQ(ReplacementGraduation(400, 1000), 100);
    EXPECT_DOUBLE_EQ(ReplacementGraduation(0, 35), 5);
    EXPECT_DOUBLE_EQ(ReplacementGraduation(0, 0.5), 0);
    QImage image(300, 200, QImage::Format_RGB32);
    ProcessingState s = Series(10, 50);
    s.axisY1 = {0, 100, 0, 0, 0};
    Redraw(image, s, Drawing(), Drawing(), false);
    EXPECT_DOUBLE_EQ(s.axisY1.graduation, 20);
    s.axisY1 = {0, 0.5, -1, 0, 0};  // a range under 1: no grid, and the drawing ends
    Redraw(image, s, Drawing(), Drawing(), false);
    EXPECT_DOUBLE_EQ(s.axisY1.graduation, 0);
}

TEST(GraphPainter, PacketsAreDrawnAtTheirLargestValue)
{
    EXPECT_EQ(PacketSize(100, 200, {1, 200}), 4);
    EXPECT_EQ(PacketSize(1000, 200, {1, 200}), 1);
    EXPECT_EQ(PacketSize(0, 2000, {1, 2000}), 2);

    // 100 pixels wide, 200 samples: packets of 4. One high value inside a packet is what shows.
    QImage image(100, 200, QImage::Format_RGB32);
    ProcessingState s = Series(200, 10);
    s.series.At(103).value1 = 90;  // inside the packet closed at i = 105
    s.tracingStartIndex = 0;
    s.t0Marked = true;
    QuantityDrawing d = Drawing(QColor(200, 0, 0));
    d.radius = 1;
    Redraw(image, s, d, d, false);
    const int x = static_cast<int>(std::lround(40.0 * 104 / 200)) + 30;
    const int y = 200 - 30 - static_cast<int>(std::lround(90 / 100.0 * 140));
    EXPECT_EQ(image.pixelColor(x, y), QColor(200, 0, 0));
}

TEST(GraphPainter, BeforeT0InTheInverseColour)
{
    EXPECT_EQ(InverseColour(QColor(0, 100, 255)), QColor(255, 155, 0));
    EXPECT_EQ(InverseColour(QColor(0, 0, 0)), QColor(128, 128, 128));
    EXPECT_EQ(InverseColour(QColor(255, 255, 255)), QColor(128, 128, 128));

    QImage image(400, 300, QImage::Format_RGB32);
    ProcessingState s = Series(20, 50);
    s.tracingStartIndex = 11;
    s.t0Marked = true;
    s.baseline = 20;
    QuantityDrawing d = Drawing(QColor(0, 0, 0));
    d.radius = 3;
    d.integral = true;
    Redraw(image, s, d, d, false);
    const QRect left(30, 0, 150, 300);
    const QRect right(250, 0, 120, 300);
    EXPECT_GT(CountColour(image, QColor(128, 128, 128), left), 0);
    EXPECT_EQ(CountColour(image, QColor(128, 128, 128), right), 0);
    EXPECT_GT(CountColour(image, QColor(0, 0, 0), right), 0);
    EXPECT_GT(CountColour(image, kIntegralColour, right), 0);  // the integral bars after t0
    EXPECT_EQ(CountColour(image, kIntegralColour, left), 0);
}

TEST(GraphPainter, TwoHalvesWithQuantityTwo)
{
    QImage image(400, 300, QImage::Format_RGB32);
    ProcessingState s = Series(20, 50);
    s.tracingStartIndex = 0;
    s.t0Marked = true;
    Redraw(image, s, Drawing(QColor(0, 0, 200)), Drawing(QColor(0, 150, 0)), true);
    EXPECT_GT(CountColour(image, QColor(0, 0, 200), QRect(0, 0, 400, 150)), 0);
    EXPECT_EQ(CountColour(image, QColor(0, 150, 0), QRect(0, 0, 400, 150)), 0);
    EXPECT_GT(CountColour(image, QColor(0, 150, 0), QRect(0, 150, 400, 150)), 0);
}

TEST(GraphPainter, IntegralBarsRunExactlyFromThePointToTheBaseline)
{
    QImage image(400, 300, QImage::Format_RGB32);
    QuantityDrawing d = Drawing(QColor(0, 0, 0));
    d.labelColour = QColor(200, 0, 0);  // labels apart from the curve
    d.integral = true;
    QuantityDrawing plain = d;
    plain.integral = false;
    auto topmost = [&](const QColor& colour) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 40; x < image.width() - 40; ++x) {
                if (image.pixelColor(x, y) == colour) {
                    return y;
                }
            }
        }
        return image.height();
    };
    auto bottommost = [&](const QColor& colour) {
        for (int y = image.height() - 1; y >= 0; --y) {
            for (int x = 40; x < image.width() - 40; ++x) {
                if (image.pixelColor(x, y) == colour) {
                    return y;
                }
            }
        }
        return -1;
    };
    // On the baseline: a bar of no height draws nothing (a square cap made a square of it).
    ProcessingState flat = Series(10, 50);
    flat.tracingStartIndex = 0;
    flat.t0Marked = true;
    flat.baseline = 50;
    Redraw(image, flat, d, d, false);
    EXPECT_EQ(CountColour(image, kIntegralColour, image.rect()), 0);

    // Above it: the bar neither rises over the point nor sinks below the baseline.
    ProcessingState above = Series(10, 80);
    above.tracingStartIndex = 0;
    above.t0Marked = true;
    above.baseline = 20;
    Redraw(image, above, d, d, false);
    ASSERT_GT(CountColour(image, kIntegralColour, image.rect()), 0);
    const int pointTop = topmost(QColor(0, 0, 0));
    EXPECT_GE(topmost(kIntegralColour), pointTop);
    ProcessingState baseOnly = Series(10, 20);
    baseOnly.tracingStartIndex = 0;
    baseOnly.t0Marked = true;
    baseOnly.baseline = 20;
    Redraw(image, baseOnly, plain, plain, false);
    const int baselineBottom = bottommost(QColor(0, 0, 0));  // the points drawn on the baseline
    Redraw(image, above, d, d, false);
    EXPECT_LE(bottommost(kIntegralColour), baselineBottom);
}

namespace {
// The curve's packets as the painter found them by walking every reading of the view.
std::vector<PacketPoint> PacketsByWalking(const SampleSeries& series, int quantity, const ViewWindow& view, int e)
{
    std::vector<PacketPoint> points;
    double s = 0;
    for (int i = view.first; i <= view.last && i < series.Capacity(); ++i) {
        if (i < 0) {
            continue;
        }
        s = std::max(s, quantity == 2 ? series.At(i).value2 : series.At(i).value1);
        if (i == 0 || (i - 1) % e != 0) {
            continue;
        }
        points.push_back({i, s});
        s = 0;
    }
    return points;
}
}  // namespace

TEST(GraphPainter, PacketMaximaFromThePyramidAreThoseOfEveryReading)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-50, 900);
    for (int trial = 0; trial < 60; ++trial) {
        SampleSeries series;
        const int count = std::uniform_int_distribution<int>(0, 30000)(random);
        series.Resize(count + SampleSeries::kGrowth);
        for (int n = 1; n <= count; ++n) {
            Sample& s = series.At(n);
            s.value1 = value(random);
            s.value2 = n % 97 == 0 ? std::numeric_limits<double>::quiet_NaN() : value(random) / 10;
        }
        series.sampleCount = count;
        // Views inside, across the start and beyond the readings; packets of 1 to 500 readings.
        for (int view = 0; view < 8; ++view) {
            const int first = std::uniform_int_distribution<int>(-5, std::max(count, 1))(random);
            const int last = std::uniform_int_distribution<int>(first - 2, count + 50)(random);
            const int e = std::uniform_int_distribution<int>(1, 500)(random);
            for (int quantity : {1, 2}) {
                const std::vector<PacketPoint> walked = PacketsByWalking(series, quantity, {first, last}, e);
                const std::vector<PacketPoint> fast = PacketMaxima(series, quantity, {first, last}, e);
                ASSERT_EQ(fast.size(), walked.size()) << trial << " " << first << ".." << last << " e=" << e;
                for (std::size_t i = 0; i < fast.size(); ++i) {
                    ASSERT_EQ(fast[i].n, walked[i].n);
                    ASSERT_EQ(fast[i].value, walked[i].value) << trial << " packet " << i;
                }
            }
        }
        // A reading added or a slot rewritten after a query is seen by the next one.
        if (count > 10) {
            series.At(count / 2).value1 = 5000;
            EXPECT_EQ(series.MaxOf(1, 1, count), 5000);
            series.EnsureRoomForNext();
            series.At(++series.sampleCount).value1 = 7000;
            EXPECT_EQ(series.MaxOf(1, 0, series.sampleCount), 7000);
        }
    }
}

TEST(GraphPainter, PictureIsThatOfTheShapeByShapePainterOnRandomRuns)
{
    std::mt19937 random(11);
    auto uniform = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(random); };
    auto colour = [&](int alpha) { return QColor(uniform(0, 255), uniform(0, 255), uniform(0, 255), alpha); };
    for (int trial = 0; trial < 80; ++trial) {
        ProcessingState state;
        const int count = uniform(0, trial % 4 == 0 ? 40 : 20000);
        state.series.Resize(count + SampleSeries::kGrowth);
        const double centre = uniform(-100, 900);
        const double spread = uniform(1, 300);
        for (int n = 1; n <= count; ++n) {
            // Values inside and well beyond the axes, flat stretches, and a peak.
            state.series.At(n).value1 = n % 50 < 10 ? centre : centre + spread * std::sin(n / 97.0) * uniform(0, 30) / 10;
            state.series.At(n).value2 = centre / 10 + uniform(-20, 20);
        }
        state.series.sampleCount = count;
        const int first = uniform(-3, std::max(1, count / 2));
        state.view = {first, std::max(first + uniform(-2, count), count)};
        state.axisY1 = {centre - spread, centre + spread, uniform(0, 3) == 0 ? 0.0 : spread / uniform(2, 20), 0, 0};
        state.axisY2 = {centre / 10 - 25, centre / 10 + 25, static_cast<double>(uniform(-1, 10)), 0, 0};
        state.tracingStartIndex = uniform(0, count + 5);
        state.t0Marked = uniform(0, 3) != 0;
        state.baseline = centre + uniform(-50, 50);
        QuantityDrawing q1 = Drawing(trial % 20 == 7 ? colour(128) : trial % 9 == 0 ? QColor(0, 0, 0) : colour(255));
        q1.radius = uniform(0, 6);
        q1.integral = uniform(0, 2) != 0;
        q1.interval = uniform(1, 60);
        q1.background = colour(255);
        QuantityDrawing q2 = q1;
        q2.quantity = 2;
        q2.colour = colour(255);
        const bool showY2 = uniform(0, 1) == 1;
        const QImage::Format format = trial % 10 == 3 ? QImage::Format_RGB888 : QImage::Format_RGB32;
        QImage expected(uniform(60, 1600), uniform(60, 900), format);
        expected.fill(colour(255));
        QImage drawn = expected.copy();
        ProcessingState referenceState = state;
        reference::Redraw(expected, referenceState, q1, q2, showY2);
        Redraw(drawn, state, q1, q2, showY2);
        ASSERT_EQ(drawn.size(), expected.size());
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                ASSERT_EQ(drawn.pixel(x, y), expected.pixel(x, y))
                    << "trial " << trial << " at (" << x << ", " << y << "), " << count << " readings, view "
                    << state.view.first << ".." << state.view.last << ", radius " << q1.radius;
            }
        }
        EXPECT_EQ(state.axisY1.graduation, referenceState.axisY1.graduation);
    }
}
