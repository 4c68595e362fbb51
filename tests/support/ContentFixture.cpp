#include "support/ContentFixture.h"

#include "common/Errors.h"
#include "common/Win1252.h"
#include "content/Prejump.h"
#include "content/TextEncoder.h"
#include "content/Tokenizer.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <stdexcept>
#include <unordered_map>

namespace sv::test {

namespace {

bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

// The code of a word of the list from its lower-cased index, with the case bits of its form.
TWordCode WordCodeOf(const TWords& words, int index, const std::string& form)
{
    if (index == 0)
        throw std::invalid_argument("fixture: word not in the list: " + form);
    const std::string stored = words.RawWordText(static_cast<TWordCode>(index));
    const auto bits = CaseBitsFor(stored, form);
    if (!bits)
        throw std::invalid_argument("fixture: word form \"" + form + "\" cannot be coded from \"" + stored + "\"");
    return static_cast<TWordCode>(index | *bits);
}

template <typename Fn>
void ForEachQuestionText(const TFixtureDesc& d, Fn fn)
{
    for (const auto& c : d.Collections)
        for (const auto& q : c.Questions) {
            if (q.HomeCollection >= 0)
                continue;
            fn(q.Prefix, TTextMarkup::Plain);
            fn(q.Question, TTextMarkup::Plain);
            for (const auto& a : q.Answer)
                fn(a.Text, TTextMarkup::Underline);
        }
}

std::vector<std::uint8_t> Bytes(const TStreamWriter& w) { return w.data(); }

} // namespace

void TFixtureFiles::WriteTo(const std::string& dir) const
{
    auto put = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream f(dir + "/" + name, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!f)
            throw std::runtime_error("fixture: cannot write " + dir + "/" + name);
    };
    put("wf.wl", Wl);
    put("wf.bk", Bk);
    put("wf.qs", Qs);
}

void TLoadedContent::Load(const TFixtureFiles& files)
{
    TStreamReader wl(files.Wl, "wf.wl");
    Words.LoadFromStream(wl);
    TStreamReader bk(files.Bk, "wf.bk");
    Books.LoadFromStream(bk);
    TStreamReader qs(files.Qs, "wf.qs");
    Questions.LoadFromStream(qs);
}

std::vector<std::uint8_t> EncodeText(const TWords& words, const std::string& text, TTextMarkup markup)
{
    const TTextEncoder enc(
        words.Data, [&](const std::string& w) { return WordCodeOf(words, WordIndexOf(words.FindWord(w)), w); },
        [&](const std::string& s) {
            for (int i = 1; i <= words.Data.SepCount; ++i)
                if (words.SeparatorText(static_cast<TSeparatorCode>(i)) == s)
                    return static_cast<TSeparatorCode>(i);
            throw std::invalid_argument("fixture: separator not in the list: \"" + s + "\"");
        });
    return enc.Encode(Tokenize(text, markup));
}

TFixtureFiles BuildFixture(const TFixtureDesc& d)
{
    if (d.Books.size() > static_cast<std::size_t>(MaxBooks) || d.Collections.size() > 8)
        throw std::invalid_argument("fixture: too many books or collections");

    // ---- Word list ----
    struct TWordInfo {
        std::string Stored;
        bool AlwaysCapital = true;
        std::vector<int> Verses; // VerseNo of each use
        int FirstChapter = 0;
        bool InVerses = false;
    };
    std::unordered_map<std::string, TWordInfo> info;
    std::vector<std::string> extraOrder;
    std::vector<std::string> separators = {" ", "["};
    std::unordered_map<std::string, int> sepIndex = {{" ", 1}, {"[", 2}};
    auto noteSeparator = [&](const std::string& s) {
        if (!s.empty() && sepIndex.count(s) == 0) {
            separators.push_back(s);
            sepIndex[s] = static_cast<int>(separators.size());
        }
    };
    auto noteWord = [&](const std::string& form, bool verse, int verseNo, int chapterNo) {
        const std::string key = LowerAscii(form);
        auto [it, fresh] = info.try_emplace(key);
        TWordInfo& w = it->second;
        if (fresh) {
            w.Stored = form;
            if (!verse)
                extraOrder.push_back(key);
        }
        if (!IsUpperLetter(form[0]))
            w.AlwaysCapital = false;
        if (verse) {
            if (!w.InVerses)
                w.FirstChapter = chapterNo;
            w.InVerses = true;
            w.Verses.push_back(verseNo);
        }
    };
    int verseNo = 0, chapterNo = 0;
    for (const auto& b : d.Books)
        for (const auto& ch : b.Chapters) {
            ++chapterNo;
            for (const auto& v : ch) {
                ++verseNo;
                for (const TToken& t : Tokenize(v)) {
                    if (!t.Word.empty())
                        noteWord(t.Word, true, verseNo, chapterNo);
                    noteSeparator(t.Sep);
                }
            }
        }
    auto noteText = [&](const std::string& text, TTextMarkup markup) {
        for (const TToken& t : Tokenize(text, markup)) {
            if (!t.Word.empty())
                noteWord(t.Word, false, 0, 0);
            noteSeparator(t.Sep);
        }
    };
    ForEachQuestionText(d, noteText);
    for (const auto& w : d.ExtraWords)
        noteText(w, TTextMarkup::Plain);

    std::vector<std::string> sorted;
    for (const auto& [key, w] : info)
        if (w.InVerses)
            sorted.push_back(key);
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        });
    });
    std::vector<std::string> extras;
    for (const auto& key : extraOrder)
        if (!info[key].InVerses)
            extras.push_back(key);
    const int total = static_cast<int>(sorted.size() + extras.size());
    if (total > 4095 || separators.size() > 255)
        throw std::invalid_argument("fixture: too many words or separators");

    TWords words;
    TWordsData& wd = words.Data;
    wd.WordCount = static_cast<std::uint16_t>(sorted.size());
    wd.TotalWords = static_cast<std::uint16_t>(total);
    std::vector<std::uint8_t> chars{0}, sepText{0};
    std::vector<std::int16_t> occ{0};
    std::vector<TWordRec> wordRecs(1);
    std::unordered_map<std::string, int> indexOf;
    auto addRec = [&](const std::string& key) {
        const TWordInfo& w = info[key];
        TWordRec r;
        r.UseCount = static_cast<std::uint8_t>(std::min<std::size_t>(255, w.Verses.size()));
        r.FirstChapter = static_cast<std::uint8_t>(w.FirstChapter);
        const auto cat = d.Categories.find(key);
        r.Category = static_cast<std::uint8_t>(cat == d.Categories.end() ? 16 : cat->second);
        r.TextStart = static_cast<std::uint16_t>(chars.size());
        const std::string stored = w.AlwaysCapital ? w.Stored : key;
        chars.insert(chars.end(), stored.begin(), stored.end());
        chars.push_back(0);
        if (w.InVerses) {
            r.FirstOcc = static_cast<std::uint16_t>(occ.size());
            for (int v : w.Verses)
                occ.push_back(static_cast<std::int16_t>(v));
        }
        wordRecs.push_back(r);
        indexOf[key] = static_cast<int>(wordRecs.size() - 1);
    };
    for (const auto& k : sorted)
        addRec(k);
    for (const auto& k : extras)
        addRec(k);
    if (chars.size() - 1 > 65535 || occ.size() > 65535)
        throw std::invalid_argument("fixture: word list too large");
    wd.TextSize = static_cast<std::uint16_t>(chars.size() - 1);
    wd.OccCount = static_cast<std::int32_t>(occ.size() - 1);
    std::vector<std::uint16_t> sepStart(1);
    for (const auto& s : separators) {
        sepStart.push_back(static_cast<std::uint16_t>(sepText.size()));
        sepText.insert(sepText.end(), s.begin(), s.end());
        sepText.push_back(0);
    }
    wd.SepCount = static_cast<std::uint8_t>(separators.size());
    wd.SepTextSize = static_cast<std::uint16_t>(sepText.size() - 1);
    wd.Occurrences.items() = occ;
    if (wd.OccCount == 0)
        wd.Occurrences.clear();
    wd.WordRecs.items() = wordRecs;
    wd.WordChars.items() = chars;
    wd.SepStart.items() = sepStart;
    wd.SepText.items() = sepText;
    words.RebuildFrequent();

    const TTextEncoder enc(
        words.Data,
        [&](const std::string& w) {
            const auto it = indexOf.find(LowerAscii(w));
            return WordCodeOf(words, it == indexOf.end() ? 0 : it->second, w);
        },
        [&](const std::string& s) { return static_cast<TSeparatorCode>(sepIndex.at(s)); });
    auto encode = [&](const std::string& text, TTextMarkup markup, std::vector<std::uint8_t>& out) {
        enc.Append(Tokenize(text, markup), out);
    };

    TFixtureFiles files;
    {
        TStreamWriter w;
        words.SaveToStream(w);
        files.Wl = Bytes(w);
    }

    // ---- Scripture ----
    TBooks books(words);
    books.Data.BookCount = static_cast<std::uint8_t>(d.Books.size());
    int vnBase = 0;
    for (std::size_t bi = 0; bi < d.Books.size(); ++bi) {
        const TFixtureBook& fb = d.Books[bi];
        const int bookNo = static_cast<int>(bi) + 1;
        TBookRec& b = books.Data.Books[bookNo];
        b.BookAbbrev.setText(fb.Abbrev);
        b.BookName.setText(fb.Name);
        b.ChapterCount = static_cast<std::uint8_t>(fb.Chapters.size());
        std::vector<std::uint8_t> code{0};
        std::vector<std::uint16_t> starts{0};
        int verse = 1;
        for (std::size_t c = 0; c < fb.Chapters.size(); ++c) {
            b.ChapterStart[static_cast<int>(c) + 1] = static_cast<std::int16_t>(verse);
            for (const auto& v : fb.Chapters[c]) {
                starts.push_back(static_cast<std::uint16_t>(code.size()));
                encode(v, TTextMarkup::Plain, code);
                ++verse;
            }
        }
        b.ChapterStart[static_cast<int>(fb.Chapters.size()) + 1] = static_cast<std::int16_t>(verse);
        b.VerseCount = static_cast<std::int16_t>(verse - 1);
        if (code.size() > 65536)
            throw std::invalid_argument("fixture: book text too long");
        b.TextLength = static_cast<std::uint16_t>(code.size() - 1);
        starts.push_back(static_cast<std::uint16_t>(code.size()));
        code.push_back(0);
        if (b.HasText()) {
            b.VerseStart.items() = starts;
            b.TextCode.items() = code;
        }
        auto globalNo = [&](int chapter, int v) { return vnBase + b.ChapterStart[chapter] + v - 1; };
        for (const auto& s : d.Sections)
            if (s.Book == bookNo) {
                TSectionRec& r = b.Sections[++b.SectionCount];
                r.Chapter = static_cast<std::uint8_t>(s.Chapter);
                r.Verse = static_cast<std::uint8_t>(s.Verse);
                r.VerseNo = static_cast<std::int16_t>(globalNo(s.Chapter, s.Verse));
                r.Title.setText(s.Title);
            }
        for (const auto& m : d.MemoryVerses)
            if (m.Book == bookNo) {
                const int n = ++b.MemoryVerseCount;
                TMemVerseRec& r = b.MemVerses[n];
                r.Chapter = static_cast<std::uint8_t>(m.Chapter);
                r.Verse = static_cast<std::uint8_t>(m.Verse);
                r.PromptWords = static_cast<std::uint8_t>(m.PromptWords);
                r.VerseCount = static_cast<std::int8_t>(m.VerseCount);
                if (b.MemVerseStart[m.Chapter] < 1)
                    b.MemVerseStart[m.Chapter] = static_cast<std::int16_t>(n);
            }
        b.MemVerseStart[b.ChapterCount + 1] = static_cast<std::int16_t>(b.MemoryVerseCount + 1);
        vnBase += b.VerseCount;
    }
    {
        TStreamWriter w;
        books.SaveToStream(w);
        files.Bk = Bytes(w);
    }

    // ---- Questions ----
    TQuestions questions(words, books);
    questions.Data.HasSortKeys = d.HasSortKeys;
    std::map<TQuestionId, std::vector<TQuestionId>> copies;
    for (std::size_t ci = 0; ci < d.Collections.size(); ++ci) {
        const TFixtureCollection& fc = d.Collections[ci];
        TCollection& c = questions.Data.Collections[static_cast<int>(ci)];
        c.Name.setText(fc.Name);
        for (int j = 0; j < 8; ++j)
            c.Requires[j] = fc.Requires[static_cast<std::size_t>(j)];
        const int count = static_cast<int>(fc.Questions.size());
        if (count == 0)
            continue;
        std::vector<std::uint8_t> prefix{0}, question{0}, answer{0};
        std::vector<TQuestionRec> recs(1);
        std::vector<TQuestionRef> refs(1);
        for (int i = 1; i <= count; ++i) {
            const TFixtureQuestion& fq = fc.Questions[static_cast<std::size_t>(i - 1)];
            TQuestionRec r;
            r.PrefixStart = static_cast<std::uint32_t>(prefix.size());
            r.QuestionStart = static_cast<std::uint32_t>(question.size());
            r.RefStart = static_cast<std::uint16_t>(refs.size());
            r.SortKey = fq.SortKey;
            r.QuestionLength = fq.QuestionLength;
            r.AnswerLength = fq.AnswerLength;
            const bool placeholder = fq.HomeCollection >= 0;
            if (placeholder) {
                r.QType = TypePlaceholder;
                r.Info = static_cast<std::uint8_t>(fq.HomeCollection);
                r.HomeIndex = static_cast<std::int16_t>(fq.HomeIndex);
                copies[QuestionId(fq.HomeCollection, fq.HomeIndex)].push_back(QuestionId(static_cast<int>(ci), i));
            } else {
                r.QType = static_cast<std::uint8_t>(fq.Type);
                r.Info = 1;
                r.SetPrejumpWords(fq.PrejumpWords);
                encode(fq.Prefix, TTextMarkup::Plain, prefix);
                encode(fq.Question, TTextMarkup::Plain, question);
            }
            for (const auto& part : fq.Answer) {
                TQuestionRef qr;
                qr.SetBookChapter(part.Ref.Book, part.Ref.Chapter);
                qr.Verse = part.Ref.Verse;
                qr.AnswerStart = static_cast<std::uint32_t>(answer.size());
                if (!placeholder)
                    encode(part.Text, TTextMarkup::Underline, answer);
                refs.push_back(qr);
            }
            recs.push_back(r);
        }
        TQuestionRec closing;
        closing.PrefixStart = static_cast<std::uint32_t>(prefix.size());
        closing.QuestionStart = static_cast<std::uint32_t>(question.size());
        closing.RefStart = static_cast<std::uint16_t>(refs.size());
        recs.push_back(closing);
        TQuestionRef closingRef;
        closingRef.AnswerStart = static_cast<std::uint32_t>(answer.size());
        refs.push_back(closingRef);
        if (refs.size() > 65536)
            throw std::invalid_argument("fixture: too many references");
        c.QuestionCount = static_cast<std::int16_t>(count);
        c.PrefixSize = static_cast<std::int32_t>(prefix.size() - 1);
        c.QuestionTextSize = static_cast<std::int32_t>(question.size() - 1);
        c.AnswerTextSize = static_cast<std::int32_t>(answer.size() - 1);
        c.RefCount = static_cast<std::uint16_t>(refs.size() - 2);
        prefix.push_back(0);
        question.push_back(0);
        answer.push_back(0);
        recs.front() = TQuestionRec();
        c.Records.items() = recs;
        c.PrefixText.items() = prefix;
        c.QuestionText.items() = question;
        c.AnswerText.items() = answer;
        c.QuestionRefs.items() = refs;
    }
    for (auto& [home, list] : copies) {
        std::sort(list.begin(), list.end());
        TQuestionRec& h = questions.Collection(CollectionOfId(home)).Records[IndexOfId(home)];
        h.DupLink = list.front();
        h.Info = static_cast<std::uint8_t>((h.Info & 0xF8) | std::min<std::size_t>(7, 1 + list.size()));
        for (std::size_t k = 0; k < list.size(); ++k)
            questions.Collection(CollectionOfId(list[k])).Records[IndexOfId(list[k])].DupLink =
                k + 1 < list.size() ? list[k + 1] : 0;
    }
    questions.UpdateDerived();
    if (d.ComputePrejump)
        ComputePrejumpWords(questions);
    {
        TStreamWriter w;
        questions.SaveToStream(w);
        files.Qs = Bytes(w);
    }
    return files;
}

std::unique_ptr<TLoadedContent> LoadFixture(const TFixtureDesc& desc)
{
    auto c = std::make_unique<TLoadedContent>();
    c->Load(BuildFixture(desc));
    return c;
}

const TLoadedContent& SmallContent()
{
    static const auto c = LoadFixture(SmallFixture());
    return *c;
}

} // namespace sv::test
