#pragma once
// String and CSV mode after a reconnection: what was sent while the adapter was out is lost,
// and the first lines that come back may be the tail of a block. Lines are held until a block
// closes; the block goes on to the run only when it is whole, so that the first complete block
// after the reconnection is kept and a torn one is dropped.

#include "acquisition/block_assembler.h"

#include <QString>
#include <QStringList>

namespace sondalog {

class BlockResync {
public:
    struct Step {
        QStringList lines;  ///< raw lines to feed to the run, in order (a whole block)
        QStringList log;    ///< what the raw log says about dropped lines
    };

    void Start()
    {
        active_ = true;
        held_.clear();
    }
    bool Active() const { return active_; }

    /// Holds one raw line; when it closes a block, ends the resynchronisation and returns the
    /// block's lines if it is whole.
    Step Feed(const QString& rawLine, const InstrumentConfig& config, const BlockOptions& options);

    /// A block (cleaned lines) that began with its first line: every probe it needs is in it and,
    /// in CSV, every line carries the same date and time.
    static bool IsWholeBlock(const QStringList& cleanLines, bool csv, const InstrumentConfig& config,
                             const BlockOptions& options);

private:
    bool active_ = false;
    QStringList held_;
};

}  // namespace sondalog
