#pragma once
// Reaches a window's controls the way a person finds them: by name. A window keeps its widgets
// private and gives each an objectName; a test asks for the child of that name and type.

#include <QObject>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace sv::test {

// The child of parent (at any depth) of type T named name. A missing child fails the test and
// ends it at once, instead of handing back a null pointer to crash on.
template <typename T>
T* FindWidget(const QObject* parent, const char* name)
{
    T* child = parent ? parent->findChild<T*>(QString::fromUtf8(name)) : nullptr;
    if (!child) {
        const std::string what = std::string("no ") + T::staticMetaObject.className() + " named \"" + name + "\"";
        ADD_FAILURE() << what;
        throw std::logic_error(what);
    }
    return child;
}

// The same for a window a test owns through a std::unique_ptr.
template <typename T, typename TOwner>
T* FindWidget(const std::unique_ptr<TOwner>& parent, const char* name)
{
    return FindWidget<T>(parent.get(), name);
}

} // namespace sv::test
