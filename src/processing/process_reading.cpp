#include "processing/process_reading.h"

#include "processing/decimals.h"
#include "processing/record_line.h"
#include "util/line_field.h"
#include "util/number_format.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <algorithm>
#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace sondalog {

namespace {
const QString kTimeChars = QStringLiteral(" -./0123456789:");
const CharSet kTimeSet(kTimeChars);

/// The instrument time cut to its time characters (the first 255 read); at the top of every call, and most
/// times already so: a quick pass says so, and the text is left as it stands.
void ReduceTime(QString& text)
{
    const auto isTimeChar = [](char16_t c) { return c == u' ' || (c >= u'-' && c <= u':'); };  // kTimeChars
    const char16_t* const chars = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    qsizetype i = 0;
#ifdef __SSE2__
    // Eight at a time: c is a blank, or c - '-' is at most ':' - '-' (a floor at 0 makes that a test for 0).
    const __m128i blank = _mm_set1_epi16(u' ');
    const __m128i first = _mm_set1_epi16(u'-');
    const __m128i span = _mm_set1_epi16(u':' - u'-');
    for (; size <= 255 && i + 8 <= size; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + i));
        const __m128i inSpan = _mm_cmpeq_epi16(_mm_subs_epu16(_mm_sub_epi16(v, first), span), _mm_setzero_si128());
        if (_mm_movemask_epi8(_mm_or_si128(inSpan, _mm_cmpeq_epi16(v, blank))) != 0xFFFF) {
            break;
        }
    }
#endif
    if (size <= 255 && std::all_of(chars + i, chars + size, isTimeChar)) {
        return;
    }
    text = KeepOnly(QStringView(text).left(255), kTimeSet);
}


QString ShortestLocal(double value, QChar decimalSign)
{
    QString text = ShortestReal(value);
    text.replace(u'.', decimalSign);
    return text;
}

void ShowAxis(const AxisChange& c, const AxisScale& a, QChar sign, std::optional<QString>& graduation,
              std::optional<QString>& max, std::optional<QString>& min)
{
    if (c.graduationChanged) {
        graduation = ShortestLocal(a.graduation, sign);
    }
    if (c.maxChanged) {
        max = ShortestLocal(a.max, sign);
    }
    if (c.minChanged) {
        min = ShortestLocal(a.min, sign);
    }
}
}  // namespace

QString RecordHeader(const ProcessingState& state, const InstrumentConfig& config, const ProcessOptions& options)
{
    QString header = options.prefix + QStringLiteral("-heure-") + options.instrumentCaption + u'\t' + u'n' + u'\t' +
                     QStringLiteral("heure") + u'\t' + QStringLiteral("heure-traçage") + u'\t' + config.q1.name + u'[' +
                     state.initialPrefix + config.q1.unit + u']' + u'\t' + config.q2.name;
    if (options.threeProbes) {
        header += u'\t' + options.phMarker + u'\t' + options.oxMarker + QStringLiteral("_%");
    }
    return SingleLine(header) + options.extraHeader;
}

void LastReadingCaptions(DisplayTexts& out, const ProcessingState& state, const InstrumentConfig& config,
                         const ProcessOptions& options)
{
    const SampleSeries& series = state.series;
    const int n = series.sampleCount;
    if (n < 1 || n >= series.Capacity()) {
        return;
    }
    const QChar sign = options.regional.decimalSign;
    const Sample& sample = series.At(n);
    const int d = DecimalsFromText(state.displayDecimals, 0);
    const bool tracing = state.IsTracing(n);
    const QDateTime& now = state.lastReadingTime;
    const qint64 traceSeconds = state.tracingStartTime.isValid() ? state.tracingStartTime.secsTo(now) : 0;
    auto f5 = [&](long double v) -> QString { return FormatFixed(static_cast<double>(v), 5, d, sign) + u' '; };
    if (!tracing) {
        out.Label_zero = QStringLiteral("base = ") + f5(state.baseline) + QStringLiteral("   Hmax = ") +
                         f5(state.maxReadBeforeLast);
    } else {
        out.Label_zero = QStringLiteral("base = ") + f5(state.baseline) + QStringLiteral("   dhMAX = ") +
                         f5(state.maxReadBeforeLast - state.baseline) + QStringLiteral("   hMAX = ") +
                         f5(state.maxReadBeforeLast) + Message(QT_TRANSLATE_NOOP("sondalog::Messages", "   aire[")) + state.initialPrefix + config.q1.unit +
                         QStringLiteral(".s]x") + TrimSpaces(options.factorText) + QStringLiteral(" = ") +
                         FormatFixed(static_cast<double>(state.area), 8, 5, sign) + u' ';
    }
    out.Label_hauteur = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "(moy. des 60 der. val.) - base = ")) +
                        FormatFixed(series.MeanOfLast(60) - static_cast<double>(state.baseline), 8, 1, sign) + u' ';
    out.Label_val_grand1 = TrimSpaces(FormatFixed(sample.value1, 8, d, sign) + u' ' + state.initialPrefix + config.q1.unit);
    out.Label_grandeur1 = config.q1.name;
    out.Label_val_grand2 = FormatFixed(sample.value2, 5, 1, sign) + u' ' + config.q2.unit;
    out.Label_grandeur2 = config.q2.name;
    out.Label_heure = series.StampText(n, options.regional);
    out.Label_tracage = tracing ? FormatDuration(traceSeconds) : QStringLiteral("---");
}


bool PassLine(ProcessingState& state, const InstrumentConfig& config, const ProcessOptions& options,
              const QString& line, const ReadingFields& read, QString& instrumentTime)
{
    // 1-3: the instrument time, and no first reading before a time is known.
    ReduceTime(instrumentTime);
    if (options.withoutProcessing) {
        return false;
    }
    if (read.timeMarks == config.q1.timeMarkCount && &line != &instrumentTime && !instrumentTime.isSharedWith(line)) {
        // Copied into its own room: the line may belong to another thread, which writes next to it. (The same
        // text, or the very string, is already the time.)
        instrumentTime.resize(0);
        instrumentTime.append(line);
    }
    // Before the first reading a line with no time known is dropped (read as an empty line).
    const bool dropped = state.series.sampleCount == 0 && instrumentTime.isEmpty();
    if (state.series.sampleCount == 0) {
        state.displayDecimals = QStringLiteral("1");
        state.area = 0;
    }

    // 5: only lines of the active instrument's quantity 1, and only finite values (the log says why).
    if (dropped || !read.ofQuantity1 || read.notFinite) {
        return false;
    }
    ReduceTime(instrumentTime);
    return true;
}

DisplayTexts ProcessReading(ProcessingState& state, const InstrumentConfig& config, const ProcessOptions& options,
                            const QString& line, QString& instrumentTime, const QDateTime& now,
                            const ChartFeed& feed)
{
    return ProcessReading(state, config, options, line, nullptr, instrumentTime, now, feed, nullptr);
}

DisplayTexts ProcessReading(ProcessingState& state, const InstrumentConfig& config, const ProcessOptions& options,
                            const QString& line, const ReadingFields* readAhead, QString& instrumentTime,
                            const QDateTime& now, const ChartFeed& feed, RecordStore* recordsDirect)
{
    DisplayTexts out;
    const QChar sign = options.regional.decimalSign;
    SampleSeries& series = state.series;
    const bool stringMode = options.mode == ReadMode::StringCsv;

    ReadingFields readHere;
    if (!readAhead && !options.withoutProcessing) {
        readHere = ReadFields(line, config, options);
    }
    const ReadingFields& read = readAhead ? *readAhead : readHere;
    if (!PassLine(state, config, options, line, read, instrumentTime)) {
        if (read.notFinite) {
            out.logLines = read.log;  // why the line is no reading
        }
        return out;
    }

    // 6-7: the slot.
    series.EnsureRoomForNext();
    if (!(stringMode && read.colons == 2)) {
        ++series.sampleCount;
    }
    const int n = series.sampleCount;
    if (!(stringMode && options.replaying) || n % 10 == 0) {
        const QString shown = FormatGrouped(n);
        out.Label_n = QStringLiteral("n = ") + shown;
        out.Label_n_parametres = shown;
    }

    // 8-9: the unit prefix.
    const QStringView prefix(&read.prefix, read.hasPrefix ? 1 : 0);
    if (n <= 3) {
        state.initialPrefix = prefix.toString();
        state.prefixFactor = 1;
        out.Label_multiple_initial = u'[' + state.initialPrefix + QStringLiteral("]°");
    } else {
        if (state.currentPrefix != prefix) {
            state.currentPrefix = prefix.toString();
        }
        if (prefix == QLatin1String("m") && state.initialPrefix == QStringLiteral("µ")) {
            state.prefixFactor = 1000;
        } else if (prefix == QStringLiteral("µ") && state.initialPrefix == QLatin1String("m")) {
            state.prefixFactor = 0.001;
        } else {
            state.prefixFactor = 1;
        }
        out.Label_multiple_courant = state.currentPrefix;
    }

    // 10-11: the PC time and the interval check.
    if (n == 2) {
        state.timeOfReading2 = now;
    }
    if (n == 12 && !(options.mode == ReadMode::Character && options.demo) && state.timeOfReading2.isValid()) {
        const double measured = state.timeOfReading2.msecsTo(now) / 10.0 / 1000.0;
        double configured = ParseReal(options.intervalCell, sign).value;
        if (configured == 0) {
            configured = 1;
        }
        double ratio = measured / configured;
        if (ratio == 0) {
            ratio = 1;
        }
        if (ratio < 1 / ratio) {
            ratio = 1 / ratio;
        }
        if (ratio > 1.2) {
            out.showLabel7 = true;
            out.Label7 = Message(QT_TRANSLATE_NOOP("sondalog::Messages", "? rapport des intervalles ")) + FormatGeneral(ratio, 3, 1, sign);
        }
    }

    // 12: numbers.
    Sample sample;
    out.logLines = read.log;
    sample.value1 = read.value1 * state.prefixFactor;
    ProcessingState::DecimalsCache& cache = state.decimals;
    if (!cache.valid || cache.setting != options.decimalsSetting || cache.prefix != state.initialPrefix) {
        cache.setting = options.decimalsSetting;
        cache.prefix = state.initialPrefix;
        cache.shown = options.displayDecimals.isEmpty() ? DecimalsFor(options.decimalsSetting, state.initialPrefix)
                                                        : options.displayDecimals;
        if (cache.shown.isEmpty()) {
            cache.shown = QStringLiteral("0");
        }
        cache.file = FileDecimals(options.decimalsSetting);
        cache.valid = true;
    }
    if (!state.displayDecimals.isSharedWith(cache.shown)) {
        state.displayDecimals = cache.shown;
    }
    // Read ahead, the values' part of the record line is ready as bytes while no prefix converts them.
    const bool valuesReady = read.recordValuesReady && recordsDirect && state.prefixFactor == 1;
    FixedText fileText1;
    if (!valuesReady) {
        FormatFixed(fileText1, sample.value1, 8, cache.file, sign);
    }
    sample.value2 = read.value2;
    if (options.threeProbes || options.extraChartColumns[0] > 0) {
        sample.phValue = read.phValue;
        sample.oxValue = read.oxValue;
    }
    sample.value1Raw = read.value1Raw;

    // 13: store.
    sample.time = TimeValue(now);
    const qint64 nowUtc = now.toSecsSinceEpoch();
    if (options.mode == ReadMode::Character && options.demo) {
        sample.phValue = 7.1 + std::uniform_int_distribution<int>(0, 99)(state.random) / 100.0;
        sample.oxValue = 80 + std::uniform_int_distribution<int>(0, 1999)(state.random) / 100.0;
    }
    series.At(n) = sample;
    out.stored = true;
    if (feed) {
        feed(n, sample);
    }

    // 14-15: the recorded lines, one for every reading.
    const bool tracing = state.IsTracing(n);
    const qint64 traceSeconds = state.tracingStartTime.isValid() ? state.tracingStartTime.secsTo(now) : 0;
    if (n == 1) {
        if (recordsDirect) {
            *recordsDirect << RecordHeader(state, config, options);
        } else {
            out.recordLines << RecordHeader(state, config, options);
        }
    }
    const bool demoStamp = options.mode == ReadMode::Character && options.demo;
    const QString demoText =
        demoStamp ? DateText(now.date(), options.regional.shortDateFormat) + u' ' + FormatDuration(n % 86400) : QString();
    const QString traceText = tracing ? FormatDuration(traceSeconds) : QString();
    const RecordLineParts parts{series, n, !demoStamp, options.regional, demoText, instrumentTime, traceText,
                                fileText1.View(), read, options.threeProbes, options.recordingDecimalSign};
    if (recordsDirect) {
        AppendRecordLine(*recordsDirect, parts, valuesReady);  // as its bytes: no string made for the line
    } else {
        out.recordLines << RecordLine(parts);
    }

    // 16-17: baseline before t0, area from t0 on.
    if (!tracing) {
        state.baseline = series.MeanOfLast(100);
        state.area = 0;
    } else {
        const SampleSeries& readOnly = series;  // read only: the maxima and sums kept over them stay valid
        const qint64 t1 = readOnly.At(n).time;
        const qint64 t0 = n >= 1 ? readOnly.At(n - 1).time : kNoTime;
        // An interval with an empty slot (Go before the first reading) or an unknown time adds nothing.
        // The interval is real elapsed time: the wall clock jumps an hour on the nights it changes.
        const bool bothKnown = t1 != kNoTime && t0 != kNoTime;
        const qint64 dt = !bothKnown ? 0 : state.haveLastReadingUtc ? nowUtc - state.lastReadingUtc : t1 - t0;
        state.area += (static_cast<long double>(sample.value1) - state.baseline) * dt * options.areaFactor;
    }
    state.lastReadingUtc = nowUtc;
    state.haveLastReadingUtc = true;

    // 18-19: height and axes.
    state.maxReadBeforeLast = state.axisY1.maxRead;  // "Hmax" shows the peak before this reading
    const AxisChange c1 = WidenAxis(state.axisY1, sample.value1, true, true, &state.stepMemo[0]);
    ShowAxis(c1, state.axisY1, sign, out.Edit_y1_graduation, out.Edit_max_y1, out.Edit_min_y1);
    const AxisChange c2 = WidenAxis(state.axisY2, sample.value2, false, false, &state.stepMemo[1]);
    ShowAxis(c2, state.axisY2, sign, out.Edit_y2_graduation, out.Edit_max_y2, out.Edit_min_y2);
    if (c1.maxReadChanged) {
        out.Label_y1_max_lu = FormatFixed(sample.value1, 5, 1, sign);
    }
    if (c1.minReadChanged) {
        out.Label_y1_min_lu = FormatFixed(sample.value1, 5, 1, sign);
    }
    if (c2.maxReadChanged) {
        out.Label_y2_max_lu = FormatFixed(sample.value2, 5, 1, sign);
    }
    if (c2.minReadChanged) {
        out.Label_y2_min_lu = FormatFixed(sample.value2, 5, 1, sign);
    }

    // 20-21: labels and the view. A replay shows only its last reading's: they are made once, at its end.
    state.lastReadingTime = now;
    if (!options.captionsAtEnd) {
        LastReadingCaptions(out, state, config, options);
    }
    state.view.last = n;
    out.viewLast = n;
    out.redraw = !(stringMode && options.replaying);
    return out;
}

namespace {
// Visits every caption field with its control name.
template <typename Texts, typename Visit>
void ForEachCaption(Texts& t, Visit&& visit)
{
    visit("Label_n", t.Label_n);
    visit("Label_n_parametres", t.Label_n_parametres);
    visit("Label_multiple_initial", t.Label_multiple_initial);
    visit("Label_multiple_courant", t.Label_multiple_courant);
    visit("Label7", t.Label7);
    visit("Label_zero", t.Label_zero);
    visit("Label_hauteur", t.Label_hauteur);
    visit("Label_y1_max_lu", t.Label_y1_max_lu);
    visit("Label_y1_min_lu", t.Label_y1_min_lu);
    visit("Label_y2_max_lu", t.Label_y2_max_lu);
    visit("Label_y2_min_lu", t.Label_y2_min_lu);
    visit("Label_val_grand1", t.Label_val_grand1);
    visit("Label_val_grand2", t.Label_val_grand2);
    visit("Label_grandeur1", t.Label_grandeur1);
    visit("Label_grandeur2", t.Label_grandeur2);
    visit("Label_heure", t.Label_heure);
    visit("Label_tracage", t.Label_tracage);
    visit("Edit_y1_graduation", t.Edit_y1_graduation);
    visit("Edit_max_y1", t.Edit_max_y1);
    visit("Edit_min_y1", t.Edit_min_y1);
    visit("Edit_y2_graduation", t.Edit_y2_graduation);
    visit("Edit_max_y2", t.Edit_max_y2);
    visit("Edit_min_y2", t.Edit_min_y2);
}
}  // namespace

void DisplayTexts::MergeCaptions(const DisplayTexts& newer)
{
    // Merged after every reading: the newer captions listed on the stack, not in an allocation.
    std::array<const std::optional<QString>*, 32> from{};
    std::size_t count = 0;
    ForEachCaption(newer, [&](const char*, const std::optional<QString>& text) { from[count++] = &text; });
    std::size_t i = 0;
    ForEachCaption(*this, [&](const char*, std::optional<QString>& text) {
        // A caption that is already the same text (the unit prefix, after every reading) is left as it is.
        if (*from[i] && !(text && text->isSharedWith(**from[i]))) {
            text = *from[i];
        }
        ++i;
    });
    if (newer.showLabel7) {
        showLabel7 = true;
    }
}

std::vector<std::pair<QString, QString>> DisplayTexts::Captions() const
{
    std::vector<std::pair<QString, QString>> list;
    ForEachCaption(*this, [&](const char* name, const std::optional<QString>& text) {
        if (text) {
            list.emplace_back(QString::fromLatin1(name), *text);
        }
    });
    return list;
}


}  // namespace sondalog
