#pragma once
// A window names its controls in one table, so that tests and accessibility tools find each
// control by name while the window keeps its widgets to itself.

#include <initializer_list>

class QObject;

namespace sv {

struct TObjectName {
    QObject* Object; // may be null: a control the window did not make is skipped
    const char* Name;
};

// Gives each object of the table its objectName.
void SetObjectNames(std::initializer_list<TObjectName> names);

} // namespace sv
