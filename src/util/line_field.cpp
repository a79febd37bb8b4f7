#include "util/line_field.h"

#include <algorithm>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "util/text_utils.h"

namespace sondalog {

QStringList SplitFields(const QString& text, QChar sep)
{
    if (sep == u' ') {
        // Runs of blanks are one separator, and blanks at the ends open or close the text,
        // so the fields are exactly the non-empty words.
        return text.split(sep, Qt::SkipEmptyParts);
    }
    if (text.isEmpty()) {
        return {};
    }
    QStringList parts = text.split(sep);
    // A separator at either end is the text's own opening or closing one, not an empty field.
    if (text.startsWith(sep)) {
        parts.removeFirst();
    }
    if (text.endsWith(sep) && !parts.isEmpty()) {
        parts.removeLast();
    }
    return parts;
}

namespace {
/// Calls `at` with the place of every `sep` in `text`, in order; eight characters at a time where SSE2 is at
/// hand (a line's fields are cut on every reading).
template <typename At>
void ForEachSeparator(QStringView text, QChar sep, At at)
{
    const char16_t* const u = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i separator = _mm_set1_epi16(static_cast<short>(sep.unicode()));
    for (; i + 8 <= size; i += 8) {
        unsigned hits = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i)), separator)));
        while (hits != 0) {
            at(i + std::countr_zero(hits) / 2);
            hits &= hits - 1;  // the lane's two bits
            hits &= hits - 1;
        }
    }
#endif
    for (; i < size; ++i) {
        if (u[i] == sep.unicode()) {
            at(i);
        }
    }
}
}  // namespace

FieldViews SplitFieldViews(QStringView text, QChar sep)
{
    FieldViews fields;
    const qsizetype size = text.size();
    qsizetype start = 0;
    if (sep == u' ') {
        // Runs of blanks are one separator: the fields are the words between them.
        const auto word = [&](qsizetype end) {
            if (end > start) {
                fields.append(text.sliced(start, end - start));
            }
            start = end + 1;
        };
        ForEachSeparator(text, sep, word);
        word(size);
        return fields;
    }
    if (size == 0) {
        return fields;
    }
    const auto cut = [&](qsizetype end) {
        fields.append(text.sliced(start, end - start));
        start = end + 1;
    };
    ForEachSeparator(text, sep, cut);
    cut(size);
    // A separator at either end is the text's own opening or closing one, not an empty field.
    if (text.front() == sep) {
        fields.remove(0);
    }
    if (text.back() == sep && !fields.isEmpty()) {
        fields.removeLast();
    }
    return fields;
}


qsizetype LastFieldHolding(const FieldViews& fields, QStringView text, QStringView what)
{
    // Every occurrence in the text, in order, is matched to the field it falls in (the fields are in order
    // too); one that crosses a separator or a field's blanks at either end counts for none.
    qsizetype found = 0;
    qsizetype field = 0;
    const auto occurrence = [&](qsizetype at) {
        const QChar* const begin = text.data() + at;
        const QChar* const end = begin + what.size();
        while (field < fields.size() && fields[field].data() + fields[field].size() < end) {
            ++field;
        }
        if (field == fields.size()) {
            return;
        }
        const QStringView trimmed = TrimSpacesView(fields[field]);
        if (trimmed.data() <= begin && end <= trimmed.data() + trimmed.size()) {
            found = field + 1;
        }
    };
    if (what.size() == 1) {
        ForEachSeparator(text, what.front(), occurrence);  // one character (the time's ':'): one pass
        return found;
    }
    for (qsizetype at = FindText(text, what); at >= 0; at = FindText(text, what, at + 1)) {
        occurrence(at);
    }
    return found;
}

QString LineField(const QString& text, int n, QChar sep)
{
    if (n <= 0) {
        return {};
    }
    const QStringList fields = SplitFields(text, sep);
    if (n > fields.size()) {
        return {};
    }
    return TrimSpaces(fields.at(n - 1));
}

QString BeforeFlags(const QString& text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (text.at(i) != u',') {
            continue;
        }
        const bool decimal = i > 0 && i + 1 < size && text.at(i - 1).isDigit() && text.at(i + 1).isDigit();
        if (!decimal) {
            return TrimSpaces(text.left(i));
        }
    }
    return TrimSpaces(text);
}

namespace {
/// True when a character of `text` has a code below `threshold`; eight at a time where SSE2 is at hand.
bool HasCharBelow(const QString& text, int threshold)
{
    if (threshold <= 0) {
        return false;
    }
    const char16_t* const u = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    qsizetype i = 0;
#ifdef __SSE2__
    if (threshold <= 0xFFFF) {
        // c < threshold exactly when c - (threshold - 1), floored at 0, is 0.
        const __m128i limit = _mm_set1_epi16(static_cast<short>(threshold - 1));
        for (; i + 8 <= size; i += 8) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u + i));
            if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(v, limit), _mm_setzero_si128())) != 0) {
                return true;
            }
        }
    }
#endif
    return std::any_of(u + i, u + size, [&](char16_t c) { return c < threshold; });
}
}  // namespace

QString DropControlChars(const QString& text, int threshold)
{
    // Lines seldom hold any: they are handed back shared.
    if (!HasCharBelow(text, threshold)) {
        return text;
    }
    QString out(text.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (const QChar c : text) {
        if (c.unicode() >= threshold) {
            *p++ = c;
        }
    }
    out.truncate(p - out.constData());
    return out;
}

QString RemoveChar(QChar c, const QString& text)
{
    QString out = text;
    out.remove(c);
    return out;
}

}  // namespace sondalog
