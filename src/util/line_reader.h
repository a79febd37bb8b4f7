#pragma once
// A Windows-1252 text file read a line at a time, a chunk of the file in memory at once: a
// million-line logging file is decoded as it is read, never held whole.

#include <QFile>
#include <QString>

#include <vector>

namespace sondalog {

/// Aligned on a cache line: a replay reads it on a thread of its own, while its neighbours may be written by
/// another.
class alignas(64) LineReader {
public:
    /// Opens a regular file (a FIFO or a device would never end); see `IsOpen`.
    explicit LineReader(const QString& path, qint64 chunkBytes = 1 << 17);

    bool IsOpen() const { return open_; }
    /// The next line (CR LF, LF and a lone CR end a line; a final line end adds no empty line);
    /// false at the end of the file or on a read error.
    bool Next(QString& line);
    /// The part of the file read so far, from 0 to 1.
    double Fraction() const;
    /// True when a read failed before the end.
    bool Failed() const { return failed_; }
    /// True when a NUL byte was met (UTF-16, a binary file): reading stops there, nothing past it is a line.
    bool NotText() const { return notText_; }
    qint64 Size() const { return size_; }

private:
    bool Fill();
    /// The line from the read position to the line end at `end` (a CR or LF) decoded; the position moves past it.
    void Decode(qsizetype end, QString& line);

    QFile file_;
    /// The room the file is read into, kept from chunk to chunk (a new room each time would be new pages to
    /// map); bytes 0 .. filled_ hold the file's bytes from `consumed_ - pos_` on.
    std::vector<char> buffer_;
    qsizetype filled_ = 0;
    qsizetype pos_ = 0;
    qint64 consumed_ = 0;
    qint64 size_ = 0;
    qint64 chunk_;
    bool open_ = false;
    bool eof_ = false;
    bool failed_ = false;
    bool notText_ = false;
};

}  // namespace sondalog
