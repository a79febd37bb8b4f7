#include "acquisition/stored_files.h"

#include "acquisition/character_decoder.h"
#include "util/instrument_stamp.h"
#include "util/number_format.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <utility>

namespace sondalog {

namespace {
AutoFileLoad FinishAutoLoad(const ReadingRun& run, AutoFileLoad load);
}  // namespace

bool HoldsCsvReadings(const QStringList& lines, const QuantityConfig& q1)
{
    return std::any_of(lines.cbegin(), lines.cend(), [&](const QString& line) { return IsCsvLine(line, q1); });
}

namespace {
/// t0's instant from the first traced reading's wall-clock time and its "heure-traçage" (hh:mm:ss, hours may
/// exceed 24); invalid when either cannot be read.
QDateTime TraceOrigin(qint64 time, QStringView trace)
{
    if (time == kNoTime) {
        return {};
    }
    const bool negative = trace.startsWith(u'-');
    const QList<QStringView> parts = (negative ? trace.mid(1) : trace).split(u':');
    if (parts.size() != 3) {
        return {};
    }
    qint64 seconds = 0;
    for (const QStringView p : parts) {
        bool ok = false;
        const int v = p.toInt(&ok);
        if (!ok || v < 0) {
            return {};
        }
        seconds = seconds * 60 + v;
    }
    return TimeFromValue(time - (negative ? -seconds : seconds));
}
}  // namespace

namespace {
/// Stamps the PC's date pattern did not read (a file made on a PC set to another language: 12/31/2026 on a French
/// PC) are read in the order the file's own stamps show, rather than left without a time.
void ReadStampsInTheFilesOrder(SampleSeries& series, const Regional& regional)
{
    QStringList kept;
    for (int n = 1; n <= series.sampleCount; ++n) {
        const Sample& s = series.At(n);
        if (s.time == kNoTime && s.stampIndex >= 0) {
            kept << series.KeptStamp(s.stampIndex);
        }
    }
    if (kept.isEmpty()) {
        return;
    }
    const QString pattern = regional.shortDateFormat.trimmed();
    const DateOrder hint = pattern.startsWith(u'M')   ? DateOrder::MonthFirst
                           : pattern.startsWith(u'y') ? DateOrder::YearFirst
                                                      : DateOrder::DayFirst;
    const DateOrder order = DetectDateOrder(kept, hint);
    // The stamps the PC's pattern did read were read in the wrong order too (06/12/2026 before 06/13/2026 in a file of
    // month-first dates): once the file tells its order, every stamp is read in it.
    const bool reorder = order != hint;
    for (int n = 1; n <= series.sampleCount; ++n) {
        Sample& s = series.At(n);
        if (reorder && s.time != kNoTime) {
            const QString text = StampFromTime(QDateTime::fromSecsSinceEpoch(s.time, Qt::UTC), regional);
            if (const std::optional<qint64> wall = WallSeconds(text, order)) {
                s.time = *wall;
            }
        } else if (s.time == kNoTime && s.stampIndex >= 0) {
            if (const std::optional<qint64> wall = WallSeconds(series.KeptStamp(s.stampIndex), order)) {
                s.time = *wall;
                s.stampIndex = -1;
            }
        }
    }
}
}  // namespace

int BlockLength(const QStringList& lines, const QString& marker)
{
    const int count = static_cast<int>(lines.size());
    if (marker.isEmpty()) {
        return 0;
    }
    const int l1 = std::min(count - 1, 50);
    int first = -1;
    for (int i = 1; i <= l1; ++i) {
        if (lines.at(i).contains(marker)) {
            first = i;
            break;
        }
    }
    if (first < 0) {
        return 0;
    }
    const int l2 = std::min(count - 1, 100);
    int next = l2 + 1;
    for (int j = first + 1; j <= l2; ++j) {
        if (lines.at(j).contains(marker)) {
            next = j;
            break;
        }
    }
    const int length = next - first;
    return length == 50 ? 0 : length;
}

QString LooksLikeAutoQuestion(const QString& fileName, int blockLength)
{
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", " problème avec le fichier <%1>\n\n il semble que c'est un fichier "
                                                           "d'acquisition Automatique du multimètre  \n\n le traiter ainsi "
                                                           "?\n\n longueur d'un bloc = %2"))
        .arg(fileName, QString::number(blockLength));
}

QString LooksLikeOwnQuestion(const QString& fileName, const QString& endOfBlock)
{
    return Message(QT_TRANSLATE_NOOP("sondalog::Messages", " Aucun bloc détecté avec le repère fin de bloc <%1> dans le fichier "
                                                           "<%2>\n\n il semble que c'est un fichier SondaLOG  (vérifier ce "
                                                           "repère dans les paramètres)\n\n Traiter comme un fichier SondaLOG ?\n\n"))
        .arg(endOfBlock, fileName);
}

OwnRecordingLoad LoadOwnRecording(const QStringList& lines, ProcessingState& state, const Regional& regional,
                                  const Progress& progress)
{
    qsizetype index = 0;
    const NextLine next = [&](QString& line) {
        if (index >= lines.size()) {
            return false;
        }
        line = lines.at(index++);
        return true;
    };
    const qsizetype count = lines.size();
    return LoadOwnRecording(next, static_cast<int>(count), state, regional, progress,
                            [&] { return count > 0 ? static_cast<double>(index) / static_cast<double>(count) : 1.0; });
}

OwnRecordingLoad LoadOwnRecording(const NextLine& next, int lineCount, ProcessingState& state,
                                  const Regional& regional, const Progress& progress,
                                  const std::function<double()>& fraction)
{
    OwnRecordingLoad load;
    SampleSeries& series = state.series;
    series.ClearKeptStamps();
    series.Resize(std::max(lineCount, 1) + SampleSeries::kGrowth);
    const QChar sign = regional.decimalSign;
    const StampReader stamps(regional);
    QString header;
    QString line;
    if (!next(header)) {
        header.clear();
    }
    // A continued run's save holds only its new readings, without a header line: its first line is a reading.
    bool firstIsReading = IsRecordingDataLine(header);
    if (firstIsReading) {
        line = header;
        header.clear();
    }
    int count = 0;  // readings
    while (std::exchange(firstIsReading, false) || next(line)) {
        const int i = count + 1;
        if (progress && i % 4096 == 0 && !progress(fraction ? fraction() : 0.0)) {
            break;
        }
        if (i + 1 >= series.Capacity()) {
            series.Resize(series.Capacity() * 2);  // more lines than announced
        }
        // The columns as views: only the values are copied, to be parsed.
        QStringView columns[8];
        {
            const QStringView whole(line);
            qsizetype start = 0;
            int c = 0;
            for (qsizetype k = 0; k <= whole.size() && c < 8; ++k) {
                if (k == whole.size() || whole[k] == u'\t') {
                    columns[c++] = whole.sliced(start, k - start).trimmed();
                    start = k + 1;
                }
            }
        }
        Sample s;
        const QStringView stamp = columns[0].left(80);
        if (const std::optional<qint64> value = stamps.Value(stamp)) {
            s.time = *value;
        } else if (!stamp.isEmpty()) {
            s.stampIndex = series.KeepStamp(stamp.toString());
        }
        s.value1 = ParseReal(columns[4].toString(), sign).value;
        s.value2 = ParseReal(columns[5].toString(), sign).value;
        s.phValue = ParseReal(columns[6].toString(), sign).value;
        s.oxValue = ParseReal(columns[7].toString(), sign).value;
        series.At(i) = s;
        if (load.tracingStart == 0 && !columns[3].isEmpty()) {
            // t0 is the last reading before Go, as the live run marks it: the one before the first trace time.
            load.tracingStart = std::max(1, i - 1);
            load.tracingStartTime = TraceOrigin(s.time, columns[3]);
        }
        count = i;
    }
    load.count = count;
    series.sampleCount = load.count;
    ReadStampsInTheFilesOrder(series, regional);
    load.Label_n = QStringLiteral("n = ") + FormatGrouped(load.count);
    // The unit's prefix the recording was made with ("conductivité[µS/cm]"): continued readings keep it.
    const QString unit = header.section(u'\t', 4, 4).section(u'[', 1).section(u']', 0, 0);
    if (unit.size() > 1 && QStringView(u"µmk").contains(unit.front())) {
        state.initialPrefix = unit.front();
    }
    if (load.tracingStartTime.isValid()) {
        // The trace goes on in continued readings: t0 as the recording had it.
        state.t0Marked = true;
        state.tracingStartIndex = load.tracingStart;
        state.tracingStartTime = load.tracingStartTime;
    }
    load.Label_multimetre = header.section(u'\t', 0, 0).section(u'-', 2, 2);
    load.Edit_Prefixe = header.section(u'-', 0, 0);
    load.view = {1, load.count};
    state.view = load.view;
    state.haveLastReadingUtc = false;  // the file's times are wall-clock: the next interval comes from them
    return load;
}

QString ExpectedReadings(int lineCount, int blockLength)
{
    // Without blocks there is nothing to divide by: the estimate is unknown.
    if (blockLength <= 0) {
        return QStringLiteral("   => ?");
    }
    return QStringLiteral("   => ") + QString::number(lineCount / blockLength - 1);
}

namespace {
/// The multimeter's logging file opens on four header lines; a fluorometer's rows are read from the first line,
/// its header lines said in the log as no rows (three or one according to its layout: none is lost).
int AutoHeaderLines(const ReadingRun& run)
{
    return run.blockOptions.fluorometer ? 0 : 4;
}
}  // namespace

AutoFileLoad LoadAutoFile(const QStringList& lines, ReadingRun& run, const Progress& progress,
                          const std::function<void()>& beforeLine)
{
    AutoFileLoad load;
    QStringList withEnd = lines;
    withEnd << QStringLiteral("fin");
    load.Label_nmax_nf =
        ExpectedReadings(static_cast<int>(withEnd.size()), BlockLength(withEnd, run.config.active.endOfBlock));
    // The instrument's file is a run of its own: nothing of an earlier run's t0 applies to it.
    run.Start(false);
    run.timeFromInstrument = true;
    run.ClearPendingBlock();
    const QStringList stored = withEnd.mid(std::min<qsizetype>(AutoHeaderLines(run), withEnd.size() - 1));
    ReplayStoredLines(run, stored, progress, beforeLine);
    return FinishAutoLoad(run, load);
}

AutoFileLoad LoadAutoFile(const NextLine& next, int lineCount, int blockLength, ReadingRun& run,
                          const Progress& progress, const std::function<double()>& fraction,
                          const std::function<void()>& beforeLine)
{
    AutoFileLoad load;
    load.Label_nmax_nf = lineCount >= 0 ? ExpectedReadings(lineCount + 1, blockLength) : ExpectedReadings(0, 0);
    run.Start(false);
    run.timeFromInstrument = true;
    run.ClearPendingBlock();
    QString skipped;
    for (int i = 0; i < AutoHeaderLines(run) && next(skipped); ++i) {
    }
    ReplayLineSource(run, next, fraction, progress, beforeLine);
    return FinishAutoLoad(run, load);
}

namespace {
AutoFileLoad FinishAutoLoad(const ReadingRun& run, AutoFileLoad load)
{
    const int n = run.state.series.sampleCount;
    load.Label_n_parametres = FormatGrouped(n);
    load.Label_n = QStringLiteral("n = ") + load.Label_n_parametres;
    return load;
}

}  // namespace

}  // namespace sondalog
