#pragma once

// Finding a window's widgets by their object names, for the GUI tests.

#include <QObject>
#include <QtGlobal>

// The child of `rodzic` named `nazwa`; a name that is missing ends the test
// program at once, naming it.
template <typename T = QObject> T *W(const QObject *rodzic, const char *nazwa)
{
    T *w = rodzic->findChild<T *>(QString::fromLatin1(nazwa));
    if (!w)
        qFatal("no %s named %s", T::staticMetaObject.className(), nazwa);
    return w;
}
