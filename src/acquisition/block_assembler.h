#pragma once
// String and CSV mode: received lines are gathered into the instrument's measurement blocks;
// a complete block gives the texts to hand to ProcessReading (time first, then the values).

#include "instrument/instrument_config.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace sondalog {

struct FluorometerLive;

/// A block that never closes (a wrong block key, no clock line) is dropped past these sizes.
inline constexpr qsizetype kMaxPendingBlockChars = 64 * 1024;
inline constexpr int kMaxPendingBlockLines = 1000;

/// What the block assembler needs besides the quantities.
struct BlockOptions {
    bool threeProbes = false;
    QString phMarker = QStringLiteral("pH");
    QString oxMarker = QStringLiteral("Ox");
    QString blockKeyChoice = QStringLiteral("Cond");  ///< ComboBox_cond_ph_ox
    bool unseen = false;  ///< a stored file's replay: nobody sees the raw-lines log or the stamps warning
    /// A fluorometer's rows: each line one reading (see fluorometer_rows.h); null for any other instrument.
    std::shared_ptr<const FluorometerLive> fluorometer;
};

class BlockAssembler {
public:
    struct Step {
        QStringList log;
        QStringList readings;            ///< ProcessReading calls, in order (time text, then values)
        int counterIncrement = 0;        ///< reading counter
        std::optional<QString> label21;  ///< warning: the three probes' stamps differ
    };

    /// Feeds one received line (control characters not yet dropped). `sampleCount` is the
    /// series' count before this line; `stopRequested` ends the cycle without decoding.
    Step Feed(const QString& rawLine, const InstrumentConfig& config, const BlockOptions& options, int sampleCount,
              bool stopRequested);
    /// The same into a step handed round again: its lists and texts keep their room.
    void Feed(Step& step, const QString& rawLine, const InstrumentConfig& config, const BlockOptions& options,
              int sampleCount, bool stopRequested);

    const QString& PendingBlock() const { return pending_; }
    void Clear()
    {
        pending_.resize(0);  // keeps its room: the next block is about as long
        pendingLines_ = 0;
    }

    /// The quantity whose CSV line closes a block.
    static const QString& BlockKey(const InstrumentConfig& config, const BlockOptions& options);

private:
    void CsvLine(Step& s, const QString& line, const InstrumentConfig& config, const BlockOptions& options,
                 int sampleCount, bool stopRequested);
    void FluorometerLine(Step& s, const QString& rawLine, const BlockOptions& options, bool stopRequested);
    void PlainLine(Step& s, const QString& line, const InstrumentConfig& config, const BlockOptions& options,
                   bool stopRequested);
    /// Appends in place; false (and the block dropped) when it outgrows any real block.
    bool Append(const QString& line);

    QString pending_;
    int pendingLines_ = 0;
};

}  // namespace sondalog
