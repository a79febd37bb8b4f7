// A decoded line's fields read into numbers: quantity 1 with its unit prefix, quantity 2, pH and oxygen, every
// value that is not a number said in the log and a value that is not finite making the line no reading.
#include "processing/process_reading.h"

#include "util/line_field.h"
#include "util/text_utils.h"
#include "util/translate.h"

namespace sondalog {

namespace {
const QString kValueChars = QStringLiteral("+,-.0123456789E");
const CharSet kValueSet(kValueChars);

/// The value characters of a field, an exponent's 'e' kept as 'E' (1,5e3), a word's 'e' dropped (Temp).
QString KeepValueChars(QStringView field)
{
    QString kept = KeepOnly(field, kValueSet);
    if (!field.contains(u'e')) {
        return kept;
    }
    kept.clear();
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c == u'e' && IsExponentAt(field, i)) {
            kept += u'E';
        } else if (kValueChars.contains(c)) {
            kept += c;
        }
    }
    return kept;
}

/// The word after the marker word: where the three-probe values stand in either reading mode.
QString WordAfter(const FieldViews& fields, const QString& marker)
{
    if (marker.isEmpty()) {
        return {};
    }
    for (qsizetype i = 0; i + 1 < fields.size(); ++i) {
        if (TrimSpacesView(fields.at(i)) == marker) {
            return TrimSpacesView(fields.at(i + 1)).toString();
        }
    }
    for (qsizetype i = 0; i + 1 < fields.size(); ++i) {
        if (fields.at(i).contains(marker)) {
            return TrimSpacesView(fields.at(i + 1)).toString();
        }
    }
    return {};
}

/// A number the instrument wrote as not finite (NaN, inf, 1.#INF, 1e309): no reading at all, never a 0.
bool IsNotFinite(QStringView field, const Parsed<double>& parsed)
{
    if (parsed.notFinite) {
        return true;
    }
    // Those texts lose their letters on the way and read as 0: only a 0 is worth looking at again.
    return parsed.value == 0 && !parsed.malformed &&
           (field.contains(u"nan", Qt::CaseInsensitive) || field.contains(u"inf", Qt::CaseInsensitive));
}

double InstrumentNumber(QStringView text, QChar decimalSign, QStringList& log, bool& notFinite,
                        QStringView original = {})
{
    const Parsed<double> parsed = ParseReal(text, decimalSign);
    if (IsNotFinite(original.isNull() ? text : original, parsed)) {
        notFinite = true;
        log << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "valeur non finie <%1> : pas une mesure")).arg(original.isNull() ? text : original);
        return 0;
    }
    if (parsed.malformed) {
        // A run must never stop on a garbled number: it counts 0 and the log says so.
        log << Message(QT_TRANSLATE_NOOP("sondalog::Messages", "valeur illisible <%1> comptée 0")).arg(text);
    }
    return parsed.value;
}

/// The value field's number. With a point or a comma as the decimal sign, the parse passes over exactly
/// the characters KeepOnly drops: the field is read as it stands, and cut only for a garbled number's log.
double ValueFieldNumber(QStringView field, QChar decimalSign, QStringList& log, bool& notFinite)
{
    if (decimalSign == u'.' || decimalSign == u',') {
        const Parsed<double> parsed = ParseReal(field, decimalSign);
        if (!parsed.malformed && !IsNotFinite(field, parsed)) {
            return parsed.value;
        }
    }
    return InstrumentNumber(KeepValueChars(field), decimalSign, log, notFinite, field);
}
}  // namespace

ReadingFields ReadFields(const QString& line, const InstrumentConfig& config, const ProcessOptions& options)
{
    ReadingFields r;
    ReadFields(r, line, config, options);
    return r;
}

void ReadFields(ReadingFields& r, const QString& whole, const InstrumentConfig& config, const ProcessOptions& options)
{
    // Extra columns ride after their mark: kept for the record, never read as fields.
    const qsizetype mark = whole.indexOf(kExtraColumnsMark);
    const QString line = mark < 0 ? whole : whole.left(mark);
    QString room2 = std::move(r.valueText2);
    QByteArray roomBytes = std::move(r.recordValues);
    r = ReadingFields();
    r.recordValues = std::move(roomBytes);
    if (mark >= 0) {
        r.extraColumns = whole.mid(mark + kExtraColumnsMark.size() - 1);  // from its tab
        if (options.extraChartColumns[0] > 0) {
            // The third and fourth charts' values, from the record's own columns (empty: no value, 0).
            const QStringList extra = r.extraColumns.split(u'\t');
            r.phValue = extra.value(options.extraChartColumns[0]).toDouble();
            r.oxValue = extra.value(options.extraChartColumns[1]).toDouble();
        }
        if (options.rawColumn > 0) {
            bool ok = false;
            const double raw = r.extraColumns.section(u'\t', options.rawColumn, options.rawColumn).toDouble(&ok);
            r.value1Raw = ok ? raw : std::numeric_limits<double>::quiet_NaN();
        }
    }
    const QuantityConfig& q1 = config.q1;
    const QuantityConfig& q2 = config.q2;
    const QChar sign = options.regional.decimalSign;
    r.timeMarks = CountChar(q1.timeMarkChar, line);
    r.ofQuantity1 = ContainsText(line, q1.marker) && !ContainsText(line, q1.markerNote);
    if (!r.ofQuantity1) {
        return;
    }
    r.colons = q1.timeMarkChar == u':' ? r.timeMarks : CountChar(u':', line);
    // The line is cut once per separator; the fields are then read by number.
    const FieldViews fields1 = SplitFieldViews(line, q1.separator);
    const FieldViews fields2 = q2.separator == q1.separator ? fields1 : SplitFieldViews(line, q2.separator);
    const QStringView prefix = FieldView(fields1, q1.occurrence + 1).left(1);
    r.hasPrefix = !prefix.isEmpty();
    r.prefix = r.hasPrefix ? prefix.front() : QChar();
    // The numbers, in the order their log lines are written: quantity 1, quantity 2, pH, oxygen.
    r.value1 = ValueFieldNumber(FieldView(fields1, q1.occurrence), sign, r.log, r.notFinite);
    r.valueText2 = std::move(room2);
    const QStringView field2 = FieldView(fields2, q2.occurrence);
    KeepOnlyInto(r.valueText2, field2, kValueSet);
    if (field2.contains(u'e')) {
        r.valueText2 = KeepValueChars(field2);
    }
    NormalizeDecimal(r.valueText2, sign);
    r.value2 = InstrumentNumber(r.valueText2, sign, r.log, r.notFinite, field2);
    if (options.threeProbes) {
        r.phText = WordAfter(fields2, options.phMarker);
        r.oxText = WordAfter(fields2, options.oxMarker);
        const QString phWord = r.phText;
        const QString oxWord = r.oxText;
        NormalizeDecimal(r.phText, sign);
        NormalizeDecimal(r.oxText, sign);
        r.phValue = InstrumentNumber(r.phText, sign, r.log, r.notFinite, phWord);
        r.oxValue = InstrumentNumber(r.oxText, sign, r.log, r.notFinite, oxWord);
    }
}

}  // namespace sondalog
