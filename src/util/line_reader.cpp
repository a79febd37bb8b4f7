#include "util/line_reader.h"

#include "util/cp1252.h"
#include "util/text_file.h"

#include <cstring>

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
    buffer_.remove(0, pos_);  // what was consumed goes; an unfinished line stays at the front
    pos_ = 0;
    const qsizetype at = buffer_.size();
    buffer_.resize(at + chunk_);
    const qint64 got = file_.read(buffer_.data() + at, chunk_);
    if (got < 0) {
        failed_ = true;
        eof_ = true;
        buffer_.resize(at);
        return false;
    }
    buffer_.resize(at + got);
    if (got == 0) {
        eof_ = true;
        return false;
    }
    return true;
}

bool LineReader::Next(QString& line)
{
    for (;;) {
        const char* data = buffer_.constData();
        const qsizetype size = buffer_.size();
        qsizetype i = pos_;
        while (i < size && data[i] != '\n' && data[i] != '\r') {
            ++i;
        }
        if (i < size) {
            // A CR at the very end of the chunk may be the first half of a CR LF.
            if (data[i] == '\r' && i + 1 == size && !eof_) {
                if (Fill()) {
                    continue;
                }
                data = buffer_.constData();
                i = buffer_.size() - 1;
            }
            DecodeCp1252Into(QByteArrayView(buffer_.constData() + pos_, i - pos_), line);
            qsizetype next = i + 1;
            if (buffer_.constData()[i] == '\r' && next < buffer_.size() && buffer_.constData()[next] == '\n') {
                ++next;
            }
            consumed_ += next - pos_;
            pos_ = next;
            return true;
        }
        if (Fill()) {
            continue;
        }
        if (pos_ < buffer_.size()) {  // the last line, without a line end
            line = DecodeCp1252(buffer_.mid(pos_));
            consumed_ += buffer_.size() - pos_;
            pos_ = buffer_.size();
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
