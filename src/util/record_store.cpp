#include "util/record_store.h"

#include "util/cp1252.h"
#include "util/text_utils.h"

namespace sondalog {

void RecordStore::clear()
{
    bytes_.clear();
    bytes_.squeeze();
    starts_.clear();
    starts_.shrink_to_fit();
}

QString RecordStore::at(qsizetype i) const
{
    if (i < 0 || i >= size()) {
        return {};
    }
    const qint64 start = starts_[static_cast<std::size_t>(i)];
    const qint64 end = i + 1 < size() ? starts_[static_cast<std::size_t>(i + 1)] : bytes_.size();
    return DecodeCp1252(QByteArray::fromRawData(bytes_.constData() + start, end - start));
}

QStringList RecordStore::mid(qsizetype pos, qsizetype length) const
{
    QStringList lines;
    pos = std::max<qsizetype>(pos, 0);
    const qsizetype end = length < 0 ? size() : std::min(size(), pos + length);
    lines.reserve(std::max<qsizetype>(end - pos, 0));
    for (qsizetype i = pos; i < end; ++i) {
        lines << at(i);
    }
    return lines;
}

RecordStore& RecordStore::operator<<(const QString& line)
{
    starts_.push_back(bytes_.size());
    AppendCp1252(bytes_, line, LineBreaks::AsBlanks);
    return *this;
}

RecordStore& RecordStore::operator<<(const QStringList& lines)
{
    for (const QString& line : lines) {
        *this << line;
    }
    return *this;
}

QByteArray RecordStore::CrLfBytes() const
{
    QByteArray out;
    out.reserve(bytes_.size() + 2 * size());
    for (qsizetype i = 0; i < size(); ++i) {
        const qint64 start = starts_[static_cast<std::size_t>(i)];
        const qint64 end = i + 1 < size() ? starts_[static_cast<std::size_t>(i + 1)] : bytes_.size();
        out.append(bytes_.constData() + start, end - start);
        out.append("\r\n", 2);
    }
    return out;
}

QString RecordStore::CrLfText() const
{
    return DecodeCp1252(CrLfBytes());
}

}  // namespace sondalog
