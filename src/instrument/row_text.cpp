#include "instrument/row_text.h"

#include "util/text_utils.h"

namespace sondalog {

namespace {
bool IsBlankOrControl(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

bool NeedsQuotes(const QString& cell)
{
    for (const QChar c : cell) {
        if (IsBlankOrControl(c) || c == u'"' || c == u',') {
            return true;
        }
    }
    return false;
}
}  // namespace

QString WriteRowText(const QStringList& cells)
{
    QStringList parts;
    parts.reserve(cells.size());
    for (const QString& cell : cells) {
        const QString single = SingleLine(cell);
        if (NeedsQuotes(single)) {
            QString quoted = single;
            quoted.replace(u'"', QStringLiteral("\"\""));
            parts << u'"' + quoted + u'"';
        } else {
            parts << single;
        }
    }
    return parts.join(u',');
}

QStringList ReadRowFields(const QString& line)
{
    QStringList fields;
    const qsizetype size = line.size();
    qsizetype i = 0;
    // Code 0 is skipped too, so a stray NUL can never stall the reading.
    auto skipBlanks = [&] {
        while (i < size && line.at(i).unicode() <= 32) {
            ++i;
        }
    };
    skipBlanks();
    while (i < size) {
        QString field;
        if (line.at(i) == u'"') {
            ++i;
            while (i < size) {
                if (line.at(i) == u'"') {
                    if (i + 1 < size && line.at(i + 1) == u'"') {
                        field.append(u'"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field.append(line.at(i++));
            }
        } else {
            while (i < size && line.at(i).unicode() > 32 && line.at(i) != u',') {
                field.append(line.at(i++));
            }
        }
        fields << field;
        skipBlanks();
        if (i < size && line.at(i) == u',') {
            ++i;
            skipBlanks();
        }
    }
    return fields;
}

QStringList FieldsToCells(const QStringList& fields)
{
    QStringList cells;
    cells.reserve(fields.size());
    for (const QString& f : fields) {
        cells << (f.isEmpty() ? QStringLiteral(" ") : f);
    }
    return cells;
}

bool IsQuasiEmpty(const QString& rowText)
{
    QString text = rowText;
    ReplaceChar(u',', u' ', text);
    return TrimSpaces(text).size() < 3;
}

}  // namespace sondalog
