#pragma once
// The little the content stores need of a list widget to fill it: clear it, append an item
// and, for check lists, set the noun that names its items ("chapter", "verse" ...). The widget
// library implements these; the tests use a recording implementation. Item texts are
// Windows-1252 bytes; the widget converts them for display.

#include <string>

namespace sv {

// A drop-down list.
class TItemList {
public:
    virtual ~TItemList() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const std::string& text) = 0;
};

// A check list: items with a checked flag each, named by an item noun.
class TCheckItemList : public TItemList {
public:
    virtual void SetItemNoun(const std::string& noun) = 0;
};

} // namespace sv
