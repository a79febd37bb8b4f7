#include "recording/stored_files.h"

#include "util/number_format.h"
#include "util/text_utils.h"

namespace sondalog {

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
    return QStringLiteral(" problème avec le fichier <") + fileName + QStringLiteral(">") + QStringLiteral("\n\n") +
           QStringLiteral(" il semble que c'est un fichier d'acquisition Automatique du multimètre  \n\n") +
           QStringLiteral(" le traiter ainsi ?\n\n") + QStringLiteral(" longueur d'un bloc = ") +
           QString::number(blockLength);
}

QString LooksLikeOwnQuestion(const QString& fileName, const QString& endOfBlock)
{
    return QStringLiteral(" Aucun bloc détecté avec le repère fin de bloc <") + endOfBlock +
           QStringLiteral("> dans le fichier <") + fileName + QStringLiteral(">") + QStringLiteral("\n\n") +
           QStringLiteral(" il semble que c'est un fichier SondaLOG  (vérifier ce repère dans les paramètres)\n\n") +
           QStringLiteral(" Traiter comme un fichier SondaLOG ?\n\n");
}

OwnRecordingLoad LoadOwnRecording(const QStringList& lines, ProcessingState& state, const Regional& regional,
                                  const Progress& progress)
{
    OwnRecordingLoad load;
    const int count = static_cast<int>(lines.size());
    SampleSeries& series = state.series;
    series.ClearKeptStamps();
    series.Resize(count + SampleSeries::kGrowth);
    const QString stampFormat = regional.shortDateFormat + QStringLiteral(" hh:mm:ss");
    const QChar sign = regional.decimalSign;
    for (int i = 1; i < count; ++i) {
        if (progress && i % 4096 == 0 && !progress(static_cast<double>(i) / count)) {
            break;
        }
        const QStringList columns = lines.at(i).split(u'\t');
        auto column = [&](int c) { return c <= columns.size() ? columns.at(c - 1).trimmed() : QString(); };
        Sample s;
        const QString stamp = column(1).left(80);
        const QDateTime time = QDateTime::fromString(stamp, stampFormat);
        if (time.isValid() && StampFromTime(time, regional) == stamp) {
            s.time = TimeValue(time);
        } else if (!stamp.isEmpty()) {
            s.stampIndex = series.KeepStamp(stamp);
        }
        s.value1 = ParseReal(column(5), sign).value;
        s.value2 = ParseReal(column(6), sign).value;
        s.phValue = ParseReal(column(7), sign).value;
        s.oxValue = ParseReal(column(8), sign).value;
        series.At(i) = s;
    }
    load.count = std::max(0, count - 1);
    series.sampleCount = load.count;
    load.Label_n = QStringLiteral("n = ") + FormatGrouped(load.count);
    const QString header = lines.value(0);
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
    run.ClearPendingBlock();
    const QStringList stored = withEnd.mid(std::min<qsizetype>(4, withEnd.size() - 1));
    ReplayStoredLines(run, stored, progress, beforeLine);
    const int n = run.state.series.sampleCount;
    load.Label_n_parametres = FormatGrouped(n);
    load.Label_n = QStringLiteral("n = ") + load.Label_n_parametres;
    return load;
}

}  // namespace sondalog
