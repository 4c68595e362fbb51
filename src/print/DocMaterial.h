#pragma once
// Material for the documents without a window: the items a material list of a kind offers
// (chapters, sections, verses or memory verses, as the selection frame fills its list), the
// check marks the user record keeps for them, and a written choice such as "chapters:1-3,5".

#include "material/MaterialChoices.h"
#include "user/SelectionKind.h"

#include <string>
#include <vector>

namespace sv {

class TBooks;
class TUser;

// The item texts of the material list of a kind, in list order.
std::vector<std::string> MaterialItems(const TBooks& books, TSelectionKind kind);

// The user record's check marks for the items of a kind (item i from entry i + 1).
std::vector<bool> StoredChecks(const TUser& user, const TBooks& books, TSelectionKind kind);

// Parses "KIND:ITEMS" where KIND is chapters, sections, verses or memory and ITEMS is "all"
// or a comma-separated list of item numbers and ranges ("1-3,5"), numbered as the list shows
// them from 1. Throws std::invalid_argument with a readable message on a bad choice.
TMaterialChoice ParseMaterialChoice(const TBooks& books, const std::string& text);

// The written name of a kind ("chapters", "sections", "verses", "memory").
std::string MaterialKindName(TSelectionKind kind);

} // namespace sv
