/****************************************************************************
** Meta object code from reading C++ file 'acquisition_session.h'
**
** Created by: The Qt Meta Object Compiler version 68 (Qt 6.4.2)
**
** WARNING! All changes made in this file will be lost!
*****************************************************************************/

#include <memory>
#include "../../../../../src/acquisition/acquisition_session.h"
#include <QtCore/qmetatype.h>
#if !defined(Q_MOC_OUTPUT_REVISION)
#error "The header file 'acquisition_session.h' doesn't include <QObject>."
#elif Q_MOC_OUTPUT_REVISION != 68
#error "This file was generated using the moc from 6.4.2. It"
#error "cannot be used with the include files from this version of Qt."
#error "(The moc has changed too much.)"
#endif

#ifndef Q_CONSTINIT
#define Q_CONSTINIT
#endif

QT_BEGIN_MOC_NAMESPACE
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
namespace {
struct qt_meta_stringdata_sondalog__AcquisitionSession_t {
    uint offsetsAndSizes[36];
    char stringdata0[29];
    char stringdata1[8];
    char stringdata2[1];
    char stringdata3[5];
    char stringdata4[15];
    char stringdata5[15];
    char stringdata6[17];
    char stringdata7[8];
    char stringdata8[17];
    char stringdata9[13];
    char stringdata10[6];
    char stringdata11[15];
    char stringdata12[17];
    char stringdata13[8];
    char stringdata14[11];
    char stringdata15[9];
    char stringdata16[13];
    char stringdata17[9];
};
#define QT_MOC_LITERAL(ofs, len) \
    uint(sizeof(qt_meta_stringdata_sondalog__AcquisitionSession_t::offsetsAndSizes) + ofs), len 
Q_CONSTINIT static const qt_meta_stringdata_sondalog__AcquisitionSession_t qt_meta_stringdata_sondalog__AcquisitionSession = {
    {
        QT_MOC_LITERAL(0, 28),  // "sondalog::AcquisitionSession"
        QT_MOC_LITERAL(29, 7),  // "logLine"
        QT_MOC_LITERAL(37, 0),  // ""
        QT_MOC_LITERAL(38, 4),  // "line"
        QT_MOC_LITERAL(43, 14),  // "counterChanged"
        QT_MOC_LITERAL(58, 14),  // "readingCounter"
        QT_MOC_LITERAL(73, 16),  // "countdownChanged"
        QT_MOC_LITERAL(90, 7),  // "caption"
        QT_MOC_LITERAL(98, 16),  // "readingProcessed"
        QT_MOC_LITERAL(115, 12),  // "DisplayTexts"
        QT_MOC_LITERAL(128, 5),  // "texts"
        QT_MOC_LITERAL(134, 14),  // "label21Changed"
        QT_MOC_LITERAL(149, 16),  // "messageRequested"
        QT_MOC_LITERAL(166, 7),  // "message"
        QT_MOC_LITERAL(174, 10),  // "openFailed"
        QT_MOC_LITERAL(185, 8),  // "linkLost"
        QT_MOC_LITERAL(194, 12),  // "linkRestored"
        QT_MOC_LITERAL(207, 8)   // "finished"
    },
    "sondalog::AcquisitionSession",
    "logLine",
    "",
    "line",
    "counterChanged",
    "readingCounter",
    "countdownChanged",
    "caption",
    "readingProcessed",
    "DisplayTexts",
    "texts",
    "label21Changed",
    "messageRequested",
    "message",
    "openFailed",
    "linkLost",
    "linkRestored",
    "finished"
};
#undef QT_MOC_LITERAL
} // unnamed namespace

Q_CONSTINIT static const uint qt_meta_data_sondalog__AcquisitionSession[] = {

 // content:
      10,       // revision
       0,       // classname
       0,    0, // classinfo
      10,   14, // methods
       0,    0, // properties
       0,    0, // enums/sets
       0,    0, // constructors
       0,       // flags
      10,       // signalCount

 // signals: name, argc, parameters, tag, flags, initial metatype offsets
       1,    1,   74,    2, 0x06,    1 /* Public */,
       4,    1,   77,    2, 0x06,    3 /* Public */,
       6,    1,   80,    2, 0x06,    5 /* Public */,
       8,    1,   83,    2, 0x06,    7 /* Public */,
      11,    1,   86,    2, 0x06,    9 /* Public */,
      12,    1,   89,    2, 0x06,   11 /* Public */,
      14,    1,   92,    2, 0x06,   13 /* Public */,
      15,    1,   95,    2, 0x06,   15 /* Public */,
      16,    1,   98,    2, 0x06,   17 /* Public */,
      17,    0,  101,    2, 0x06,   19 /* Public */,

 // signals: parameters
    QMetaType::Void, QMetaType::QString,    3,
    QMetaType::Void, QMetaType::Int,    5,
    QMetaType::Void, QMetaType::QString,    7,
    QMetaType::Void, 0x80000000 | 9,   10,
    QMetaType::Void, QMetaType::QString,    7,
    QMetaType::Void, QMetaType::QString,   13,
    QMetaType::Void, QMetaType::QString,   13,
    QMetaType::Void, QMetaType::QString,   13,
    QMetaType::Void, QMetaType::QString,   13,
    QMetaType::Void,

       0        // eod
};

Q_CONSTINIT const QMetaObject sondalog::AcquisitionSession::staticMetaObject = { {
    QMetaObject::SuperData::link<QObject::staticMetaObject>(),
    qt_meta_stringdata_sondalog__AcquisitionSession.offsetsAndSizes,
    qt_meta_data_sondalog__AcquisitionSession,
    qt_static_metacall,
    nullptr,
    qt_incomplete_metaTypeArray<qt_meta_stringdata_sondalog__AcquisitionSession_t,
        // Q_OBJECT / Q_GADGET
        QtPrivate::TypeAndForceComplete<AcquisitionSession, std::true_type>,
        // method 'logLine'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'counterChanged'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<int, std::false_type>,
        // method 'countdownChanged'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'readingProcessed'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const DisplayTexts &, std::false_type>,
        // method 'label21Changed'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'messageRequested'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'openFailed'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'linkLost'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'linkRestored'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'finished'
        QtPrivate::TypeAndForceComplete<void, std::false_type>
    >,
    nullptr
} };

void sondalog::AcquisitionSession::qt_static_metacall(QObject *_o, QMetaObject::Call _c, int _id, void **_a)
{
    if (_c == QMetaObject::InvokeMetaMethod) {
        auto *_t = static_cast<AcquisitionSession *>(_o);
        (void)_t;
        switch (_id) {
        case 0: _t->logLine((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1]))); break;
        case 1: _t->counterChanged((*reinterpret_cast< std::add_pointer_t<int>>(_a[1]))); break;
        case 2: _t->countdownChanged((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1]))); break;
        case 3: _t->readingProcessed((*reinterpret_cast< std::add_pointer_t<DisplayTexts>>(_a[1]))); break;
        case 4: _t->label21Changed((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1]))); break;
        case 5: _t->messageRequested((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1]))); break;
        case 6: _t->openFailed((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1]))); break;
        case 7: _t->linkLost((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1]))); break;
        case 8: _t->linkRestored((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1]))); break;
        case 9: _t->finished(); break;
        default: ;
        }
    } else if (_c == QMetaObject::IndexOfMethod) {
        int *result = reinterpret_cast<int *>(_a[0]);
        {
            using _t = void (AcquisitionSession::*)(const QString & );
            if (_t _q_method = &AcquisitionSession::logLine; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 0;
                return;
            }
        }
        {
            using _t = void (AcquisitionSession::*)(int );
            if (_t _q_method = &AcquisitionSession::counterChanged; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 1;
                return;
            }
        }
        {
            using _t = void (AcquisitionSession::*)(const QString & );
            if (_t _q_method = &AcquisitionSession::countdownChanged; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 2;
                return;
            }
        }
        {
            using _t = void (AcquisitionSession::*)(const DisplayTexts & );
            if (_t _q_method = &AcquisitionSession::readingProcessed; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 3;
                return;
            }
        }
        {
            using _t = void (AcquisitionSession::*)(const QString & );
            if (_t _q_method = &AcquisitionSession::label21Changed; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 4;
                return;
            }
        }
        {
            using _t = void (AcquisitionSession::*)(const QString & );
            if (_t _q_method = &AcquisitionSession::messageRequested; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 5;
                return;
            }
        }
        {
            using _t = void (AcquisitionSession::*)(const QString & );
            if (_t _q_method = &AcquisitionSession::openFailed; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 6;
                return;
            }
        }
        {
            using _t = void (AcquisitionSession::*)(const QString & );
            if (_t _q_method = &AcquisitionSession::linkLost; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 7;
                return;
            }
        }
        {
            using _t = void (AcquisitionSession::*)(const QString & );
            if (_t _q_method = &AcquisitionSession::linkRestored; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 8;
                return;
            }
        }
        {
            using _t = void (AcquisitionSession::*)();
            if (_t _q_method = &AcquisitionSession::finished; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 9;
                return;
            }
        }
    }
}

const QMetaObject *sondalog::AcquisitionSession::metaObject() const
{
    return QObject::d_ptr->metaObject ? QObject::d_ptr->dynamicMetaObject() : &staticMetaObject;
}

void *sondalog::AcquisitionSession::qt_metacast(const char *_clname)
{
    if (!_clname) return nullptr;
    if (!strcmp(_clname, qt_meta_stringdata_sondalog__AcquisitionSession.stringdata0))
        return static_cast<void*>(this);
    return QObject::qt_metacast(_clname);
}

int sondalog::AcquisitionSession::qt_metacall(QMetaObject::Call _c, int _id, void **_a)
{
    _id = QObject::qt_metacall(_c, _id, _a);
    if (_id < 0)
        return _id;
    if (_c == QMetaObject::InvokeMetaMethod) {
        if (_id < 10)
            qt_static_metacall(this, _c, _id, _a);
        _id -= 10;
    } else if (_c == QMetaObject::RegisterMethodArgumentMetaType) {
        if (_id < 10)
            *reinterpret_cast<QMetaType *>(_a[0]) = QMetaType();
        _id -= 10;
    }
    return _id;
}

// SIGNAL 0
void sondalog::AcquisitionSession::logLine(const QString & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 0, _a);
}

// SIGNAL 1
void sondalog::AcquisitionSession::counterChanged(int _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 1, _a);
}

// SIGNAL 2
void sondalog::AcquisitionSession::countdownChanged(const QString & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 2, _a);
}

// SIGNAL 3
void sondalog::AcquisitionSession::readingProcessed(const DisplayTexts & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 3, _a);
}

// SIGNAL 4
void sondalog::AcquisitionSession::label21Changed(const QString & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 4, _a);
}

// SIGNAL 5
void sondalog::AcquisitionSession::messageRequested(const QString & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 5, _a);
}

// SIGNAL 6
void sondalog::AcquisitionSession::openFailed(const QString & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 6, _a);
}

// SIGNAL 7
void sondalog::AcquisitionSession::linkLost(const QString & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 7, _a);
}

// SIGNAL 8
void sondalog::AcquisitionSession::linkRestored(const QString & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 8, _a);
}

// SIGNAL 9
void sondalog::AcquisitionSession::finished()
{
    QMetaObject::activate(this, &staticMetaObject, 9, nullptr);
}
QT_WARNING_POP
QT_END_MOC_NAMESPACE
