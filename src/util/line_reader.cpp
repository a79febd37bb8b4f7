#include "util/line_reader.h"

#include "util/cp1252.h"
#include "util/text_file.h"

#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace sondalog {

LineReader::LineReader(const QString& path, qint64 chunkBytes) : file_(path), chunk_(std::max<qint64>(chunkBytes, 16))
{
    open_ = IsReadableRegularFile(path) && file_.open(QIODevice::ReadOnly);
    size_ = open_ ? file_.size() : 0;
    eof_ = !open_;
}

bool LineReader::Fill()
{
    if (eof_) {
        return false;
    }
    // What was consumed goes; an unfinished line moves to the front of the same room.
    const qsizetype rest = filled_ - pos_;
    if (rest > 0 && pos_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + pos_, static_cast<std::size_t>(rest));
    }
    pos_ = 0;
    filled_ = rest;
    if (static_cast<qsizetype>(buffer_.size()) < rest + chunk_) {
        buffer_.resize(static_cast<std::size_t>(rest + chunk_));
    }
    const qint64 got = file_.read(buffer_.data() + rest, chunk_);
    if (got < 0) {
        failed_ = true;
        eof_ = true;
        return false;
    }
    if (got > 0 && std::memchr(buffer_.data() + rest, '\0', static_cast<std::size_t>(got))) {
        notText_ = true;
        eof_ = true;
        return false;
    }
    filled_ = rest + got;
    if (got == 0) {
        eof_ = true;
        return false;
    }
    return true;
}

namespace {
/// The first CR or LF from `from` on, or `size`; sixteen bytes at a time where SSE2 is at hand.
qsizetype LineEnd(const char* data, qsizetype from, qsizetype size)
{
    qsizetype i = from;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const int ends = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
        if (ends != 0) {
            return i + std::countr_zero(static_cast<unsigned>(ends));
        }
    }
#endif
    while (i < size && data[i] != '\n' && data[i] != '\r') {
        ++i;
    }
    return i;
}
}  // namespace

void LineReader::Decode(qsizetype end, QString& line)
{
    const char* data = buffer_.data();
    DecodeCp1252Into(QByteArrayView(data + pos_, end - pos_), line);
    qsizetype next = end + 1;
    if (data[end] == '\r' && next < filled_ && data[next] == '\n') {
        ++next;
    }
    consumed_ += next - pos_;
    pos_ = next;
}

bool LineReader::Next(QString& line)
{
    for (;;) {
        const char* data = buffer_.data();
        const qsizetype size = filled_;
        const qsizetype i = LineEnd(data, pos_, size);
        if (i < size) {
            // A CR at the very end of the chunk may be the first half of a CR LF.
            if (data[i] == '\r' && i + 1 == size && !eof_) {
                if (Fill()) {
                    continue;
                }
                Decode(filled_ - 1, line);
                return true;
            }
            Decode(i, line);
            return true;
        }
        if (Fill()) {
            continue;
        }
        if (pos_ < filled_) {  // the last line, without a line end
            DecodeCp1252Into(QByteArrayView(buffer_.data() + pos_, filled_ - pos_), line);
            consumed_ += filled_ - pos_;
            pos_ = filled_;
            return true;
        }
        return false;
    }
}

double LineReader::Fraction() const
{
    return size_ > 0 ? static_cast<double>(consumed_) / static_cast<double>(size_) : 1.0;
}

}  // namespace sondalog
