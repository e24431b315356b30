#pragma once
// Finds a window's control the way a person finds it by its caption: by its
// object name, which is the name it has in the window's code.

#include <QObject>
#include <QtGlobal>

namespace lumo::test {

template <typename T> T *ui(const QObject *parent, const char *name) {
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s named %s", qPrintable(parent->objectName()), T::staticMetaObject.className(),
               name);
    return found;
}

template <typename T> T *ui(const QObject &parent, const char *name) {
    return ui<T>(&parent, name);
}

} // namespace lumo::test
