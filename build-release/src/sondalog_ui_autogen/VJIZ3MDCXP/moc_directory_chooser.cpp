/****************************************************************************
** Meta object code from reading C++ file 'directory_chooser.h'
**
** Created by: The Qt Meta Object Compiler version 68 (Qt 6.4.2)
**
** WARNING! All changes made in this file will be lost!
*****************************************************************************/

#include <memory>
#include "../../../../src/app/directory_chooser.h"
#include <QtCore/qmetatype.h>
#if !defined(Q_MOC_OUTPUT_REVISION)
#error "The header file 'directory_chooser.h' doesn't include <QObject>."
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
struct qt_meta_stringdata_sondalog__DirectoryChooser_t {
    uint offsetsAndSizes[18];
    char stringdata0[27];
    char stringdata1[14];
    char stringdata2[1];
    char stringdata3[20];
    char stringdata4[10];
    char stringdata5[10];
    char stringdata6[11];
    char stringdata7[5];
    char stringdata8[19];
};
#define QT_MOC_LITERAL(ofs, len) \
    uint(sizeof(qt_meta_stringdata_sondalog__DirectoryChooser_t::offsetsAndSizes) + ofs), len 
Q_CONSTINIT static const qt_meta_stringdata_sondalog__DirectoryChooser_t qt_meta_stringdata_sondalog__DirectoryChooser = {
    {
        QT_MOC_LITERAL(0, 26),  // "sondalog::DirectoryChooser"
        QT_MOC_LITERAL(27, 13),  // "folderChanged"
        QT_MOC_LITERAL(41, 0),  // ""
        QT_MOC_LITERAL(42, 19),  // "folderWithSeparator"
        QT_MOC_LITERAL(62, 9),  // "validated"
        QT_MOC_LITERAL(72, 9),  // "cancelled"
        QT_MOC_LITERAL(82, 10),  // "fileChosen"
        QT_MOC_LITERAL(93, 4),  // "path"
        QT_MOC_LITERAL(98, 18)   // "folderRightClicked"
    },
    "sondalog::DirectoryChooser",
    "folderChanged",
    "",
    "folderWithSeparator",
    "validated",
    "cancelled",
    "fileChosen",
    "path",
    "folderRightClicked"
};
#undef QT_MOC_LITERAL
} // unnamed namespace

Q_CONSTINIT static const uint qt_meta_data_sondalog__DirectoryChooser[] = {

 // content:
      10,       // revision
       0,       // classname
       0,    0, // classinfo
       5,   14, // methods
       0,    0, // properties
       0,    0, // enums/sets
       0,    0, // constructors
       0,       // flags
       5,       // signalCount

 // signals: name, argc, parameters, tag, flags, initial metatype offsets
       1,    1,   44,    2, 0x06,    1 /* Public */,
       4,    0,   47,    2, 0x06,    3 /* Public */,
       5,    0,   48,    2, 0x06,    4 /* Public */,
       6,    1,   49,    2, 0x06,    5 /* Public */,
       8,    0,   52,    2, 0x06,    7 /* Public */,

 // signals: parameters
    QMetaType::Void, QMetaType::QString,    3,
    QMetaType::Void,
    QMetaType::Void,
    QMetaType::Void, QMetaType::QString,    7,
    QMetaType::Void,

       0        // eod
};

Q_CONSTINIT const QMetaObject sondalog::DirectoryChooser::staticMetaObject = { {
    QMetaObject::SuperData::link<QFrame::staticMetaObject>(),
    qt_meta_stringdata_sondalog__DirectoryChooser.offsetsAndSizes,
    qt_meta_data_sondalog__DirectoryChooser,
    qt_static_metacall,
    nullptr,
    qt_incomplete_metaTypeArray<qt_meta_stringdata_sondalog__DirectoryChooser_t,
        // Q_OBJECT / Q_GADGET
        QtPrivate::TypeAndForceComplete<DirectoryChooser, std::true_type>,
        // method 'folderChanged'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'validated'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'cancelled'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        // method 'fileChosen'
        QtPrivate::TypeAndForceComplete<void, std::false_type>,
        QtPrivate::TypeAndForceComplete<const QString &, std::false_type>,
        // method 'folderRightClicked'
        QtPrivate::TypeAndForceComplete<void, std::false_type>
    >,
    nullptr
} };

void sondalog::DirectoryChooser::qt_static_metacall(QObject *_o, QMetaObject::Call _c, int _id, void **_a)
{
    if (_c == QMetaObject::InvokeMetaMethod) {
        auto *_t = static_cast<DirectoryChooser *>(_o);
        (void)_t;
        switch (_id) {
        case 0: _t->folderChanged((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1]))); break;
        case 1: _t->validated(); break;
        case 2: _t->cancelled(); break;
        case 3: _t->fileChosen((*reinterpret_cast< std::add_pointer_t<QString>>(_a[1]))); break;
        case 4: _t->folderRightClicked(); break;
        default: ;
        }
    } else if (_c == QMetaObject::IndexOfMethod) {
        int *result = reinterpret_cast<int *>(_a[0]);
        {
            using _t = void (DirectoryChooser::*)(const QString & );
            if (_t _q_method = &DirectoryChooser::folderChanged; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 0;
                return;
            }
        }
        {
            using _t = void (DirectoryChooser::*)();
            if (_t _q_method = &DirectoryChooser::validated; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 1;
                return;
            }
        }
        {
            using _t = void (DirectoryChooser::*)();
            if (_t _q_method = &DirectoryChooser::cancelled; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 2;
                return;
            }
        }
        {
            using _t = void (DirectoryChooser::*)(const QString & );
            if (_t _q_method = &DirectoryChooser::fileChosen; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 3;
                return;
            }
        }
        {
            using _t = void (DirectoryChooser::*)();
            if (_t _q_method = &DirectoryChooser::folderRightClicked; *reinterpret_cast<_t *>(_a[1]) == _q_method) {
                *result = 4;
                return;
            }
        }
    }
}

const QMetaObject *sondalog::DirectoryChooser::metaObject() const
{
    return QObject::d_ptr->metaObject ? QObject::d_ptr->dynamicMetaObject() : &staticMetaObject;
}

void *sondalog::DirectoryChooser::qt_metacast(const char *_clname)
{
    if (!_clname) return nullptr;
    if (!strcmp(_clname, qt_meta_stringdata_sondalog__DirectoryChooser.stringdata0))
        return static_cast<void*>(this);
    return QFrame::qt_metacast(_clname);
}

int sondalog::DirectoryChooser::qt_metacall(QMetaObject::Call _c, int _id, void **_a)
{
    _id = QFrame::qt_metacall(_c, _id, _a);
    if (_id < 0)
        return _id;
    if (_c == QMetaObject::InvokeMetaMethod) {
        if (_id < 5)
            qt_static_metacall(this, _c, _id, _a);
        _id -= 5;
    } else if (_c == QMetaObject::RegisterMethodArgumentMetaType) {
        if (_id < 5)
            *reinterpret_cast<QMetaType *>(_a[0]) = QMetaType();
        _id -= 5;
    }
    return _id;
}

// SIGNAL 0
void sondalog::DirectoryChooser::folderChanged(const QString & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 0, _a);
}

// SIGNAL 1
void sondalog::DirectoryChooser::validated()
{
    QMetaObject::activate(this, &staticMetaObject, 1, nullptr);
}

// SIGNAL 2
void sondalog::DirectoryChooser::cancelled()
{
    QMetaObject::activate(this, &staticMetaObject, 2, nullptr);
}

// SIGNAL 3
void sondalog::DirectoryChooser::fileChosen(const QString & _t1)
{
    void *_a[] = { nullptr, const_cast<void*>(reinterpret_cast<const void*>(std::addressof(_t1))) };
    QMetaObject::activate(this, &staticMetaObject, 3, _a);
}

// SIGNAL 4
void sondalog::DirectoryChooser::folderRightClicked()
{
    QMetaObject::activate(this, &staticMetaObject, 4, nullptr);
}
QT_WARNING_POP
QT_END_MOC_NAMESPACE
