#pragma once
// Pieces written one after another into a string's room, with no check per piece: the record
// line and the decoded values are put together this way for every reading.

#include <QString>
#include <QStringView>

#include <cstring>

namespace sondalog {

class TextWriter {
public:
    /// Appends to `text`; `room` must hold every piece that will be put.
    TextWriter(QString& text, qsizetype room) : text_(text), start_(text.size())
    {
        text_.resize(start_ + room);
        at_ = text_.data() + start_;
    }
    ~TextWriter() { text_.truncate(at_ - text_.constData()); }
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    TextWriter& operator<<(QStringView piece)
    {
        if (!piece.isEmpty()) {
            std::memcpy(static_cast<void*>(at_), piece.data(), static_cast<std::size_t>(piece.size()) * sizeof(QChar));
            at_ += piece.size();
        }
        return *this;
    }
    TextWriter& operator<<(QChar c)
    {
        *at_++ = c;
        return *this;
    }
    /// The position reached, from the start of the string.
    qsizetype Size() const { return at_ - text_.constData(); }

private:
    QString& text_;
    qsizetype start_;
    QChar* at_ = nullptr;
};

}  // namespace sondalog
