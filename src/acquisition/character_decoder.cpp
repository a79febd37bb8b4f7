#include "acquisition/character_decoder.h"

#include "util/line_field.h"
#include "util/text_utils.h"

namespace sondalog {

CleanedBurst CleanBurst(const QString& raw, int count)
{
    CleanedBurst out;
    out.log << QString::number(count) + QStringLiteral(" caractères ") << raw;
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

CharacterDecoder::Cycle CharacterDecoder::Decode(const QString& line, const QuantityConfig& q1,
                                                 const QString& phMarker, const QString& oxMarker, bool stopRequested)
{
    Cycle c;
    if (line.contains(u';')) {
        c.csvDetected = true;
        c.log << kCsvDetectedLog;
        return c;
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
