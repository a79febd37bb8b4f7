#include "acquisition/block_resync.h"

#include "acquisition/block_stamps.h"
#include "util/line_field.h"
#include "util/text_utils.h"
#include "util/translate.h"

namespace sondalog {

namespace {
QString Clean(const QString& raw)
{
    QString line = DropControlChars(raw, 17);
    line.replace(QChar(0xE6), QChar(0xB5));
    return line;
}

bool AnyContains(const QStringList& lines, const QString& marker)
{
    if (marker.isEmpty()) {
        return true;
    }
    for (const QString& line : lines) {
        if (line.contains(marker)) {
            return true;
        }
    }
    return false;
}
}  // namespace

bool BlockResync::IsWholeBlock(const QStringList& cleanLines, bool csv, const InstrumentConfig& config,
                               const BlockOptions& options)
{
    QStringList lines;
    for (const QString& line : cleanLines) {
        if (!TrimSpaces(line).isEmpty() && TrimSpaces(line) != QLatin1String(" ")) {
            lines << line;
        }
    }
    if (lines.isEmpty() || !AnyContains(lines, config.q1.marker)) {
        return false;
    }
    if (options.threeProbes && (!AnyContains(lines, options.phMarker) || !AnyContains(lines, options.oxMarker))) {
        return false;
    }
    if (!csv) {
        // The block's first line is a quantity line, not the tail of one.
        const QString& first = lines.first();
        return first.contains(config.q1.marker) || (options.threeProbes && (first.contains(options.phMarker) ||
                                                                            first.contains(options.oxMarker)));
    }
    const QString stamp = FieldText(lines.first(), 1, u';');
    if (CountChar(u':', stamp) != 2) {
        return false;
    }
    for (const QString& line : lines) {
        if (!line.contains(u';') || FieldText(line, 1, u';') != stamp) {
            return false;
        }
    }
    return true;
}

BlockResync::Step BlockResync::Feed(const QString& rawLine, const InstrumentConfig& config,
                                    const BlockOptions& options)
{
    Step step;
    held_ << rawLine;
    const QString clean = Clean(rawLine);
    const bool csv = clean.contains(u';');
    const QString key = BlockAssembler::BlockKey(config, options);
    const bool closes = csv ? (!key.isEmpty() && clean.contains(key)) : HasClockMark(clean);
    if (!closes) {
        if (held_.size() > kMaxPendingBlockLines) {
            step.log << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "resynchronisation : lignes sans fin de bloc abandonnées"));
            held_.clear();
        }
        return step;
    }
    QStringList cleanLines;
    for (const QString& raw : held_) {
        cleanLines << Clean(raw);
    }
    active_ = false;
    if (IsWholeBlock(cleanLines, csv, config, options)) {
        step.lines = held_;
    } else {
        for (const QString& line : cleanLines) {
            step.log << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "bloc incomplet après reconnexion, ignoré : %1")).arg(line);
        }
    }
    held_.clear();
    return step;
}

}  // namespace sondalog
