#include "acquisition/character_decoder.h"

#include "util/line_field.h"
#include "util/text_utils.h"
#include "util/translate.h"

namespace sondalog {

CleanedBurst CleanBurst(const QString& raw, int count)
{
    CleanedBurst out;
    out.log << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "%1 caractères ")).arg(count) << raw;
    QString line = raw;
    line.replace(u'\r', u'|');
    line.replace(u'\n', u' ');
    line.replace(QChar(0xE6), QChar(0xB5));
    out.line = DropControlChars(line, 30);
    out.log << out.line;
    return out;
}

QString FindTimeField(const QString& line, const QuantityConfig& q1)
{
    const int k = CountChar(u'|', line);
    const FieldViews fields = SplitFieldViews(line, u'|');
    for (int i = 0; i < k && i < fields.size(); ++i) {
        const QStringView f = TrimSpacesView(fields.at(i));
        if (f.count(q1.timeMarkChar) == q1.timeMarkCount) {
            return f.toString();
        }
    }
    return {};
}

QString ExtractValues(const QString& line, const QuantityConfig& q1, const QString& phMarker, const QString& oxMarker)
{
    const int k = CountChar(u'|', line);
    const FieldViews fields = SplitFieldViews(line, u'|');
    QString quantity;
    QString ph;
    QString ox;
    for (int i = 0; i < k && i < fields.size(); ++i) {
        const QStringView f = TrimSpacesView(fields.at(i));
        if (ContainsText(f, q1.marker) && (q1.markerNote.isEmpty() || !f.contains(q1.markerNote))) {
            quantity = BeforeFlags(f.toString());
        }
        if (ContainsText(f, phMarker)) {
            ph = phMarker + u' ' + LineField(f.toString(), 2, u' ');
        }
        if (ContainsText(f, oxMarker)) {
            ox = oxMarker + u' ' + LineField(f.toString(), 2, u' ') + QStringLiteral(" %");
        }
    }
    return quantity + u' ' + ph + u' ' + ox;
}

namespace {
bool IsTimeField(QStringView field, const QuantityConfig& q1)
{
    return TrimSpacesView(field).count(q1.timeMarkChar) == q1.timeMarkCount;
}

bool IsPlainNumber(QStringView field)
{
    const QStringView f = TrimSpacesView(field);
    bool digit = false;
    for (const QChar c : f) {
        if (c.isDigit()) {
            digit = true;
        } else if (c != u'.' && c != u',' && c != u'-' && c != u'+') {
            return false;
        }
    }
    return digit;
}
}  // namespace

bool IsCsvLine(const QString& line, const QuantityConfig& q1)
{
    // Each instrument line of the burst on its own: a CSV line has several ';' fields, a number among them, and
    // the quantity's marker as a field of its own.
    for (const QStringView part : QStringView(line).split(u'|')) {
        if (part.count(u';') < 2) {
            continue;
        }
        bool number = false;
        bool marker = q1.marker.isEmpty();
        for (const QStringView f : part.split(u';')) {
            number = number || IsPlainNumber(f);
            marker = marker || TrimSpacesView(f) == q1.marker;
        }
        if (number && marker) {
            return true;
        }
    }
    return false;
}

QStringList SplitBlocks(const QString& line, const QuantityConfig& q1)
{
    // An instrument that never pauses: one burst may hold many print blocks. Each begins at its time field; a cut
    // is made only where the part before it holds a reading of its own (the quantity's marker).
    const int k = CountChar(u'|', line);
    const QList<QStringView> fields = QStringView(line).split(u'|');
    QList<qsizetype> starts;
    for (int i = 0; i < k && i < fields.size(); ++i) {
        if (IsTimeField(fields.at(i), q1)) {
            starts << i;
        }
    }
    if (starts.size() < 2) {
        return {line};
    }
    QStringList blocks;
    qsizetype from = 0;
    bool holdsValues = false;
    bool holdsTime = false;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > from && starts.contains(i) && holdsValues && holdsTime) {
            QStringList part;
            for (qsizetype j = from; j < i; ++j) {
                part << fields.at(j).toString();
            }
            blocks << part.join(u'|') + u'|';
            from = i;
            holdsValues = false;
            holdsTime = false;
        }
        holdsTime = holdsTime || starts.contains(i);
        holdsValues = holdsValues || (ContainsText(fields.at(i), q1.marker) &&
                                      (q1.markerNote.isEmpty() || !fields.at(i).contains(q1.markerNote)));
    }
    QStringList rest;
    for (qsizetype j = from; j < fields.size(); ++j) {
        rest << fields.at(j).toString();
    }
    blocks << rest.join(u'|');
    return blocks;
}

CharacterDecoder::Cycle CharacterDecoder::Decode(const QString& line, const QuantityConfig& q1,
                                                 const QString& phMarker, const QString& oxMarker, bool stopRequested)
{
    Cycle c;
    if (line.contains(u';')) {
        if (IsCsvLine(line, q1)) {
            c.csvDetected = true;
            c.log << Message(kCsvDetectedLog);
            return c;
        }
        c.log << Message(kStraySemicolonLog);  // noise on the line: the run goes on
    }
    const QString time = FindTimeField(line, q1);
    if (!time.isEmpty()) {
        timeText_ = time;
    }
    valuesText_ = ExtractValues(line, q1, phMarker, oxMarker);
    if (!valuesText_.isEmpty() && !timeText_.isEmpty() && !stopRequested) {
        c.log << QStringLiteral("_heure =<") + timeText_ + u'>' << QStringLiteral("_grand1=<") + valuesText_ + u'>';
        c.handOver = true;
        c.timeText = timeText_;
        c.valuesText = valuesText_;
        timeText_.clear();
        valuesText_.clear();
    }
    return c;
}

}  // namespace sondalog
