#pragma once
// Whole-file text reading and writing in Windows-1252 with CR LF line ends.

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace sondalog {

/// Said when a file (settings, table, recording, journal) cannot be written; the system's reason follows.
inline const char* const kCannotCreateFileMessage = QT_TRANSLATE_NOOP("sondalog::Messages", "Impossible de créer le fichier %1");

/// The lines of a Windows-1252 file; CR LF, LF and lone CR end a line. nullopt when it cannot be read
/// or is not a regular file (a FIFO or a device would never end).
std::optional<QStringList> ReadTextLines(const QString& path);

/// The largest configuration file read (table, settings, tracer inputs): a real one holds a few kilobytes, so a
/// larger file is no configuration and reading it whole would only take the machine's memory.
inline constexpr qint64 kConfigFileMaxBytes = 4 << 20;
/// ReadTextLines for a configuration file: nullopt too when it is larger than kConfigFileMaxBytes.
std::optional<QStringList> ReadConfigLines(const QString& path);

/// Splits decoded text into lines (CR LF, LF, lone CR); a final line end adds no empty line.
QStringList SplitLines(const QString& text);

/// True for an existing regular file (not a folder, FIFO or device).
bool IsReadableRegularFile(const QString& path);

/// Every line followed by CR LF, in Windows-1252.
QByteArray JoinCrLf(const QStringList& lines);

/// Writes the bytes through a temporary file renamed into place, so an earlier file of that
/// name survives a failed write. Returns an empty text on success, else why it failed.
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

/// A folder's path ending with a separator (an empty path stays empty).
QString WithTrailingSeparator(const QString& folder);

}  // namespace sondalog
