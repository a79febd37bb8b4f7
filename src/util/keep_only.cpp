// Keeping only some characters of a text (the value characters of a field, the characters of a time), with the
// set of allowed characters made once and kept for the next texts.
#include "util/text_utils.h"

#include <algorithm>
#include <array>

namespace sondalog {

namespace {
/// Characters allowed, the ASCII ones as a bit set: one test per character instead of a search.
class CharSet {
public:
    explicit CharSet(QStringView allowed) : allowed_(allowed)
    {
        for (const QChar c : allowed) {
            if (c.unicode() < 128) {
                ascii_[c.unicode() >> 6] |= quint64(1) << (c.unicode() & 63);
            }
        }
    }
    bool Has(QChar c) const
    {
        const char16_t u = c.unicode();
        return u < 128 ? (ascii_[u >> 6] >> (u & 63)) & 1 : allowed_.contains(c);
    }

private:
    quint64 ascii_[2] = {0, 0};
    QStringView allowed_;
};

void KeepOnlyOfInto(QString& out, QStringView text, const CharSet& set)
{
    // Runs on every received value: fill a buffer in place rather than append char by char.
    out.resize(text.size());
    QChar* p = out.data();
    for (const QChar c : text) {
        if (set.Has(c)) {
            *p++ = c;
        }
    }
    out.truncate(p - out.constData());
}

QString KeepOnlyOf(QStringView text, const CharSet& set)
{
    QString out(text.size(), Qt::Uninitialized);
    KeepOnlyOfInto(out, text, set);
    return out;
}

// The same few sets serve every reading: the last ones made are kept, by their characters.
const CharSet& CharSetOf(QStringView allowed)
{
    struct Kept {
        QString characters;
        CharSet set{QStringView()};
    };
    thread_local Kept kept[4];
    thread_local int next = 0;
    for (const Kept& k : kept) {
        if (QStringView(k.characters) == allowed && !k.characters.isNull()) {
            return k.set;
        }
    }
    Kept& k = kept[next];
    next = (next + 1) % 4;
    k.characters = allowed.toString();
    k.set = CharSet(k.characters);
    return k.set;
}
}  // namespace

void KeepOnlyInto(QString& out, QStringView text, QStringView allowed)
{
    KeepOnlyOfInto(out, text, CharSetOf(allowed));
}

QString KeepOnly(QStringView text, QStringView allowed)
{
    return KeepOnlyOf(text, CharSetOf(allowed));
}

QString KeepOnly(const QString& text, QStringView allowed)
{
    // Most texts keep every character: they are handed back shared, not copied.
    const CharSet& set = CharSetOf(allowed);
    if (std::all_of(text.cbegin(), text.cend(), [&](QChar c) { return set.Has(c); })) {
        return text;
    }
    return KeepOnlyOf(text, set);
}

}  // namespace sondalog
