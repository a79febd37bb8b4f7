#pragma once
// Gives a Qt object the name its control has on the form, so tests and captions can find it.

#include <QObject>
#include <QString>

namespace sondalog {

template <typename T>
T* Named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

}  // namespace sondalog
