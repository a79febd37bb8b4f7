#include "util/cp1252.h"

#include <algorithm>
#include <array>

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
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        const char16_t mapped = (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] != 0) ? kHigh[u - 0x80] : u;
        *out++ = QChar(mapped);
    }
}

QByteArray EncodeCp1252(const QString& text)
{
    QByteArray bytes;
    AppendCp1252(bytes, text);
    return bytes;
}

void AppendCp1252(QByteArray& out, QStringView text, LineBreaks breaks)
{
    const bool blanks = breaks == LineBreaks::AsBlanks;
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char* p = out.data() + at;
    // Printable ASCII, most of any line, is copied as it stands in one tight pass; the rest one by one.
    const char16_t* const begin = text.utf16();
    const char16_t* const plainEnd =
        std::find_if(begin, begin + text.size(), [](char16_t u) { return u < 0x20 || u >= 0x7F; });
    for (const char16_t* u = begin; u != plainEnd; ++u) {
        *p++ = static_cast<char>(*u);
    }
    for (const QChar c : text.sliced(plainEnd - begin)) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *p++ = blanks && (u == u'\r' || u == u'\n') ? ' ' : static_cast<char>(u);
            continue;
        }
        char mapped = '?';
        if (blanks && (u == 0x2028 || u == 0x2029)) {
            mapped = ' ';
        }
        for (std::size_t i = 0; mapped == '?' && i < kHigh.size(); ++i) {
            if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i)) {
                mapped = static_cast<char>(0x80 + i);
            }
        }
        *p++ = mapped;
    }
}

}  // namespace sondalog
