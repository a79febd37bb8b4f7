#pragma once
// The readings of a run, indexed by their number n (slot 0 holds no reading).

#include "util/regional.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <vector>

namespace sondalog {

class TextWriter;

inline constexpr qint64 kNoTime = std::numeric_limits<qint64>::min();
/// The "quantity" of a sample's value1Raw, for the graph's band that shows it.
inline constexpr int kRawQuantity = 3;

/// One accepted reading. The PC time is kept as a value (local seconds since the epoch), and
/// its text is made from it when asked, so that a week of readings stays small.
struct Sample {
    qint64 time = kNoTime;  ///< kNoTime for an empty slot or a loaded stamp that did not parse
    double value1 = 0;
    double value2 = 0;
    double phValue = 0;
    double oxValue = 0;
    /// Quantity 1 before the corrections (a corrected fluorometer's raw tracer); not a number when not kept.
    double value1Raw = std::numeric_limits<double>::quiet_NaN();
    qint32 stampIndex = -1;  ///< index of a kept stamp text (loaded recordings whose stamp did not parse)
};

/// Local date-time <-> seconds as stored in a Sample.
qint64 TimeValue(const QDateTime& localTime);
QDateTime TimeFromValue(qint64 time);

class SampleSeries {
public:
    static constexpr int kGrowth = 10000;

    SampleSeries() { slots_.resize(kGrowth); }

    int sampleCount = 0;

    int Capacity() const { return static_cast<int>(slots_.size()); }
    /// Room set aside for `count` slots without making them (the slots still grow by kGrowth): a replay that
    /// can tell its length is spared copying the series each time the room doubles. Room never touched
    /// takes no memory.
    void ReserveRoom(int count) { slots_.reserve(static_cast<std::size_t>(std::max(count, 0))); }
    /// Grows by 10000 slots when slot sampleCount + 1 would not fit.
    void EnsureRoomForNext();
    /// Sets the slot count (loading a stored recording).
    void Resize(int capacity);

    const Sample& At(int n) const { return slots_.at(static_cast<std::size_t>(n)); }
    /// A slot to write: the maxima kept over it are brought up to date when next asked.
    Sample& At(int n)
    {
        Sample& slot = slots_.at(static_cast<std::size_t>(n));
        Invalidate(n);
        return slot;
    }

    /// "dd/MM/yyyy hh:mm:ss" in the PC's short date format, cut at 80 characters; empty for no time.
    QString StampText(int n, const Regional& regional) const;
    /// The same, appended to `out`: the record line takes it without a string of its own.
    void AppendStamp(QString& out, int n, const Regional& regional) const;
    /// The same into a writer with room for kMaxStampLength characters.
    void AppendStamp(TextWriter& out, int n, const Regional& regional) const;
    /// The stamp in two pieces (the date, or a kept stamp, then the clock), for a writer of any kind;
    /// the views hold until the next call.
    struct StampPieces {
        QStringView first;
        std::array<QChar, 9> clock{};
        qsizetype clockLength = 0;
        QStringView Clock() const { return QStringView(clock.data(), clockLength); }
    };
    StampPieces Stamp(int n, const Regional& regional) const;
    static constexpr qsizetype kMaxStampLength = 80;
    /// Keeps a stamp text that has no time value (a loaded recording); returns its index.
    /// Forgets the kept stamp texts (a new run, a new file): they would pile up otherwise.
    void ClearKeptStamps() { keptStamps_.clear(); }
    qint32 KeepStamp(const QString& text);
    /// A kept stamp text by its index (empty out of range).
    QString KeptStamp(qint32 index) const { return keptStamps_.value(index); }

    /// Mean of value1 over the last k slots up to sampleCount (fewer when there are fewer): the slots
    /// summed in order in long double. When every partial sum of the window is exact in long double (values
    /// of a few magnitudes, as a run's are), that sum is the exact one, kept from one reading to the next
    /// by adding the newest value and taking off the oldest; any other window is summed slot by slot.
    double MeanOfLast(int k) const;

    /// The largest value1 (quantity 1), value2 (2) or value1Raw (kRawQuantity) of slots from..to (both included; values that
    /// are not numbers are passed over; -infinity for none). A pyramid of maxima over blocks of
    /// 2^k slots is kept beside the slots and extended as they fill, so a redraw costs about one
    /// step per pixel however long the run.
    double MaxOf(int quantity, int from, int to) const;

    /// Of each of the four values (value1, value2, pH, oxygen) over slots from..to (both included):
    /// the smallest and the largest, from +-1.7e308 on and passing over values that are not numbers,
    /// and the sum. Summaries of blocks of 64 slots, kept beside the slots, serve the blocks a range
    /// covers whole, so a chart's packet of thousands of readings costs a few hundred steps.
    struct Stats {
        std::array<double, 4> min{};
        std::array<double, 4> max{};
        std::array<double, 4> sum{};
    };
    Stats StatsOf(int from, int to) const;

private:
    struct Pyramid {
        std::vector<std::vector<double>> levels;  ///< level k: the maxima of blocks of 2^k slots
        int valid = 0;                            ///< slots 0 .. valid - 1 are up to date
    };
    /// The exact sum of a window of value1, in units of 2^-64.
    struct WindowSum {
        int width = 0;          ///< the k asked for; 0 for an unused entry
        int last = 0;           ///< the window's last slot; 0 when it must be summed again
        int summedAt = 0;       ///< the last slot when it was last summed whole
        int used = 0;           ///< when it last served (for reuse of the older entry)
        __int128 sum = 0;
        __int128 magnitude = 0; ///< sum of the values' sizes: bounds every partial sum
        int notExact = 0;       ///< values in the window with no exact 2^-64 multiple (or not numbers)
        int fineBits = 0;       ///< binary places after the point needed by the values added since summed whole
    };
    void Invalidate(int from) const
    {
        for (Pyramid& p : pyramids_) {
            p.valid = std::min(p.valid, std::max(from, 0));
        }
        blocksValid_ = std::min(blocksValid_, std::max(from, 0) / kBlock);
        for (WindowSum& w : windows_) {
            if (from <= w.last) {
                w.last = 0;
            }
        }
    }
    double SummedSlotBySlot(int k) const;
    void SumWhole(WindowSum& w, int k) const;
    void AddToWindow(WindowSum& w, int slot, int sign) const;
    static constexpr int kBlock = 64;
    void AddSlot(Stats& s, int n) const;
    void ExtendBlocks(int lastBlock) const;
    void Extend(Pyramid& p, int quantity, int upTo) const;

    std::vector<Sample> slots_;
    QStringList keptStamps_;
    // The last stamp's date text, for the next reading of the same day.
    mutable qint64 stampDay_ = std::numeric_limits<qint64>::min();
    mutable QString stampFormat_;
    mutable QString stampDate_;
    mutable Pyramid pyramids_[3];
    mutable std::vector<Stats> blocks_;  ///< block b: slots 64 b .. 64 b + 63
    mutable int blocksValid_ = 0;        ///< blocks 0 .. blocksValid_ - 1 are up to date
    mutable WindowSum windows_[2];       ///< the baseline's window and the height's
    mutable int windowUses_ = 0;
};

/// A date in a short date format (d, M and y fields; others through Qt), without Qt's locale machinery.
QString DateText(const QDate& date, const QString& format);
/// The PC date-time text of a stamp: the short date, a blank, hh:mm:ss.
QString StampFromTime(const QDateTime& time, const Regional& regional);

/// The time value of a stamp text exactly as StampFromTime writes it; nullopt for any other text.
std::optional<qint64> StampValue(QStringView stamp, const Regional& regional);

/// A short date format as a list of parts: d, M (width 1 or 2), y (width 2 or 4), a name, or a literal.
struct DatePart {
    char field = 0;  ///< 'd', 'M', 'y', 'N' (month name), 'D' (day name), or 0 for a literal character
    int width = 0;
    QChar literal;
};

/// StampValue for many stamps of one format: the format is read once, when the reader is made.
class StampReader {
public:
    explicit StampReader(const Regional& regional);
    std::optional<qint64> Value(QStringView stamp) const;

private:
    Regional regional_;
    std::optional<std::vector<DatePart>> plan_;
};

}  // namespace sondalog
