#include "material/MaterialTables.h"

#include "content/Books.h"
#include "content/QuestionTypes.h"

#include <algorithm>
#include <cctype>

namespace sv {

namespace {

bool ItemChecked(const std::vector<bool>& checked, int item) // item 1-based
{
    return item >= 1 && item <= static_cast<int>(checked.size()) && checked[static_cast<std::size_t>(item - 1)];
}

template <class Table>
void CountSelected(Table& t)
{
    t.Selected = 0;
    for (int v = 1; v <= t.Total; ++v)
        t.Selected += t.Flags[v] != 0 ? 1 : 0;
}

} // namespace

TVerseSelection VerseTableFromList(const TBooks& books, TSelectionKind kind, const std::vector<bool>& checked)
{
    TVerseSelection t;
    t.Total = books.TotalVerses();
    const int items = static_cast<int>(checked.size());
    switch (kind) {
    case TSelectionKind::ByChapter: {
        int v = 1;
        for (int j = 1; j <= items && j <= books.TotalChapters(); ++j) {
            const TVerseRef ref = books.RefOfChapterNo(j);
            const int n = books.VersesInChapter(ref.Book, ref.Chapter);
            for (int k = 0; k < n; ++k)
                t.Flags[v++] = ItemChecked(checked, j) ? 1 : 0;
        }
        break;
    }
    case TSelectionKind::BySection: {
        int item = 0;
        for (int v = 1; v <= t.Total; ++v) {
            if (books.IsAnySectionStart(v))
                ++item;
            t.Flags[v] = ItemChecked(checked, item) ? 1 : 0;
        }
        break;
    }
    case TSelectionKind::ByVerse:
        for (int v = 1; v <= t.Total && v <= items; ++v)
            t.Flags[v] = ItemChecked(checked, v) ? 1 : 0;
        break;
    case TSelectionKind::ByMemory:
        for (int m = 1; m <= items && m <= books.TotalMemoryVerses(); ++m) {
            const TMemoryVerse mv = books.MemoryVerse(m);
            const int first = books.VerseNoOf(mv.Ref);
            for (int k = 0; k < mv.VerseCount; ++k)
                t.Flags[first + k] = ItemChecked(checked, m) ? 1 : 0;
        }
        break;
    }
    CountSelected(t);
    return t;
}

TMemoryVerseSelection MemoryTableFromList(const TBooks& books, TSelectionKind kind, const std::vector<bool>& checked)
{
    TMemoryVerseSelection t;
    t.Total = books.TotalMemoryVerses();
    const int items = static_cast<int>(checked.size());
    int e = 1; // next memory-verse entry
    auto entryVerse = [&](int m) { return books.VerseNoOf(books.MemoryVerse(m).Ref); };
    switch (kind) {
    case TSelectionKind::ByChapter:
        for (int j = 1; j <= items && j <= books.TotalChapters(); ++j) {
            const TVerseRef ref = books.RefOfChapterNo(j);
            while (e <= t.Total) {
                const TVerseRef mref = books.MemoryVerse(e).Ref;
                if (mref.Book != ref.Book || mref.Chapter != ref.Chapter)
                    break;
                t.Flags[e++] = ItemChecked(checked, j) ? 1 : 0;
            }
        }
        break;
    case TSelectionKind::BySection: {
        int item = 0;
        for (int v = 1; v <= books.TotalVerses(); ++v) {
            if (books.IsAnySectionStart(v))
                ++item;
            // Several entries may start on one verse: each gets the flag.
            while (e <= t.Total && entryVerse(e) == v)
                t.Flags[e++] = ItemChecked(checked, item) ? 1 : 0;
        }
        break;
    }
    case TSelectionKind::ByVerse:
        for (int v = 1; v <= items && v <= books.TotalVerses(); ++v)
            while (e <= t.Total && entryVerse(e) == v)
                t.Flags[e++] = ItemChecked(checked, v) ? 1 : 0;
        break;
    case TSelectionKind::ByMemory:
        for (int m = 1; m <= t.Total && m <= items; ++m)
            t.Flags[m] = ItemChecked(checked, m) ? 1 : 0;
        break;
    }
    CountSelected(t);
    return t;
}

std::vector<TCollectionItem> CollectionItems(const TQuestions& questions, const TCollectionFlags& userChoice)
{
    std::vector<TCollectionItem> items;
    for (int c = 0; c < MaxCollections; ++c)
        if (questions.Collection(c).Available != 0)
            items.push_back({c, userChoice[c] != 0});
    return items;
}

TCollectionFlags ChosenCollections(const std::vector<TCollectionItem>& items, int* count)
{
    TCollectionFlags flags{"chosen collections"};
    int n = 0;
    for (const TCollectionItem& item : items)
        if (item.Checked) {
            ++n;
            flags[item.Collection] = 1;
        }
    if (count)
        *count = n;
    return flags;
}

std::string RequiredCollectionsMessage(const TQuestions& questions, const TCollectionFlags& chosen,
                                       std::vector<int>* uncheck)
{
    std::string text;
    for (int c = 0; c < MaxCollections; ++c) {
        if (chosen[c] == 0)
            continue;
        const TCollection& col = questions.Collection(c);
        bool missing = false;
        std::vector<int> required;
        for (int r = 0; r < MaxCollections; ++r)
            if (col.Requires[r] != 0) {
                required.push_back(r);
                if (chosen[r] == 0)
                    missing = true;
            }
        if (!missing)
            continue;
        std::string line = "To use the " + col.Name.text() + " collection, you must also use the following collection";
        line += required.size() == 1 ? ": " : "s: ";
        for (std::size_t k = 0; k < required.size(); ++k) {
            if (k > 0)
                line += ", ";
            line += questions.Collection(required[k]).Name.text();
        }
        if (!text.empty())
            text += "\r";
        text += line;
        if (uncheck)
            uncheck->push_back(c);
    }
    return text;
}

std::vector<TTypeItem> QuestionTypeItems(bool usesSituation)
{
    std::vector<int> codes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, TypeContext};
    codes.push_back(usesSituation ? TypeSituation : TypeBookAndChapter);
    std::vector<TTypeItem> items;
    for (int code : codes) {
        std::string text = QuestionTypeNames[code];
        for (std::size_t p = text.find("&&"); p != std::string::npos; p = text.find("&&", p + 1))
            text.erase(p, 1);
        items.push_back({text, code});
    }
    auto lower = [](std::string s) {
        for (char& ch : s)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return s;
    };
    std::stable_sort(items.begin(), items.end(),
                     [&](const TTypeItem& a, const TTypeItem& b) { return lower(a.Text) < lower(b.Text); });
    items.push_back({QuestionTypeNames[0], 0});
    return items;
}

} // namespace sv
