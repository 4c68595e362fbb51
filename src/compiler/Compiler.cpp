#include "compiler/Compiler.h"

#include "compiler/AnswerCheck.h"
#include "compiler/ContentAudit.h"
#include "compiler/WordingAudit.h"

#include "compiler/RawText.h"
#include "compiler/WordListBuilder.h"

#include "common/LeStream.h"
#include "common/Win1252.h"
#include "content/Prejump.h"
#include "content/QuestionTypes.h"
#include "content/Tokenizer.h"

#include <QCryptographicHash>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <map>
#include <numeric>

namespace sv::content {

TScriptureSource DiathekeSource()
{
    return [](const std::string& module, const std::string& key, const std::string& format,
              const std::string& options) { return RunDiatheke(module, key, format, options); };
}

TCompiledContent::TCompiledContent() : Words(), Books(Words), Questions(Words, Books) { }

std::vector<int> UniquePrefixLengths(const std::vector<std::vector<std::string>>& passages,
                                     const std::vector<int>& classes)
{
    std::vector<int> out(passages.size(), 1);
    for (std::size_t q = 0; q < passages.size(); ++q) {
        const auto& a = passages[q];
        int best = 1;
        for (std::size_t r = 0; r < passages.size(); ++r) {
            if (r == q || classes[r] != classes[q])
                continue;
            const auto& b = passages[r];
            std::size_t d = 0;
            while (d < a.size() && d < b.size() && LowerAscii(a[d]) == LowerAscii(b[d]))
                ++d;
            const int pos = static_cast<int>(d) + 1;
            if (pos > best)
                best = std::min(pos, static_cast<int>(a.size()));
        }
        out[q] = std::max(1, std::min(best, static_cast<int>(a.size())));
    }
    return out;
}

std::vector<int> CaseInsensitiveRanks(const std::vector<std::string>& texts)
{
    std::vector<std::string> keys;
    keys.reserve(texts.size());
    for (const auto& t : texts)
        keys.push_back(LowerAscii(t));
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<int> rank(texts.size(), 0);
    int r = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i == 0 || keys[order[i]] != keys[order[i - 1]])
            ++r;
        rank[order[i]] = r;
    }
    return rank;
}

namespace {

struct TVerse {
    TVerseRef Ref;
    int VerseNo = 0;
    int ChapterNo = 0;
    std::string Text; // Windows-1252
    std::vector<TToken> Tokens;
    std::vector<TRawNote> Notes; // texts in Windows-1252
    std::string Where;
};

std::string RefLabel(const TPortion& p, const TVerseRef& r)
{
    return p.Books[r.Book - 1].Key + " " + std::to_string(r.Chapter) + ":" + std::to_string(r.Verse);
}

std::string StripMarkup(const std::string& s)
{
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, 5, "{\\ul ") == 0) {
            i += 5;
            continue;
        }
        if (s[i] == '}') {
            ++i;
            continue;
        }
        out.push_back(s[i++]);
    }
    return out;
}

// Tokens [0..k] of the text joined (the k-th word's separator included).
std::string JoinRange(const std::vector<TToken>& t, std::size_t from, std::size_t to)
{
    std::string s;
    for (std::size_t i = from; i < to && i < t.size(); ++i)
        s += t[i].Word + t[i].Sep;
    return s;
}

// Index of the token holding the n-th word (1-based); tokens.size() when there are fewer.
std::size_t NthWordToken(const std::vector<TToken>& t, int n)
{
    int w = 0;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (!t[i].Word.empty() && ++w == n)
            return i;
    return t.size();
}

int WordCountOf(const std::vector<TToken>& t)
{
    return static_cast<int>(std::count_if(t.begin(), t.end(), [](const TToken& x) { return !x.Word.empty(); }));
}

// The named constants of the generated questions: where they go and what type they are.
constexpr int GeneratedMemoryCollection = 0;     // quote and finish each memory passage
constexpr int BookAndChapterCollection = 5;      // one question per verse
constexpr int FinishWithReferenceCollection = 6; // finish a passage and give the reference
constexpr int CollectionCount = 8;

// One compilation of a source set, phase by phase (see Compile below); each phase reads what
// the phases before it left in the members.
class TCompilation {
public:
    TCompilation(const TSourceSet& sources, const TScriptureSource& scripture)
        : src(sources), portion(sources.Portion), scriptureSource(scripture), out(std::make_unique<TCompiledContent>()),
          stats(out->Stats), groups(sources.Groups ? &*sources.Groups : nullptr)
    { }

    // Scripture: every verse of the portion from the scripture source, with its footnotes;
    // the authored questions and memory passages checked against it.
    void Scripture();
    void AuditSources();
    // Memory passages and the prompt words that set each one apart.
    void MemoryPassages();
    // Generated questions: book and chapter for every verse, quote, finish and finish with
    // reference for every memory passage.
    void GeneratedQuestions();
    void AuthoredQuestions();
    // Word list: every word of the scripture and of the question texts, sorted and grouped.
    void WordList();
    // The scripture store: books, coded text, sections, memory verses; then the footnotes.
    void ScriptureStore();
    void Footnotes();
    // Placeholders: where each question and its copies in other collections go.
    void Placements();
    // The question store: records, coded texts and references of every collection.
    void QuestionStore();
    // Question and answer lengths, sort keys, and the prejump words.
    void SortKeys();

    std::unique_ptr<TCompiledContent> Result() { return std::move(out); }

private:
    struct TPassage {
        TMemoryDef Def;
        std::string Text;
        std::vector<TToken> Tokens;
        std::vector<std::string> Verses; // each verse's text
        int Prompt = 1;
    };
    struct TCodedDraft {
        std::vector<TToken> Prefix, Question;
        std::vector<std::vector<TToken>> Parts;
    };

    const TVerse& VerseAt(const TVerseRef& r) const
    {
        const auto& bv = books[static_cast<std::size_t>(r.Book - 1)];
        int idx = 0;
        for (int c = 1; c < r.Chapter; ++c)
            idx += portion.VersesIn(r.Book, c);
        return bv[static_cast<std::size_t>(idx + r.Verse - 1)];
    }

    const TSourceSet& src;
    const TPortion& portion;
    const TScriptureSource& scriptureSource;
    std::unique_ptr<TCompiledContent> out;
    TCompileStats& stats;
    const TWordGroups* groups;

    std::vector<std::vector<TVerse>> books; // the verses of each book
    std::vector<TAuditVerse> auditVerses;   // every verse, in order
    std::vector<std::vector<std::size_t>> nearEqual;
    TWordListBuilder wl;
    std::vector<TPassage> passages;
    std::vector<TQuestionDraft> drafts;
    std::vector<TCodedDraft> coded; // the tokens of each draft's texts
    // Entries of each collection: (draft, is placeholder), ordered by primary reference.
    std::array<std::vector<std::pair<std::size_t, bool>>, CollectionCount> entries;
    std::vector<std::array<int, CollectionCount>> indexIn; // each draft's number in each collection
};

void TCompilation::Scripture()
{
    books.resize(portion.Books.size());
    int verseNo = 0, chapterNo = 0;
    for (std::size_t b = 0; b < portion.Books.size(); ++b) {
        const TBookDef& def = portion.Books[b];
        const std::string sourceName = portion.Module + " " + def.Key + " (diatheke)";
        const std::string raw = scriptureSource(portion.Module, def.Key, "internal", "hf");
        const std::string label = DiathekeLabel(raw);
        if (label.empty())
            def.Pos.fail("diatheke gave no verse 1:1 for \"" + def.Key + "\" in " + portion.Module);
        auto verses = ParseRawBook(raw, label, portion.Module, sourceName);
        // A portion may end before its book does ("Matthew 1-7"): the chapters it lists.
        const int listed = static_cast<int>(def.VersesPerChapter.size());
        std::erase_if(verses, [&](const TRawVerse& v) { return v.Chapter > listed; });
        DropEmptyChapterEnds(verses);
        std::vector<TRawVerse> withNotes;
        bool haveNotes = false;
        for (const auto& v : verses)
            haveNotes = haveNotes || !v.Notes.empty();
        if (haveNotes) {
            const std::string osis = scriptureSource(portion.Module, def.Key, "OSIS", "f");
            withNotes = ParseRawBook(osis, DiathekeLabel(osis), portion.Module,
                                     portion.Module + " " + def.Key + " (diatheke OSIS)");
            std::erase_if(withNotes, [&](const TRawVerse& v) { return v.Chapter > listed; });
            DropEmptyChapterEnds(withNotes);
        }
        // Chapter and verse counts must match the portion.
        std::vector<int> counts;
        for (const auto& v : verses) {
            if (v.Chapter > static_cast<int>(counts.size()))
                counts.push_back(0);
            ++counts.back();
        }
        if (counts != def.VersesPerChapter) {
            std::string got;
            for (int n : counts)
                got += (got.empty() ? "" : ", ") + std::to_string(n);
            def.Pos.fail(def.Name + ": the module has chapters of [" + got
                         + "] verses; \"chapters\" must say the same");
        }
        for (std::size_t i = 0; i < verses.size(); ++i) {
            const TRawVerse& rv = verses[i];
            TVerse v;
            v.Ref = TVerseRef(static_cast<int>(b) + 1, rv.Chapter, rv.Verse);
            if (rv.Verse == 1)
                ++chapterNo;
            v.VerseNo = ++verseNo;
            v.ChapterNo = chapterNo;
            v.Where = RefLabel(portion, v.Ref);
            const TSourcePos pos{sourceName + " " + v.Where, 0};
            v.Text = ToWin1252OrFail(rv.Text, pos);
            if (v.Text.empty())
                pos.fail("the verse has no text");
            v.Tokens = Tokenize(v.Text);
            v.Notes = rv.Notes;
            if (haveNotes) {
                const auto* match =
                    i < withNotes.size() && withNotes[i].Chapter == rv.Chapter && withNotes[i].Verse == rv.Verse
                        ? &withNotes[i]
                        : nullptr;
                if (!match || match->Notes.size() != rv.Notes.size())
                    pos.fail("the footnotes of the OSIS text do not match the raw markup");
                for (std::size_t k = 0; k < v.Notes.size(); ++k) {
                    std::string t = match->Notes[k].Text;
                    // A note starts with its own "c:v " reference; the file places it already.
                    const std::string own = std::to_string(rv.Chapter) + ":" + std::to_string(rv.Verse) + " ";
                    if (t.starts_with(own))
                        t.erase(0, own.size());
                    // A footnote is commentary, not text: one that quotes a character outside
                    // Windows-1252 (Greek words) is left out rather than stopping the build.
                    try {
                        v.Notes[k].Text = ToWin1252OrFail(t, pos);
                    } catch (const ESourceError& e) {
                        v.Notes[k].Text.clear();
                        stats.Warnings.push_back(std::string("footnote left out: ") + e.what());
                    }
                }
            }
            books[b].push_back(std::move(v));
        }
    }
    stats.Verses = verseNo;
}

void TCompilation::AuditSources()
{
    for (const auto& bv : books)
        for (const auto& v : bv)
            auditVerses.push_back({v.Ref, v.Where, v.Tokens});
    for (const auto& f : CheckAnswerWords(src.Authored, portion, [&](const TVerseRef& r) -> const std::vector<TToken>& {
             return VerseAt(r).Tokens;
         }))
        stats.AnswerWordFaults.push_back(f.Text());

    nearEqual = NearEqualVerses(auditVerses);
    AuditAuthored(portion, auditVerses, src.Authored, stats.Audit);
    AuditMemory(auditVerses, src.Memory, stats.Audit);
    AuditWording(src.Authored, groups, stats.Audit);
}

void TCompilation::MemoryPassages()
{
    {
        std::vector<std::vector<std::string>> words;
        std::vector<int> classes;
        for (const auto& m : src.Memory) {
            TPassage p;
            p.Def = m;
            for (int k = 0; k < m.Count; ++k) {
                const TVerse& v = VerseAt(TVerseRef(m.Ref.Book, m.Ref.Chapter, m.Ref.Verse + k));
                p.Verses.push_back(v.Text);
                p.Text += (k ? " " : "") + v.Text;
            }
            p.Tokens = Tokenize(p.Text);
            std::vector<std::string> w;
            for (const auto& t : p.Tokens)
                if (!t.Word.empty())
                    w.push_back(t.Word);
            words.push_back(std::move(w));
            classes.push_back(m.Count == 1 ? 1 : 2);
            passages.push_back(std::move(p));
        }
        std::vector<std::size_t> firstVerse, clash;
        for (const auto& p : passages)
            firstVerse.push_back(static_cast<std::size_t>(VerseAt(p.Def.Ref).VerseNo - 1));
        const auto prompts = PromptLengthsAgainstVerses(words, UniquePrefixLengths(words, classes), firstVerse,
                                                        VerseOpenings(auditVerses), &clash);
        for (std::size_t i = 0; i < passages.size(); ++i) {
            if (prompts[i] == 0) {
                stats.Audit.Open.push_back({passages[i].Def.Pos, "the passage " + RefLabel(portion, passages[i].Def.Ref)
                                                                     + " opens " + auditVerses[clash[i]].Where
                                                                     + " word for word: no prompt sets it apart"});
                passages[i].Prompt = static_cast<int>(words[i].size());
                continue;
            }
            if (prompts[i] > 255)
                passages[i].Def.Pos.fail("the passage needs more than 255 prompt words to be unique");
            passages[i].Prompt = prompts[i];
        }
    }
    stats.MemoryPassages = static_cast<int>(passages.size());
}

void TCompilation::GeneratedQuestions()
{
    for (const auto& bv : books)
        for (const auto& v : bv) {
            TQuestionDraft q;
            q.Collection = BookAndChapterCollection;
            q.Type = TypeBookAndChapter;
            q.Question = v.Text + "\"";
            q.Pos = {"(generated for " + v.Where + ")", 0};
            q.Key.Key = "book-and-chapter " + v.Where;
            // A verse whose words stand in other verses too: the answer names every book and
            // chapter that holds them.
            std::vector<TVerseRef> places{v.Ref};
            std::string others;
            for (std::size_t o : nearEqual[static_cast<std::size_t>(v.VerseNo - 1)]) {
                const TVerseRef& r = auditVerses[o].Ref;
                others += (others.empty() ? "" : ", ") + auditVerses[o].Where;
                if (std::none_of(places.begin(), places.end(),
                                 [&](const TVerseRef& p) { return p.Book == r.Book && p.Chapter == r.Chapter; }))
                    places.push_back(r);
            }
            for (const auto& r : places)
                q.Parts.push_back({r, portion.Books[r.Book - 1].Name + " " + std::to_string(r.Chapter)
                                          + (places.size() > 1 && &r != &places.back() ? ";" : "")});
            if (!others.empty()) {
                stats.Audit.Notes.push_back({q.Pos, "the words also stand in " + others
                                                        + "; the book and chapter "
                                                          "question names "
                                                        + std::to_string(places.size()) + " places"});
                ++stats.Audit.Resolved;
            }
            drafts.push_back(std::move(q));
        }
    for (const auto& p : passages) {
        const TVerseRef r = p.Def.Ref;
        const int n = p.Def.Count;
        const std::string name = portion.Books[r.Book - 1].Name;
        const std::string c = std::to_string(r.Chapter), v = std::to_string(r.Verse);
        const TSourcePos pos{p.Def.Pos.File, p.Def.Pos.Line};
        const std::string where = RefLabel(portion, r);
        // Quote the passage.
        {
            TQuestionDraft q;
            q.Collection = GeneratedMemoryCollection;
            q.Type = n == 1 ? TypeQuoteOneVerse : n == 2 ? TypeQuoteTwoVerses : TypeQuoteThreeVerses;
            q.Question = "Quote " + name + " chapter " + c
                         + (n == 1   ? ": verse " + v + "."
                            : n == 2 ? ": verses " + v + " and " + std::to_string(r.Verse + 1) + "."
                                     : ": verses " + v + " through " + std::to_string(r.Verse + n - 1) + ".");
            for (int k = 0; k < n; ++k)
                q.Parts.push_back({TVerseRef(r.Book, r.Chapter, r.Verse + k), p.Verses[static_cast<std::size_t>(k)]});
            q.Pos = pos;
            q.Key.Key = "quote " + where;
            drafts.push_back(std::move(q));
        }
        // Finish the passage from its prompt.
        const int words = WordCountOf(p.Tokens);
        int prompt = words < 6 ? p.Prompt : std::max(p.Prompt, 5);
        prompt = std::max(1, std::min(prompt, words - 1));
        if (words >= 2) {
            const std::size_t k = NthWordToken(p.Tokens, prompt);
            TQuestionDraft q;
            q.Collection = GeneratedMemoryCollection;
            q.Type = n == 1 ? TypeFinishThisVerse : n == 2 ? TypeFinishTwoVerses : TypeFinishThreeVerses;
            q.Question = std::string(n == 1 ? "Finish this verse: " : "Finish these verses: ")
                         + JoinRange(p.Tokens, 0, k + 1) + "...";
            q.Parts.push_back({r, "... " + JoinRange(p.Tokens, k + 1, p.Tokens.size())});
            q.Pos = pos;
            q.Key.Key = "finish " + where;
            drafts.push_back(std::move(q));
        }
        // Finish and give the reference: the prompt stays within the first verse, one answer
        // part per verse.
        const auto first = Tokenize(p.Verses[0]);
        const int firstWords = WordCountOf(first);
        if (firstWords >= 2) {
            const int pr = std::max(1, std::min(prompt, firstWords - 1));
            const std::size_t k = NthWordToken(first, pr);
            TQuestionDraft q;
            q.Collection = FinishWithReferenceCollection;
            q.Type = TypeFinishWithReference;
            q.Question = std::string(n == 1 ? "Finish this verse and give the reference: "
                                            : "Finish these verses and give the reference: ")
                         + JoinRange(first, 0, k + 1) + "...";
            q.Parts.push_back({r, "... " + JoinRange(first, k + 1, first.size())});
            for (int j = 1; j < n; ++j)
                q.Parts.push_back({TVerseRef(r.Book, r.Chapter, r.Verse + j), p.Verses[static_cast<std::size_t>(j)]});
            q.Pos = pos;
            q.Key.Key = "finish-with-reference " + where;
            drafts.push_back(std::move(q));
        }
    }
}

void TCompilation::AuthoredQuestions()
{
    std::map<int, TSourcePos> ids;
    std::map<std::string, int> textKeys; // how often each text key was given
    for (const auto& a : src.Authored) {
        if (a.Id > 0) {
            if (const auto [at, fresh] = ids.emplace(a.Id, a.IdPos); !fresh)
                a.IdPos.fail("id " + std::to_string(a.Id) + " is given twice (also at " + at->second.File + ":"
                             + std::to_string(at->second.Line) + ")");
            if (portion.NextId > 0 && a.Id >= portion.NextId)
                a.IdPos.fail("id " + std::to_string(a.Id) + " is not below next-id " + std::to_string(portion.NextId)
                             + " of portion.yaml; ids are handed out by \"sv-content ids\"");
        }
    }
    stats.AuthoredQuestions = static_cast<int>(src.Authored.size());
    for (const auto& a : src.Authored) {
        TQuestionDraft q;
        // Two questions of the same verse and text: the later ones are told apart by their place.
        q.Key.Alias = TextKeyOf(a, portion);
        if (const int n = ++textKeys[q.Key.Alias]; n > 1)
            q.Key.Alias += " #" + std::to_string(n);
        q.Key.Key = a.Id > 0 ? "id " + std::to_string(a.Id) : q.Key.Alias;
        if (a.Id == 0)
            ++stats.MissingIds;
        q.Collection = a.Collection;
        q.Also = a.Also;
        q.Type = a.Type;
        q.Prefix = a.Prefix;
        q.Question = a.Question;
        q.Parts = a.Parts;
        q.Pos = a.Pos;
        drafts.push_back(std::move(q));
    }
    if (stats.MissingIds > 0) {
        const auto first =
            std::find_if(src.Authored.begin(), src.Authored.end(), [](const auto& a) { return a.Id == 0; });
        stats.Warnings.push_back(std::to_string(stats.MissingIds) + " authored questions have no id yet (the first at "
                                 + first->Pos.File + ":" + std::to_string(first->Pos.Line)
                                 + "); \"sv-content ids\" gives each one");
    }
}

void TCompilation::WordList()
{
    for (const auto& bv : books)
        for (const auto& v : bv)
            wl.AddScripture(v.Tokens, v.VerseNo, v.ChapterNo, v.Where);

    // Tokens of every question text; register their words.
    coded.resize(drafts.size());
    for (std::size_t i = 0; i < drafts.size(); ++i) {
        const auto& d = drafts[i];
        coded[i].Prefix = Tokenize(d.Prefix);
        coded[i].Question = Tokenize(d.Question);
        wl.AddOther(coded[i].Prefix, d.Pos);
        wl.AddOther(coded[i].Question, d.Pos);
        for (const auto& p : d.Parts) {
            coded[i].Parts.push_back(Tokenize(p.Text, TTextMarkup::Underline));
            wl.AddOther(coded[i].Parts.back(), d.Pos);
        }
    }

    wl.Finish(groups, out->Words);
    stats.SortedWords = wl.SortedCount();
    stats.ExtraWords = wl.ExtraCount();
    stats.Separators = wl.SepCount();
    stats.Uncategorised = wl.UncategorisedCount();
    if (groups && stats.Uncategorised > 0)
        stats.Warnings.push_back(std::to_string(stats.Uncategorised) + " scripture words have no entry in "
                                 + groups->File + " and belong to no word group");
}

void TCompilation::ScriptureStore()
{
    TBooksData& bd = out->Books.Data;
    bd.BookCount = static_cast<std::uint8_t>(portion.Books.size());
    for (std::size_t b = 0; b < portion.Books.size(); ++b) {
        const TBookDef& def = portion.Books[b];
        TBookRec& rec = bd.Books[static_cast<int>(b) + 1];
        rec.EditFlag = 0;
        rec.BookAbbrev.setText(def.Abbrev);
        rec.BookName.setText(def.Name);
        rec.ChapterCount = static_cast<std::uint8_t>(def.VersesPerChapter.size());
        int start = 1;
        for (std::size_t c = 0; c < def.VersesPerChapter.size(); ++c) {
            rec.ChapterStart[static_cast<int>(c) + 1] = static_cast<std::int16_t>(start);
            start += def.VersesPerChapter[c];
        }
        rec.ChapterStart[rec.ChapterCount + 1] = static_cast<std::int16_t>(start);
        rec.VerseCount = static_cast<std::int16_t>(books[b].size());
        std::vector<std::uint8_t> code;
        rec.VerseStart.setLength(rec.VerseCount + 2);
        for (std::size_t i = 0; i < books[b].size(); ++i) {
            rec.VerseStart[static_cast<long long>(i) + 1] = static_cast<std::uint16_t>(code.size() + 1);
            const auto bytes = wl.Encode(books[b][i].Tokens);
            code.insert(code.end(), bytes.begin(), bytes.end());
            if (code.size() > 65535)
                def.Pos.fail(def.Name + ": the coded text reaches " + std::to_string(code.size()) + " bytes at "
                             + books[b][i].Where + "; a book holds at most 65535");
        }
        rec.VerseStart[rec.VerseCount + 1] = static_cast<std::uint16_t>(code.size() + 1);
        rec.TextLength = static_cast<std::uint16_t>(code.size());
        rec.TextCode.setLength(static_cast<long long>(code.size()) + 2);
        for (std::size_t i = 0; i < code.size(); ++i)
            rec.TextCode[static_cast<long long>(i) + 1] = code[i];
    }
    for (const auto& sdef : src.Sections) {
        TBookRec& rec = bd.Books[sdef.Ref.Book];
        TSectionRec s;
        s.Chapter = sdef.Ref.Chapter;
        s.Verse = sdef.Ref.Verse;
        s.VerseNo = static_cast<std::int16_t>(VerseAt(sdef.Ref).VerseNo);
        s.Title.setText(sdef.Title);
        rec.Sections[++rec.SectionCount] = s;
    }
    for (std::size_t b = 0; b < portion.Books.size(); ++b)
        if (bd.Books[static_cast<int>(b) + 1].SectionCount == 0)
            portion.Books[b].Pos.fail(portion.Books[b].Name + " has no section; its first section must begin at 1:1");
    stats.Sections = static_cast<int>(src.Sections.size());
    for (const auto& p : passages) {
        TBookRec& rec = bd.Books[p.Def.Ref.Book];
        const int n = ++rec.MemoryVerseCount;
        if (rec.MemVerseStart[p.Def.Ref.Chapter] < 1)
            rec.MemVerseStart[p.Def.Ref.Chapter] = static_cast<std::int16_t>(n);
        TMemVerseRec m;
        m.Chapter = p.Def.Ref.Chapter;
        m.Verse = p.Def.Ref.Verse;
        m.PromptWords = static_cast<std::uint8_t>(p.Prompt);
        m.VerseCount = static_cast<std::int8_t>(p.Def.Count);
        rec.MemVerses[n] = m;
    }
}

void TCompilation::Footnotes()
{
    for (const auto& bv : books)
        for (const auto& v : bv)
            for (const auto& note : v.Notes) {
                if (note.Text.empty())
                    continue;
                if (stats.Footnotes == 500) {
                    stats.Warnings.push_back("more than 500 footnotes; the rest are left out");
                    break;
                }
                ++stats.Footnotes;
                out->Footnotes += std::to_string(v.Ref.Book) + " " + std::to_string(v.Ref.Chapter) + " "
                                  + std::to_string(v.Ref.Verse) + " " + std::to_string(note.Position) + " " + note.Text
                                  + "\r\n";
            }
}

void TCompilation::Placements()
{
    // Entries of each collection: (draft, is placeholder), ordered by primary reference.
    for (std::size_t i = 0; i < drafts.size(); ++i) {
        entries[static_cast<std::size_t>(drafts[i].Collection)].push_back({i, false});
        for (int c : drafts[i].Also)
            entries[static_cast<std::size_t>(c)].push_back({i, true});
    }
    indexIn.resize(drafts.size());
    for (auto& a : indexIn)
        a.fill(0);
    for (int c = 0; c < CollectionCount; ++c) {
        auto& e = entries[static_cast<std::size_t>(c)];
        std::stable_sort(e.begin(), e.end(), [&](const auto& x, const auto& y) {
            return RefLess(drafts[x.first].Parts.front().Ref, drafts[y.first].Parts.front().Ref);
        });
        if (e.size() > static_cast<std::size_t>(MaxQuestionsPerCollection))
            throw ESourceError("questions", 0,
                               "collection " + std::to_string(c) + " has " + std::to_string(e.size())
                                   + " questions; at most 8191");
        for (std::size_t k = 0; k < e.size(); ++k)
            indexIn[e[k].first][static_cast<std::size_t>(c)] = static_cast<int>(k) + 1;
    }
}

void TCompilation::QuestionStore()
{
    TQuestionsData& qd = out->Questions.Data;
    qd.HasSortKeys = 1;
    for (int c = 0; c < CollectionCount; ++c) {
        TCollection& col = qd.Collections[c];
        const TCollectionDef& cdef = portion.Collections[static_cast<std::size_t>(c)];
        col.Name.setText(cdef.Name);
        for (int j : cdef.Requires)
            col.Requires[j] = 1;
        const auto& e = entries[static_cast<std::size_t>(c)];
        col.QuestionCount = static_cast<std::int16_t>(e.size());
        for (const auto& [di, placeholder] : e)
            out->Keys.Collection(c).push_back(drafts[di].Key);
        if (e.empty())
            continue;
        std::vector<std::uint8_t> prefix, question, answer;
        std::vector<TQuestionRef> refs;
        col.Records.setLength(static_cast<long long>(e.size()) + 2);
        for (std::size_t k = 0; k < e.size(); ++k) {
            const auto [di, placeholder] = e[k];
            const TQuestionDraft& d = drafts[di];
            TQuestionRec r;
            r.PrefixStart = static_cast<std::uint32_t>(prefix.size() + 1);
            r.QuestionStart = static_cast<std::uint32_t>(question.size() + 1);
            r.RefStart = static_cast<std::uint16_t>(refs.size() + 1);
            // The copy chain: home record, then the placeholders in the order of "also".
            std::vector<int> chain{d.Collection};
            chain.insert(chain.end(), d.Also.begin(), d.Also.end());
            const auto at = std::find(chain.begin(), chain.end(), c);
            const auto next = at + 1;
            r.DupLink = next == chain.end() ? 0 : QuestionId(*next, indexIn[di][static_cast<std::size_t>(*next)]);
            if (placeholder) {
                r.QType = TypePlaceholder;
                r.Info = static_cast<std::uint8_t>(d.Collection);
                r.HomeIndex = static_cast<std::int16_t>(indexIn[di][static_cast<std::size_t>(d.Collection)]);
                for (const auto& p : d.Parts) {
                    TQuestionRef qr;
                    qr.SetBookChapter(p.Ref.Book, p.Ref.Chapter);
                    qr.Verse = p.Ref.Verse;
                    qr.AnswerStart = static_cast<std::uint32_t>(answer.size() + 1);
                    refs.push_back(qr);
                }
            } else {
                r.QType = static_cast<std::uint8_t>(d.Type);
                r.Info = static_cast<std::uint8_t>(chain.size() & 0x07);
                const auto pb = wl.Encode(coded[di].Prefix);
                prefix.insert(prefix.end(), pb.begin(), pb.end());
                const auto qb = wl.Encode(coded[di].Question);
                question.insert(question.end(), qb.begin(), qb.end());
                for (std::size_t p = 0; p < d.Parts.size(); ++p) {
                    TQuestionRef qr;
                    qr.SetBookChapter(d.Parts[p].Ref.Book, d.Parts[p].Ref.Chapter);
                    qr.Verse = d.Parts[p].Ref.Verse;
                    qr.AnswerStart = static_cast<std::uint32_t>(answer.size() + 1);
                    refs.push_back(qr);
                    const auto ab = wl.Encode(coded[di].Parts[p]);
                    answer.insert(answer.end(), ab.begin(), ab.end());
                }
                ++stats.QuestionsByType[d.Type];
            }
            if (refs.size() > 65534)
                d.Pos.fail("collection " + std::to_string(c) + " has more than 65534 references");
            col.Records[static_cast<long long>(k) + 1] = r;
        }
        TQuestionRec closing;
        closing.PrefixStart = static_cast<std::uint32_t>(prefix.size() + 1);
        closing.QuestionStart = static_cast<std::uint32_t>(question.size() + 1);
        closing.RefStart = static_cast<std::uint16_t>(refs.size() + 1);
        col.Records[static_cast<long long>(e.size()) + 1] = closing;
        TQuestionRef closingRef;
        closingRef.AnswerStart = static_cast<std::uint32_t>(answer.size() + 1);
        refs.push_back(closingRef);
        auto fill = [](TDynArray<std::uint8_t>& arr, const std::vector<std::uint8_t>& bytes) {
            arr.setLength(static_cast<long long>(bytes.size()) + 2);
            for (std::size_t i = 0; i < bytes.size(); ++i)
                arr[static_cast<long long>(i) + 1] = bytes[i];
        };
        fill(col.PrefixText, prefix);
        fill(col.QuestionText, question);
        fill(col.AnswerText, answer);
        col.PrefixSize = static_cast<std::int32_t>(prefix.size());
        col.QuestionTextSize = static_cast<std::int32_t>(question.size());
        col.AnswerTextSize = static_cast<std::int32_t>(answer.size());
        col.RefCount = static_cast<std::uint16_t>(refs.size() - 1);
        col.QuestionRefs.setLength(static_cast<long long>(refs.size()) + 1);
        for (std::size_t i = 0; i < refs.size(); ++i)
            col.QuestionRefs[static_cast<long long>(i) + 1] = refs[i];
        stats.Questions[static_cast<std::size_t>(c)] = static_cast<int>(e.size());
        stats.Placeholders[static_cast<std::size_t>(c)] =
            static_cast<int>(std::count_if(e.begin(), e.end(), [](const auto& x) { return x.second; }));
    }
    out->Questions.UpdateDerived();
}

void TCompilation::SortKeys()
{
    TQuestionsData& qd = out->Questions.Data;
    std::vector<std::string> plain(drafts.size());
    for (std::size_t i = 0; i < drafts.size(); ++i) {
        const int c = drafts[i].Collection;
        const int idx = indexIn[i][static_cast<std::size_t>(c)];
        plain[i] = out->Questions.QuestionPlainText({c, idx});
        if (plain[i].size() > 999)
            drafts[i].Pos.fail("the question reads " + std::to_string(plain[i].size())
                               + " characters with its lead; at most 999");
    }
    const auto ranks = CaseInsensitiveRanks(plain);
    for (std::size_t i = 0; i < drafts.size(); ++i) {
        std::string answer;
        for (std::size_t p = 0; p < drafts[i].Parts.size(); ++p)
            answer += (p ? " " : "") + StripMarkup(drafts[i].Parts[p].Text);
        if (answer.size() > 900)
            drafts[i].Pos.fail("the answer has " + std::to_string(answer.size())
                               + " characters; with its references it must stay within 999");
        if (ranks[i] > 65535)
            drafts[i].Pos.fail("more than 65535 distinct questions");
        std::vector<int> cols{drafts[i].Collection};
        cols.insert(cols.end(), drafts[i].Also.begin(), drafts[i].Also.end());
        for (int c : cols) {
            TQuestionRec& r = qd.Collections[c].Records[indexIn[i][static_cast<std::size_t>(c)]];
            r.SortKey = static_cast<std::uint16_t>(ranks[i]);
            r.QuestionLength = static_cast<std::int16_t>(plain[i].size());
            r.AnswerLength = static_cast<std::int16_t>(answer.size());
        }
    }
    ComputePrejumpWords(out->Questions);
}

} // namespace

std::string TextKeyOf(const TAuthoredQuestion& q, const TPortion& portion)
{
    const QByteArray text = QByteArray::fromStdString(q.Prefix + "\n" + q.Question);
    const QByteArray hash = QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(12);
    return "text " + RefLabel(portion, q.Parts.front().Ref) + " " + hash.toStdString();
}

std::unique_ptr<TCompiledContent> Compile(const TSourceSet& src, const TScriptureSource& scripture)
{
    // Questions that come from the editor rather than a file have not had their references
    // checked by the reader; every later step relies on them.
    for (const TAuthoredQuestion& q : src.Authored) {
        if (q.Parts.empty())
            q.Pos.fail("the question has no answer");
        for (const TAnswerPart& p : q.Parts)
            if (p.Ref.Verse < 1 || p.Ref.Verse > src.Portion.VersesIn(p.Ref.Book, p.Ref.Chapter))
                (p.Pos.File.empty() ? q.Pos : p.Pos)
                    .fail("the answer's verse "
                          + (p.Ref.Book >= 1 && p.Ref.Book <= src.Portion.Books.size()
                                 ? src.Portion.Books[p.Ref.Book - 1u].Key
                                 : "book " + std::to_string(p.Ref.Book))
                          + " " + std::to_string(p.Ref.Chapter) + ":" + std::to_string(p.Ref.Verse)
                          + " is not in the portion");
    }
    TCompilation c(src, scripture);
    c.Scripture();
    c.AuditSources();
    c.MemoryPassages();
    c.GeneratedQuestions();
    c.AuthoredQuestions();
    c.WordList();
    c.ScriptureStore();
    c.Footnotes();
    c.Placements();
    c.QuestionStore();
    c.SortKeys();
    std::unique_ptr<TCompiledContent> result = c.Result();
    result->Portion = DescribePortion(src.Portion, QDate::currentDate());
    return result;
}

TPortionText DescribePortion(const TPortion& portion, QDate built)
{
    TPortionText t;
    QStringList books;
    for (const TBookDef& b : portion.Books)
        books.append(FromWin1252(b.Name));
    t.Books = books.join(QStringLiteral(", "));
    if (!portion.Name.empty())
        t.Name = QString::fromStdString(portion.Name);
    else if (!books.isEmpty())
        t.Name = books.size() == 1 ? books.front() : books.front() + u'-' + books.back();
    t.Translation = QString::fromStdString(portion.Module);
    t.Built = built;
    return t;
}

namespace {

// Every file is read to its end, the errors kept in problems, so that one run lists every
// error of the sources.
TSourceSet ReadSourceSet(const std::string& sourcesDir, TProblems& problems)
{
    namespace fs = std::filesystem;
    const fs::path dir(sourcesDir);
    TSourceSet s;
    s.Portion = ReadPortion((dir / "portion.yaml").string());
    problems.Attempt([&] { s.Sections = ReadSections((dir / "sections.yaml").string(), s.Portion, problems); });
    problems.Attempt([&] { s.Memory = ReadMemory((dir / "memory.yaml").string(), s.Portion, problems); });
    if (fs::exists(dir / "wordgroups.tsv"))
        problems.Attempt([&] { s.Groups = ReadWordGroups((dir / "wordgroups.tsv").string(), problems); });
    problems.Attempt([&] { s.Authored = ReadQuestions((dir / "questions").string(), s.Portion, problems); });
    return s;
}

} // namespace

std::unique_ptr<TCompiledContent> Compile(const std::string& sourcesDir, const TScriptureSource& scripture)
{
    // The compilation runs on what was read right, so that one run lists every error.
    TProblems problems;
    const TSourceSet s = ReadSourceSet(sourcesDir, problems);
    std::unique_ptr<TCompiledContent> c;
    problems.Attempt([&] { c = Compile(s, scripture); });
    problems.ThrowIfAny();
    if (!s.Groups)
        c->Stats.Warnings.push_back((std::filesystem::path(sourcesDir) / "wordgroups.tsv").string()
                                    + " is missing: every word is left without a word group");
    return c;
}

TSourceSet ReadSourceSet(const std::string& sourcesDir)
{
    TProblems problems;
    TSourceSet s = ReadSourceSet(sourcesDir, problems);
    problems.ThrowIfAny();
    return s;
}

void WriteContent(TCompiledContent& content, const std::string& outDir)
{
    namespace fs = std::filesystem;
    fs::create_directories(fs::path(outDir) / "Users");
    {
        TStreamWriter w;
        content.Words.SaveToStream(w);
        w.saveToFile((fs::path(outDir) / "wf.wl").string());
    }
    {
        TStreamWriter w;
        content.Books.SaveToStream(w);
        w.saveToFile((fs::path(outDir) / "wf.bk").string());
    }
    {
        TStreamWriter w;
        content.Questions.SaveToStream(w);
        w.saveToFile((fs::path(outDir) / "wf.qs").string());
        content.Keys.Fingerprint = TQuestionKeys::FingerprintOf(w.data());
        content.Keys.SaveToFile((fs::path(outDir) / "wf.qid").string());
    }
    {
        TStreamWriter w;
        w.writeBytes(
            std::span(reinterpret_cast<const std::uint8_t*>(content.Footnotes.data()), content.Footnotes.size()));
        w.saveToFile((fs::path(outDir) / "footnotes.txt").string());
    }
    WritePortionText((fs::path(outDir) / "").string(), content.Portion);
}

} // namespace sv::content
