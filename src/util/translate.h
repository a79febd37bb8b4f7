#pragma once
// The program's messages in the interface's language: each is kept as its French text, marked for the
// translation files (QT_TRANSLATE_NOOP with this context), and translated where it is said.

#include <QCoreApplication>
#include <QString>

namespace sondalog {

inline constexpr char kMessagesContext[] = "sondalog::Messages";

/// A message kept with QT_TRANSLATE_NOOP("sondalog::Messages", …), in the interface's language.
inline QString Message(const char* text)
{
    return QCoreApplication::translate(kMessagesContext, text);
}

}  // namespace sondalog
