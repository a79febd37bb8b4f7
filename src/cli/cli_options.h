#pragma once
// Command-line options of sondalog-cli: "--name value" pairs and bare flags after the command.

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace sondalog::cli {

struct Options {
    QString command;
    QStringList positional;
    QHash<QString, QString> values;  ///< "--name" -> value
    QString error;                   ///< set when the arguments do not fit

    bool Has(const QString& name) const { return values.contains(name); }
    QString Value(const QString& name) const { return values.value(name); }
};

/// Parses `args` (without the program name). `withValue` are the options that take a value,
/// `flags` the ones that do not; any other option is an error.
Options ParseOptions(const QStringList& args, const QStringList& withValue, const QStringList& flags);

/// "key=value" line for stdout.
/// "key=value", the value's control characters written as \xNN.
QString KeyValue(const QString& key, const QString& value);
/// The text with every control character (C0, DEL, C1) written as \xNN.
QString EscapeControls(const QString& text);

}  // namespace sondalog::cli
