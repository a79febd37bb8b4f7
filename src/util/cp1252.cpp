#include "util/cp1252.h"

#include <algorithm>
#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace sondalog {

namespace {
// 0x80..0x9F; 0 marks the five unassigned codes, which decode as their C1 control.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
}  // namespace

QString DecodeCp1252(const QByteArray& bytes)
{
    QString text;
    DecodeCp1252Into(bytes, text);
    return text;
}

void DecodeCp1252Into(QByteArrayView bytes, QString& text)
{
    text.resize(bytes.size());
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const char* in = bytes.data();
    const qsizetype size = bytes.size();
    const auto decode = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            const auto u = static_cast<unsigned char>(in[i]);
            out[i] = (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] != 0) ? kHigh[u - 0x80] : u;
        }
    };
    qsizetype i = 0;
#ifdef __SSE2__
    // Sixteen bytes at a time: none of them 0x80..0x9F (ASCII and Latin-1, most of any line), they are
    // widened as they are.
    const __m128i topThree = _mm_set1_epi8(static_cast<char>(0xE0));
    const __m128i c1 = _mm_set1_epi8(static_cast<char>(0x80));
    for (; i + 16 <= size; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(v, topThree), c1)) != 0) {
            decode(i, i + 16);
            continue;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(v, _mm_setzero_si128()));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(v, _mm_setzero_si128()));
    }
#endif
    decode(i, size);
}

QByteArray EncodeCp1252(const QString& text)
{
    QByteArray bytes;
    AppendCp1252(bytes, text);
    return bytes;
}

namespace {
/// The plain ASCII run at the front of `text` (every character below 0x80 but CR and LF, tabs included),
/// copied as bytes; returns how many characters it took. Eight at a time where SSE2 is at hand.
qsizetype CopyPlainAscii(const char16_t* text, qsizetype size, char* out)
{
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i lf = _mm_set1_epi16(u'\n');
    for (; i + 8 <= size; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        const __m128i ascii = _mm_cmpeq_epi16(_mm_and_si128(v, high), _mm_setzero_si128());
        const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi16(v, cr), _mm_cmpeq_epi16(v, lf));
        // Every lane below 0x80 and none a line break: the eight go as they are.
        if (_mm_movemask_epi8(_mm_andnot_si128(breaks, ascii)) != 0xFFFF) {
            break;
        }
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(v, v));
    }
#endif
    for (; i < size && text[i] < 0x80 && text[i] != u'\r' && text[i] != u'\n'; ++i) {
        out[i] = static_cast<char>(text[i]);
    }
    return i;
}
}  // namespace

void AppendCp1252(QByteArray& out, QStringView text, LineBreaks breaks)
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    EncodeCp1252To(out.data() + at, text, breaks);
}

char* EncodeCp1252To(char* p, QStringView text, LineBreaks breaks)
{
    const bool blanks = breaks == LineBreaks::AsBlanks;
    const char16_t* const u16 = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        // Plain ASCII, most of any line, is copied in runs; the rest one by one.
        const qsizetype plain = CopyPlainAscii(u16 + i, size - i, p);
        i += plain;
        p += plain;
        if (i == size) {
            break;
        }
        const char16_t u = u16[i++];
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *p++ = blanks && (u == u'\r' || u == u'\n') ? ' ' : static_cast<char>(u);
            continue;
        }
        char mapped = '?';
        if (blanks && (u == 0x2028 || u == 0x2029)) {
            mapped = ' ';
        }
        for (std::size_t k = 0; mapped == '?' && k < kHigh.size(); ++k) {
            if (kHigh[k] == u || (kHigh[k] == 0 && u == 0x80 + k)) {
                mapped = static_cast<char>(0x80 + k);
            }
        }
        *p++ = mapped;
    }
    return p;
}

}  // namespace sondalog
