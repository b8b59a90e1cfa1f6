#pragma once
// Finding a window's control by its object name in a test: a missing control fails the test with
// its name (and the window's) instead of crashing on a null pointer.

#include <QObject>
#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>

namespace pickora::test {

class MissingControl : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

template <class T> T* child(const QObject& parent, const QString& name)
{
    if (T* found = parent.findChild<T*>(name))
        return found;
    const std::string message = "no control \"" + name.toStdString() + "\" of the expected type in \"" +
                                parent.objectName().toStdString() + "\"";
    ADD_FAILURE() << message;
    // The test cannot go on without it; GoogleTest reports the exception and carries on.
    throw MissingControl(message);
}

template <class T> T* child(const QObject& parent, QLatin1StringView name)
{
    return child<T>(parent, QString(name));
}

} // namespace pickora::test
