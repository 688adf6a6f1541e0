#pragma once

#include <QObject>
#include <QString>

// The child of `root` with the object name, as a test reaches the controls the user sees. A name
// that is missing is a broken window, not a failed check: the test program stops and names it.
template <typename T> T* namedChild(const QObject* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (found == nullptr)
        qFatal("No %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}
