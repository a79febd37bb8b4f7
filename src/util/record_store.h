#pragma once
// The record list of a run, kept once and small: every line as Windows-1252 bytes (what the
// recording file will hold) in one append-only buffer, with the offset where each line starts.
// A week at one reading per second takes about 35 MB this way, against 150 MB as strings.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

namespace sondalog {

class RecordStore {
public:
    RecordStore() = default;
    /// A store holding `lines` (implicit: where a list of lines is at hand, it serves as a store).
    RecordStore(const QStringList& lines) { *this << lines; }  // NOLINT(google-explicit-constructor)
    RecordStore(std::initializer_list<QString> lines) { *this << QStringList(lines); }

    qsizetype size() const { return static_cast<qsizetype>(starts_.size()); }
    bool isEmpty() const { return starts_.empty(); }
    void clear();
    /// Room set aside for `lines` more lines of about `bytesPerLine` bytes (a replay that can tell its length).
    void ReserveRoom(qsizetype lines, qsizetype bytesPerLine)
    {
        starts_.reserve(starts_.size() + static_cast<std::size_t>(std::max<qsizetype>(lines, 0)));
        bytes_.reserve(bytes_.size() + std::max<qsizetype>(lines, 0) * bytesPerLine);
    }

    /// Line i (from 0), decoded.
    QString at(qsizetype i) const;
    QString operator[](qsizetype i) const { return at(i); }
    QString first() const { return at(0); }
    QString last() const { return at(size() - 1); }
    QString back() const { return last(); }
    /// Lines pos .. pos + length - 1 (all to the end for -1).
    QStringList mid(qsizetype pos, qsizetype length = -1) const;

    /// Appends a line; a line break inside it becomes a blank, as the file could not hold it.
    RecordStore& operator<<(const QString& line);
    RecordStore& operator<<(const QStringList& lines);
    /// Starts a line written in place: its Windows-1252 bytes are appended to the buffer handed back, with no
    /// line break among them (AppendCp1252 with LineBreaks::AsBlanks), before any other line is added.
    QByteArray& NewLine()
    {
        starts_.push_back(bytes_.size());
        return bytes_;
    }

    /// Every line followed by CR LF: the bytes of a recording file.
    QByteArray CrLfBytes() const;
    /// Every line followed by CR LF, decoded: what the clipboard gets.
    QString CrLfText() const;
    /// The bytes the store holds (for measures).
    qsizetype ByteSize() const { return bytes_.size() + static_cast<qsizetype>(starts_.size() * sizeof(qint64)); }

private:
    QByteArray bytes_;
    std::vector<qint64> starts_;
};

}  // namespace sondalog
