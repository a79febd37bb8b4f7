#include "processing/record_line.h"

#include "processing/decimals.h"
#include "util/cp1252.h"
#include "util/number_format.h"
#include "util/text_writer.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace sondalog {

namespace {
/// The recording's decimal sign on the values from `from` on: 0 a comma, 1 a point, else as read.
template <typename Char>
void FileSign(Char* begin, Char* end, int choice)
{
    if (choice != 0 && choice != 1) {
        return;
    }
    const Char was(choice == 0 ? '.' : ',');
    const Char sign(choice == 0 ? ',' : '.');
    std::replace(begin, end, was, sign);
}
void FileSign(QString& text, qsizetype from, int choice)
{
    FileSign(text.data() + std::min(from, text.size()), text.data() + text.size(), choice);
}
void FileSign(QByteArray& bytes, qsizetype from, int choice)
{
    FileSign(bytes.data() + std::min(from, bytes.size()), bytes.data() + bytes.size(), choice);
}

/// A record line written as its Windows-1252 bytes where it is kept (the record store's buffer); the same
/// pieces as a TextWriter takes, into room made once (one byte per character).
class ByteWriter {
public:
    ByteWriter(QByteArray& bytes, qsizetype room) : bytes_(bytes), start_(bytes.size())
    {
        bytes_.resize(start_ + room);
        at_ = bytes_.data() + start_;
    }
    ~ByteWriter() { bytes_.truncate(at_ - bytes_.constData()); }
    ByteWriter(const ByteWriter&) = delete;
    ByteWriter& operator=(const ByteWriter&) = delete;

    ByteWriter& operator<<(QStringView piece)
    {
        at_ = EncodeCp1252To(at_, piece, LineBreaks::AsBlanks);
        return *this;
    }
    ByteWriter& operator<<(QChar c)
    {
        if (c.unicode() < 0x80 && c != u'\r' && c != u'\n') {
            *at_++ = static_cast<char>(c.unicode());
        } else {
            at_ = EncodeCp1252To(at_, QStringView(&c, 1), LineBreaks::AsBlanks);
        }
        return *this;
    }
    /// Bytes already encoded.
    void Put(QByteArrayView bytes)
    {
        std::memcpy(at_, bytes.data(), static_cast<std::size_t>(bytes.size()));
        at_ += bytes.size();
    }
    qsizetype Size() const { return at_ - bytes_.constData(); }
    char* At() { return at_; }

private:
    QByteArray& bytes_;
    qsizetype start_;
    char* at_ = nullptr;
};

/// The record line up to its trace time (stamp, reading number, instrument time); returns where the trace
/// time begins (the recording's decimal sign applies from there on).
template <typename Writer>
qsizetype WriteRecordHead(Writer& w, const SampleSeries& series, int n, bool stamp, const Regional& regional,
                          QStringView instrumentTime)
{
    if (stamp) {
        const SampleSeries::StampPieces pieces = series.Stamp(n, regional);
        w << pieces.first << pieces.Clock();
    }
    char number[16];
    const qsizetype numberLength = std::to_chars(number, number + sizeof number, n).ptr - number;
    w << u'\t';
    for (qsizetype i = 0; i < numberLength; ++i) {
        w << QChar(QLatin1Char(number[i]));
    }
    w << u'\t' << instrumentTime << u'\t';
    return w.Size();
}

/// The record line after its trace time: quantity 1 as recorded, quantity 2, the two probes.
template <typename Writer>
void WriteRecordValues(Writer& w, QStringView fileText1, const ReadingFields& read, bool threeProbes)
{
    w << u'\t' << fileText1 << u'\t' << read.valueText2;
    if (threeProbes) {
        w << u'\t' << read.phText << u'\t' << read.oxText;
    }
    w << read.extraColumns;
}


qsizetype Room(const RecordLineParts& p)
{
    return SampleSeries::kMaxStampLength + 16 + p.demoText.size() + p.instrumentTime.size() + p.traceText.size() +
           p.fileText1.size() + p.read.valueText2.size() + p.read.phText.size() + p.read.oxText.size() +
           p.read.extraColumns.size() + 8;
}
}  // namespace

void AppendRecordLine(RecordStore& store, const RecordLineParts& p, bool valuesReady)
{
    QByteArray& bytes = store.NewLine();
    ByteWriter w(bytes, Room(p) + (valuesReady ? p.read.recordValues.size() : 0));
    w << p.demoText;
    const qsizetype tail = WriteRecordHead(w, p.series, p.n, p.stamp, p.regional, p.instrumentTime);
    w << p.traceText;
    char* const traceEnd = w.At();
    if (valuesReady) {
        w.Put(p.read.recordValues);  // its decimal sign already the recording's
    } else {
        WriteRecordValues(w, p.fileText1, p.read, p.threeProbes);
    }
    FileSign(bytes.data() + tail, valuesReady ? traceEnd : w.At(), p.fileSign);
}

QString RecordLine(const RecordLineParts& p)
{
    QString record = p.demoText.toString();
    qsizetype tail = 0;
    {
        TextWriter w(record, Room(p));
        tail = WriteRecordHead(w, p.series, p.n, p.stamp, p.regional, p.instrumentTime);
        w << p.traceText;
        WriteRecordValues(w, p.fileText1, p.read, p.threeProbes);
    }
    FileSign(record, tail, p.fileSign);
    return record;
}

int FileDecimals(const QString& decimalsSetting)
{
    return DecimalsFromText(DecimalsFor(decimalsSetting, QStringLiteral("F")), 4);
}

void PrepareRecordValues(ReadingFields& read, const ProcessOptions& options)
{
    read.recordValues.resize(0);  // keeps its room: a replay hands the same fields round
    read.recordValuesReady = false;
    if (!read.ofQuantity1) {
        return;
    }
    // The decimals setting is the same for every line of a run: its "F" is read once.
    if (!read.fileDecimalsKnown || read.fileDecimalsSetting != options.decimalsSetting) {
        read.fileDecimalsSetting = options.decimalsSetting;
        read.fileDecimals = FileDecimals(read.fileDecimalsSetting);
        read.fileDecimalsKnown = true;
    }
    const int decimals = read.fileDecimals;
    FixedText fileText1;
    FormatFixed(fileText1, read.value1, 8, decimals, options.regional.decimalSign);
    {
        ByteWriter w(read.recordValues,
                     fileText1.size + read.valueText2.size() + read.phText.size() + read.oxText.size() +
                         read.extraColumns.size() + 4);
        WriteRecordValues(w, fileText1.View(), read, options.threeProbes);
    }
    FileSign(read.recordValues, 0, options.recordingDecimalSign);
    read.recordValuesReady = true;
}

}  // namespace sondalog
