#pragma once
// Everything per-sample processing keeps between readings, and what it reads from the settings.

#include "instrument/instrument_config.h"
#include "processing/axis_scale.h"
#include "processing/sample_series.h"
#include "util/regional.h"

#include <QDateTime>
#include <QString>

#include <array>

#include <limits>
#include <random>

namespace sondalog {

enum class ReadMode { Character = 0, StringCsv = 1 };

inline constexpr int kNotTracing = 32000;

/// First and last sample index drawn on the graph.
struct ViewWindow {
    int first = 0;
    int last = 0;
};

/// What ProcessReading reads from the windows' controls and the configuration.
struct ProcessOptions {
    ReadMode mode = ReadMode::Character;
    bool demo = false;
    bool replaying = false;          ///< a stored file is being replayed line by line
    /// Only the last reading's captions are wanted (a replay, the command line): they are made
    /// once, by LastReadingCaptions, rather than at every reading.
    bool captionsAtEnd = false;
    bool withoutProcessing = false;  ///< "lecture sans traitement (pour les tests)"
    bool threeProbes = false;
    QString phMarker = QStringLiteral("pH");
    QString oxMarker = QStringLiteral("Ox");
    QString decimalsSetting = QStringLiteral("µ=0;m=3;k=1;F=3");
    QString factorText = QStringLiteral("1.02");
    double areaFactor = 1.02;
    int recordingDecimalSign = 0;  ///< 0 "virgule", 1 "point"
    QString prefix;                ///< Edit_Prefixe
    QString instrumentCaption;     ///< Label_multimetre
    QString intervalCell;          ///< "intervalle" of the active row
    QString extraHeader;           ///< the extra columns' names, each with its leading tab
    QString displayDecimals;       ///< the decimals shown for quantity 1 when set (a fluorometer's ppb), else the setting's
    /// The extra columns (1-based) the third and fourth charts follow in place of pH and oxygen (a fluorometer's
    /// second tracer and turbidity); 0: none.
    std::array<int, 2> extraChartColumns{0, 0};
    /// The extra column (1-based) holding quantity 1 before the corrections (a corrected fluorometer's raw
    /// tracer), which the graph can show beside the corrected one; 0: none.
    int rawColumn = 0;
    Regional regional;
};

struct ProcessingState {
    SampleSeries series;
    AxisScale axisY1;
    AxisScale axisY2;
    StepMemo stepMemo[2];  ///< the last graduation worked out for each axis
    int tracingStartIndex = kNotTracing;  ///< shown and printed as 32000 while t0 is not marked
    bool t0Marked = false;                ///< 32000 is a marker, not a reading number: this says it
    QDateTime tracingStartTime;
    qint64 lastReadingUtc = 0;            ///< real instant (UTC seconds) of the last reading kept
    bool haveLastReadingUtc = false;
    double maxReadBeforeLast = 0;         ///< quantity 1's peak before the last reading ("Hmax")
    QDateTime lastReadingTime;            ///< the PC time of the last reading
    long double baseline = 0;
    long double area = 0;
    QString initialPrefix;
    QString currentPrefix;
    double prefixFactor = 1;
    QString displayDecimals = QStringLiteral("1");
    QDateTime timeOfReading2;
    ViewWindow view;
    /// Decimals of the screen and the file, looked up again only when their inputs change.
    struct DecimalsCache {
        QString setting;
        QString prefix;
        QString shown;
        int file = 4;
        bool valid = false;
    } decimals;
    std::mt19937 random{20091009};

    /// A new run: no readings, t0 unmarked, extremes and the Y1 graduation reset, limits
    /// taken from the axis boxes (the configuration's bounds).
    void ResetRun(const InstrumentConfig& config);
    /// Go: t0 is the current reading count, at `now`.
    void MarkT0(const QDateTime& now);
    /// Reading n is past t0 (never while t0 is unmarked, however long the run).
    bool IsTracing(int n) const { return t0Marked && n >= tracingStartIndex; }
    /// The first index drawn as tracing: beyond any reading while t0 is unmarked.
    int DrawnTracingStart() const { return t0Marked ? tracingStartIndex : std::numeric_limits<int>::max(); }
};

}  // namespace sondalog
