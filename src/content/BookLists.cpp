// The list fillers of TBooks: item position equals the running index (chapters in ChapterNo
// order, verses in VerseNo order, memory verses in global entry order, sections in book and
// section order); the selection frames rely on that.
#include "content/Books.h"

namespace sv {

void TBooks::FillChapterCombo(TItemList& list) const
{
    for (int b = 1; b <= BookCount(); ++b)
        for (int c = 1; c <= ChapterCount(b); ++c)
            list.AddItem(BookName(b) + " " + std::to_string(c));
}

void TBooks::FillChapterList(TCheckItemList& list) const
{
    list.Clear();
    FillChapterCombo(list);
    list.SetItemNoun("chapter");
}

void TBooks::FillSectionList(TCheckItemList& list) const
{
    list.Clear();
    for (int b = 1; b <= BookCount(); ++b) {
        const TBookRec& rec = Book(b);
        for (int i = 1; i <= MaxSections; ++i) {
            const TSectionRec& s = rec.Sections[i];
            if (s.Title.length() == 0)
                break;
            list.AddItem(s.Title.text() + "  (" + rec.BookAbbrev.text() + std::to_string(s.Chapter) + ":"
                         + std::to_string(s.Verse) + ")");
        }
    }
    list.SetItemNoun("section");
}

void TBooks::FillVerseList(TCheckItemList& list) const
{
    list.Clear();
    const int total = TotalVerses();
    for (int n = 1; n <= total; ++n)
        list.AddItem(VerseLabel(n));
    list.SetItemNoun("verse");
}

void TBooks::FillMemoryVerseList(TCheckItemList& list) const
{
    list.Clear();
    const int total = TotalMemoryVerses();
    for (int n = 1; n <= total; ++n) {
        const TMemoryVerse m = MemoryVerse(n);
        std::string item =
            BookName(m.Ref.Book) + " " + std::to_string(m.Ref.Chapter) + ":" + std::to_string(m.Ref.Verse);
        if (m.VerseCount != 1)
            item += "-" + std::to_string(m.Ref.Verse + m.VerseCount - 1);
        list.AddItem(item);
    }
    list.SetItemNoun("memory verse");
}

} // namespace sv
