#pragma once
// Character mode: a burst of instrument lines becomes one '|'-separated line, in which the
// time field and the values text are found by the active instrument's markers.

#include "instrument/instrument_config.h"

#include <QString>
#include <QStringList>

namespace sondalog {

inline const char* const kCsvDetectedLog =
    QT_TRANSLATE_NOOP("sondalog::Messages", "CSV détecté, changer l'option vers <par chaîne de caractères et CSV>");
inline const char* const kCsvDetectedMessage =
    QT_TRANSLATE_NOOP("sondalog::Messages", "CSV détecté, changer l'option vers <par chaîne de caractères et CSV> ET RTS activé!");

inline const char* const kStraySemicolonLog =
    QT_TRANSLATE_NOOP("sondalog::Messages", "';' reçu dans une ligne qui n'est pas du CSV : ignoré");

/// True when one of the burst's lines is read by the CSV layout: several ';' fields, a number among them and
/// quantity 1's marker as a field (a stray ';' in noise is no CSV).
bool IsCsvLine(const QString& line, const QuantityConfig& q1);
/// The burst's line cut into its instrument blocks, each from its time field on (one block: the line itself).
QStringList SplitBlocks(const QString& line, const QuantityConfig& q1);

/// The burst as the raw log shows it and as one line: CR -> '|', LF -> blank, 0xE6 -> µ,
/// control characters dropped.
struct CleanedBurst {
    QStringList log;
    QString line;
};
CleanedBurst CleanBurst(const QString& raw, int count);

/// The first of the k fields before the last '|' in which the time mark occurs exactly its count.
QString FindTimeField(const QString& line, const QuantityConfig& q1);
/// Quantity text + " " + pH text + " " + oxygen text, from the fields holding their markers.
QString ExtractValues(const QString& line, const QuantityConfig& q1, const QString& phMarker, const QString& oxMarker);

/// The text state of the character-mode loop between cycles.
class CharacterDecoder {
public:
    struct Cycle {
        QStringList log;
        bool csvDetected = false;  ///< the run must end: the instrument sends CSV
        bool handOver = false;     ///< a reading is ready for processing
        QString timeText;
        QString valuesText;
    };

    /// Steps 5 to 7 of a cycle on a cleaned line.
    Cycle Decode(const QString& line, const QuantityConfig& q1, const QString& phMarker, const QString& oxMarker,
                 bool stopRequested);

private:
    QString timeText_;
    QString valuesText_;
};

}  // namespace sondalog
