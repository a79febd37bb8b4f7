#include "acquisition/block_assembler.h"

#include "acquisition/block_stamps.h"
#include "acquisition/fluorometer_rows.h"
#include "util/line_field.h"
#include "util/text_utils.h"
#include "util/text_writer.h"
#include "util/translate.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace sondalog {

namespace {
QString Field(const QStringList& fields, qsizetype j)
{
    return j >= 1 && j <= fields.size() ? TrimSpaces(fields.at(j - 1)) : QString();
}
}  // namespace

const QString& BlockAssembler::BlockKey(const InstrumentConfig& config, const BlockOptions& options)
{
    return options.threeProbes ? options.blockKeyChoice : config.q1.marker;
}

bool BlockAssembler::Append(const QString& line)
{
    if (!pending_.isEmpty()) {
        pending_ += u';';
    }
    pending_ += line;
    ++pendingLines_;
    if (pending_.size() > kMaxPendingBlockChars || pendingLines_ > kMaxPendingBlockLines) {
        Clear();
        return false;
    }
    return true;
}

namespace {
const char* const kBlockDroppedLog = QT_TRANSLATE_NOOP("sondalog::Messages",
    "bloc sans fin abandonné (plus de 1000 lignes ou 64 Ko) : vérifier le repère de fin de bloc et l'heure");
}  // namespace

namespace {
struct LineMarks {
    bool control = false;    ///< a character below 17, which is dropped
    bool ae = false;         ///< 'æ', the instrument's micro sign, read as 'µ'
    bool semicolon = false;  ///< a CSV line
};

/// What a received line holds of the three, in one pass (eight characters at a time where SSE2 is at hand):
/// neither dropping characters nor the micro sign makes or takes a ';'.
LineMarks MarksOf(const QString& line)
{
    LineMarks m;
    const char16_t* const u = reinterpret_cast<const char16_t*>(line.constData());
    const qsizetype size = line.size();
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i belowLimit = _mm_set1_epi16(16);
    const __m128i ae = _mm_set1_epi16(static_cast<short>(0xE6));
    const __m128i semicolon = _mm_set1_epi16(u';');
    __m128i control = _mm_setzero_si128(), aes = _mm_setzero_si128(), semicolons = _mm_setzero_si128();
    for (; i + 8 <= size; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i));
        control = _mm_or_si128(control, _mm_cmpeq_epi16(_mm_subs_epu16(v, belowLimit), _mm_setzero_si128()));
        aes = _mm_or_si128(aes, _mm_cmpeq_epi16(v, ae));
        semicolons = _mm_or_si128(semicolons, _mm_cmpeq_epi16(v, semicolon));
    }
    m.control = _mm_movemask_epi8(control) != 0;
    m.ae = _mm_movemask_epi8(aes) != 0;
    m.semicolon = _mm_movemask_epi8(semicolons) != 0;
#endif
    for (; i < size; ++i) {
        m.control = m.control || u[i] < 17;
        m.ae = m.ae || u[i] == 0xE6;
        m.semicolon = m.semicolon || u[i] == u';';
    }
    return m;
}
}  // namespace

BlockAssembler::Step BlockAssembler::Feed(const QString& rawLine, const InstrumentConfig& config,
                                          const BlockOptions& options, int sampleCount, bool stopRequested)
{
    Step s;
    Feed(s, rawLine, config, options, sampleCount, stopRequested);
    return s;
}

void BlockAssembler::Feed(Step& s, const QString& rawLine, const InstrumentConfig& config, const BlockOptions& options,
                          int sampleCount, bool stopRequested)
{
    s.log.clear();
    s.counterIncrement = 0;
    s.label21.reset();
    if (options.fluorometer) {
        FluorometerLine(s, rawLine, options, stopRequested);
        return;
    }
    // One look over the line says what the three rules below have to do (most lines: nothing).
    const LineMarks marks = MarksOf(rawLine);
    QString line = marks.control ? DropControlChars(rawLine, 17) : rawLine;
    if (marks.ae) {
        line.replace(QChar(0xE6), QChar(0xB5));
    }
    if (marks.semicolon) {
        CsvLine(s, line, config, options, sampleCount, stopRequested);
        return;
    }
    s.readings.clear();
    PlainLine(s, line, config, options, stopRequested);
}

void BlockAssembler::FluorometerLine(Step& s, const QString& rawLine, const BlockOptions& options, bool stopRequested)
{
    // Tabs separate the export's columns: only the line ends go.
    QString row = rawLine;
    row.remove(u'\r');
    row.remove(u'\n');
    s.readings.clear();
    s.counterIncrement = 1;
    if (!options.unseen) {
        s.log << row;
    }
    if (row.trimmed().isEmpty() || stopRequested) {
        return;
    }
    QString time, values, why;
    if (!FluorometerReadingTexts(row, *options.fluorometer, time, values, why)) {
        s.log << why;  // never a reading dropped without a word
        return;
    }
    s.readings << time << values;
}

void BlockAssembler::CsvLine(Step& s, const QString& line, const InstrumentConfig& config, const BlockOptions& options,
                             int sampleCount, bool stopRequested)
{
    const bool log = !options.unseen;
    if (log) {
        s.log << QString() << line;
    }
    s.counterIncrement = 1;
    if (line.isEmpty() || stopRequested) {
        s.readings.clear();
        return;
    }
    const QString& key = BlockKey(config, options);
    if (!ContainsText(line, key)) {
        if (!Append(line)) {
            s.log << Message(kBlockDroppedLog);
        }
        s.readings.clear();
        return;
    }
    // A block of one line, nobody watching (a replay, mostly), is read from the line itself: ';' + line cut at
    // its separators gives the line's own fields (and, for a line opening on ';', an empty one before them,
    // which holds no marker and reads as empty as the place before the first field does).
    const bool alone = pending_.isEmpty() && options.unseen;
    if (!alone) {
        pending_ += u';';
        pending_ += line;
    }
    const QStringView block = alone ? QStringView(line) : QStringView(pending_);
    if (log) {
        s.log << QStringLiteral("  ===>") + pending_;
    }
    if (sampleCount > 3 && !options.unseen) {
        const StampComparison stamps = CompareBlockStamps(pending_);
        if (stamps.result != 3) {
            s.label21 = Message(QT_TRANSLATE_NOOP("sondalog::Messages",
                                                  "-> mesures à dates différentes (dt=1pas)  n =%1\n\n%2\n\n modifier dans "
                                                  "les Paramètres la valeur [dernière grandeur affichée sur l'écran du WTW] \n "
                                                  "actuellement   => %3 parmi (pH, Ox, Cond) ....  click pour fermer cette "
                                                  "fenêtre"))
                            .arg(QString::number(sampleCount), stamps.listing, key);
        }
    }

    // Views into the block: a block of three probes is cut once, and the reading's two texts are the
    // only strings made. The last field of each kind wins, as if the fields were read in turn; each kind
    // is looked for once in the whole block. Past the last field (the block's closing separators) every
    // field would read empty: nothing to find there.
    const FieldViews fields = SplitFieldViews(block, u';');
    const qsizetype timeField = LastFieldHolding(fields, block, u":");
    const qsizetype q1Field = LastFieldHolding(fields, block, config.q1.marker);
    const qsizetype q2Field = LastFieldHolding(fields, block, config.q2.marker);
    const qsizetype phField = options.threeProbes ? LastFieldHolding(fields, block, options.phMarker) : 0;
    const qsizetype oxField = options.threeProbes ? LastFieldHolding(fields, block, options.oxMarker) : 0;
    const QStringView time = FieldView(fields, timeField);
    const bool haveQ1 = q1Field > 0, haveQ2 = q2Field > 0, havePh = phField > 0, haveOx = oxField > 0;
    const QStringView q1Value = FieldView(fields, q1Field - 2);
    const QStringView q1Unit = FieldView(fields, q1Field - 1);
    const QStringView q2Value = FieldView(fields, q2Field - 1);
    const QStringView phValue = FieldView(fields, phField - 2);
    const QStringView oxValue = FieldView(fields, oxField - 2);
    s.counterIncrement += 1;
    // The step's two texts keep their room from one block to the next (a replay hands the same steps round).
    if (s.readings.size() != 2) {
        s.readings.resize(2);
    }
    QString& timeText = s.readings[0];
    QString& values = s.readings[1];
    timeText.resize(0);
    timeText.append(time);
    values.resize(0);
    {
        TextWriter w(values, config.q1.marker.size() + q1Value.size() + q1Unit.size() + q2Value.size() +
                                 config.q2.marker.size() + options.phMarker.size() + phValue.size() +
                                 options.oxMarker.size() + oxValue.size() + 12);
        if (haveQ1) {
            w << config.q1.marker << q1Value << u' ' << q1Unit;
        }
        w << u' ';
        if (haveQ2) {
            w << q2Value << u' ' << config.q2.marker;
        }
        w << u' ';
        if (havePh) {
            w << options.phMarker << u' ' << phValue;
        }
        w << u' ';
        if (haveOx) {
            w << options.oxMarker << u' ' << oxValue << u' ' << u'%';
        }
    }
    if (log) {
        s.log << QStringLiteral("      =>") + values << QStringLiteral("________________");
    }
    Clear();
}

void BlockAssembler::PlainLine(Step& s, const QString& line, const InstrumentConfig& config, const BlockOptions& options,
                               bool stopRequested)
{
    if (line.isEmpty() || stopRequested) {
        return;
    }
    if (!options.unseen) {
        s.log << line;
    }
    if (!HasClockMark(line)) {
        if (!Append(line)) {
            s.log << Message(kBlockDroppedLog);
        }
        return;
    }
    pending_ = line + u';' + pending_;
    QString time, q1, ph, ox;
    const QStringList fields = SplitFields(pending_, u';');
    const int k = CountChar(u';', pending_);
    for (int i = 1; i <= k + 1; ++i) {
        const QString f = RemoveChar(u'$', Field(fields, i));
        if (CountChar(u':', f) == 2) {
            time = f;
        }
        if (ContainsText(f, config.q1.marker)) {
            q1 = BeforeFlags(f);
        }
        if (options.threeProbes) {
            if (ContainsText(f, options.phMarker)) {
                ph = options.phMarker + u' ' + LineField(f, 2, u' ');
            }
            if (ContainsText(f, options.oxMarker)) {
                ox = options.oxMarker + u' ' + LineField(f, 2, u' ') + u' ' + LineField(f, 3, u' ');
            }
        }
    }
    Clear();
    s.counterIncrement = 1;
    s.readings << time << q1 + u' ' + ph + u' ' + ox;
}

}  // namespace sondalog
