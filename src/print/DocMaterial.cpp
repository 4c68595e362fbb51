#include "print/DocMaterial.h"

#include "content/Books.h"
#include "content/ItemList.h"
#include "user/User.h"

#include <stdexcept>

namespace sv {

namespace {

class TRecordedList : public TCheckItemList {
public:
    std::vector<std::string> Items;
    void Clear() override { Items.clear(); }
    void AddItem(const std::string& text) override { Items.push_back(text); }
    void SetItemNoun(const std::string&) override { }
};

int ParseNumber(const std::string& s, const std::string& whole)
{
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos || s.size() > 6)
        throw std::invalid_argument("not an item number: \"" + s + "\" in \"" + whole + "\"");
    return std::stoi(s);
}

} // namespace

std::vector<std::string> MaterialItems(const TBooks& books, TSelectionKind kind)
{
    TRecordedList list;
    switch (kind) {
    case TSelectionKind::ByChapter:
        books.FillChapterList(list);
        break;
    case TSelectionKind::BySection:
        books.FillSectionList(list);
        break;
    case TSelectionKind::ByVerse:
        books.FillVerseList(list);
        break;
    case TSelectionKind::ByMemory:
        books.FillMemoryVerseList(list);
        break;
    }
    return list.Items;
}

std::vector<bool> StoredChecks(const TUser& user, const TBooks& books, TSelectionKind kind)
{
    const std::size_t n = MaterialItems(books, kind).size();
    const auto flags = user.SelectionFlags(kind);
    std::vector<bool> checked(n, false);
    for (std::size_t i = 0; i < n && i < flags.size(); ++i)
        checked[i] = flags[i] != 0;
    return checked;
}

std::string MaterialKindName(TSelectionKind kind)
{
    switch (kind) {
    case TSelectionKind::ByChapter:
        return "chapters";
    case TSelectionKind::BySection:
        return "sections";
    case TSelectionKind::ByVerse:
        return "verses";
    case TSelectionKind::ByMemory:
        return "memory";
    }
    return "chapters";
}

TMaterialChoice ParseMaterialChoice(const TBooks& books, const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        throw std::invalid_argument("material \"" + text
                                    + "\" needs the form KIND:ITEMS, e.g. chapters:1-3 or memory:all");
    const std::string kindName = text.substr(0, colon);
    TMaterialChoice c;
    bool known = false;
    for (TSelectionKind k :
         {TSelectionKind::ByChapter, TSelectionKind::BySection, TSelectionKind::ByVerse, TSelectionKind::ByMemory}) {
        if (MaterialKindName(k) == kindName) {
            c.Kind = k;
            known = true;
        }
    }
    if (!known)
        throw std::invalid_argument("unknown material kind \"" + kindName
                                    + "\" (chapters, sections, verses or memory)");
    const int n = static_cast<int>(MaterialItems(books, c.Kind).size());
    c.Items.assign(static_cast<std::size_t>(n), false);
    const std::string items = text.substr(colon + 1);
    if (items == "all") {
        c.Items.assign(static_cast<std::size_t>(n), true);
        return c;
    }
    std::size_t start = 0;
    while (start <= items.size()) {
        const auto comma = items.find(',', start);
        const std::string part = items.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const auto dash = part.find('-');
        const int from = ParseNumber(part.substr(0, dash), text);
        const int to = dash == std::string::npos ? from : ParseNumber(part.substr(dash + 1), text);
        if (from < 1 || to > n || from > to)
            throw std::invalid_argument("item range \"" + part + "\" is outside 1-" + std::to_string(n) + " of the "
                                        + kindName + " list");
        for (int i = from; i <= to; ++i)
            c.Items[static_cast<std::size_t>(i - 1)] = true;
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return c;
}

} // namespace sv
