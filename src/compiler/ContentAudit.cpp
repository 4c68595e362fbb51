#include "compiler/ContentAudit.h"

#include "compiler/AnswerCheck.h"

#include "common/Win1252.h"
#include "content/QuestionTypes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>

namespace sv::content {

namespace {

// Shared-word hits: the other verse holds at least this share of the question's distinctive
// weight, at least two of its distinctive words, and in all at least about the weight of a
// word that stands in one verse only (this factor of it). One of the shared words must be
// rare: in at most RareVerses verses of the portion. A word's weight is ln(verses / verses
// holding it).
constexpr double SharedWeightShare = 0.7;
constexpr double SharedWeightMin = 0.95;
constexpr int RareVerses = 12;

std::vector<std::string> Keys(const std::vector<TToken>& tokens)
{
    std::vector<std::string> out;
    for (const auto& t : tokens)
        if (!t.Word.empty())
            out.push_back(AnswerWordKey(t.Word));
    return out;
}

std::size_t CommonSubsequence(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    std::vector<std::size_t> row(b.size() + 1, 0), prev(b.size() + 1, 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j)
            row[j] = a[i - 1] == b[j - 1] ? prev[j - 1] + 1 : std::max(prev[j], row[j - 1]);
        std::swap(row, prev);
    }
    return prev[b.size()];
}

// True when the verse's text ends a sentence: its last mark (closing quotes and parentheses
// left aside) is a full stop, question or exclamation mark; with clauses, also a colon or a
// semicolon (the next verse then starts a clause of its own).
bool EndsSentence(const std::vector<TToken>& tokens, bool clauses = false)
{
    std::string tail = tokens.empty() ? std::string() : tokens.back().Sep;
    while (!tail.empty()) {
        const unsigned char c = static_cast<unsigned char>(tail.back());
        if (c == ' ' || c == '"' || c == '\'' || c == ')' || c == ']' || c == 0x94 || c == 0x92)
            tail.pop_back();
        else
            break;
    }
    if (tail.empty())
        return false;
    const char c = tail.back();
    return c == '.' || c == '?' || c == '!' || (clauses && (c == ':' || c == ';'));
}

std::string Quoted(const std::vector<std::string>& words)
{
    std::string s;
    for (const auto& w : words)
        s += (s.empty() ? "\"" : ", \"") + Win1252ToUtf8(w) + "\"";
    return s;
}

std::string Fixed(double v, int digits)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", digits, v);
    return buf;
}

} // namespace

std::string TAuditFinding::Text() const
{
    return Pos.Line > 0 ? Pos.File + ":" + std::to_string(Pos.Line) + ": " + Message : Pos.File + ": " + Message;
}

std::vector<std::vector<std::size_t>> NearEqualVerses(const std::vector<TAuditVerse>& verses)
{
    std::vector<std::vector<std::string>> words;
    std::vector<std::set<std::string>> sets;
    for (const auto& v : verses) {
        words.push_back(Keys(v.Tokens));
        sets.emplace_back(words.back().begin(), words.back().end());
    }
    std::vector<std::vector<std::size_t>> out(verses.size());
    for (std::size_t a = 0; a < verses.size(); ++a) {
        const auto& wa = words[a];
        if (wa.empty())
            continue;
        const auto need = static_cast<std::size_t>(std::ceil(NearEqualShare * static_cast<double>(wa.size())));
        for (std::size_t b = 0; b < verses.size(); ++b) {
            if (b == a || words[b].size() < need)
                continue;
            // Cheap bound first: the distinct words of a that b holds at all.
            std::size_t held = 0;
            for (const auto& w : wa)
                held += sets[b].contains(w) ? 1 : 0;
            if (held < need)
                continue;
            if (CommonSubsequence(wa, words[b]) >= need)
                out[a].push_back(b);
        }
    }
    return out;
}

std::vector<std::vector<std::string>> VerseOpenings(const std::vector<TAuditVerse>& verses)
{
    std::vector<std::vector<std::string>> out(verses.size());
    for (std::size_t i = 0; i < verses.size(); ++i)
        for (std::size_t j = i; j < verses.size() && j < i + 3; ++j) {
            if (j > i && (verses[j].Ref.Book != verses[i].Ref.Book || verses[j].Ref.Chapter != verses[i].Ref.Chapter))
                break;
            for (const auto& t : verses[j].Tokens)
                if (!t.Word.empty())
                    out[i].push_back(LowerAscii(t.Word));
        }
    return out;
}

std::vector<int> PromptLengthsAgainstVerses(const std::vector<std::vector<std::string>>& passages,
                                            const std::vector<int>& base, const std::vector<std::size_t>& firstVerse,
                                            const std::vector<std::vector<std::string>>& openings,
                                            std::vector<std::size_t>* clashWith)
{
    std::vector<int> out = base;
    if (clashWith)
        clashWith->assign(passages.size(), 0);
    for (std::size_t q = 0; q < passages.size(); ++q) {
        const auto& a = passages[q];
        for (std::size_t v = 0; v < openings.size(); ++v) {
            if (v == firstVerse[q])
                continue;
            const auto& b = openings[v];
            std::size_t d = 0;
            while (d < a.size() && d < b.size() && LowerAscii(a[d]) == b[d])
                ++d;
            if (d >= a.size()) {
                out[q] = 0;
                if (clashWith)
                    (*clashWith)[q] = v;
                break;
            }
            out[q] = std::max(out[q], static_cast<int>(d) + 1);
        }
    }
    return out;
}

void AuditAuthored(const TPortion& portion, const std::vector<TAuditVerse>& verses,
                   const std::vector<TAuthoredQuestion>& questions, TAuditReport& report)
{
    std::map<std::uint32_t, std::size_t> indexOf;
    std::vector<std::set<std::string>> verseWords(verses.size());
    std::map<std::string, int> df;
    for (std::size_t i = 0; i < verses.size(); ++i) {
        indexOf[TVerseRef(verses[i].Ref.Book, verses[i].Ref.Chapter, verses[i].Ref.Verse).Packed()] = i;
        for (const auto& k : Keys(verses[i].Tokens))
            if (!IsAnswerStopWord(k))
                verseWords[i].insert(k);
        for (const auto& k : verseWords[i])
            ++df[k];
    }
    const double n = static_cast<double>(std::max<std::size_t>(verses.size(), 1));
    auto weight = [&](const std::string& k) { return std::log(n / df[k]); };
    auto indexFor = [&](const TVerseRef& r) { return indexOf.at(TVerseRef(r.Book, r.Chapter, r.Verse).Packed()); };

    std::vector<int> citedBy(verses.size(), 0), primaryOf(verses.size(), 0);
    for (const auto& q : questions) {
        if (q.Collection == 1 && !q.Parts.empty())
            ++primaryOf[indexFor(q.Parts.front().Ref)];
        std::set<std::size_t> cited;
        for (const auto& p : q.Parts)
            cited.insert(indexFor(p.Ref));
        for (std::size_t i : cited)
            ++citedBy[i];
        std::set<std::size_t> reviewed, used;
        for (const auto& r : q.Reviewed)
            reviewed.insert(indexFor(r));
        std::string citedNames;
        for (std::size_t i : cited)
            citedNames += (citedNames.empty() ? "" : ", ") + verses[i].Where;
        auto hit = [&](std::size_t other, const std::string& message) {
            if (reviewed.contains(other)) {
                used.insert(other);
                ++report.Resolved;
            } else {
                report.Open.push_back({q.Pos, message});
            }
        };

        // Shared distinctive words. A question that names its verse cannot be answered from
        // another one.
        if (q.Type != TypeAccordingTo) {
            std::set<std::string> distinctive;
            for (const auto* text : {&q.Prefix, &q.Question})
                for (const auto& w : AnswerContentWords(*text)) {
                    const std::string k = AnswerWordKey(w);
                    if (std::any_of(cited.begin(), cited.end(),
                                    [&](std::size_t i) { return verseWords[i].contains(k); }))
                        distinctive.insert(k);
                }
            double total = 0;
            for (const auto& k : distinctive)
                total += weight(k);
            // A question that names the book ("the Colossians") is answered from that book only.
            const TVerseRef home = q.Parts.front().Ref;
            const std::string bookKey = AnswerWordKey(portion.Books[static_cast<std::size_t>(home.Book - 1)].Name);
            bool namesBook = false;
            for (const auto* text : {&q.Prefix, &q.Question})
                for (const auto& w : AnswerContentWords(*text))
                    namesBook = namesBook || AnswerWordKey(w) == bookKey;
            for (std::size_t v = 0; total > 0 && v < verses.size(); ++v) {
                if (cited.contains(v) || (namesBook && verses[v].Ref.Book != home.Book))
                    continue;
                double shared = 0;
                bool rare = false;
                std::vector<std::string> words;
                for (const auto& k : distinctive)
                    if (verseWords[v].contains(k)) {
                        shared += weight(k);
                        rare = rare || df[k] <= RareVerses;
                        words.push_back(k);
                    }
                if (rare && words.size() >= 2 && shared >= SharedWeightMin * std::log(n)
                    && shared >= SharedWeightShare * total)
                    hit(v, verses[v].Where + " also holds " + Quoted(words) + " of the question on " + citedNames
                               + "; reword it so only one answer fits, or name " + verses[v].Where
                               + " in \"unique: {reviewed: [...]}\"");
            }
        }

        // An answer that stops where its verse's sentence goes on.
        for (const auto& p : q.Parts) {
            const std::size_t i = indexFor(p.Ref);
            const std::size_t next = i + 1;
            if (next >= verses.size() || verses[next].Ref.Book != p.Ref.Book
                || verses[next].Ref.Chapter != p.Ref.Chapter || cited.contains(next) || EndsSentence(verses[i].Tokens))
                continue;
            const auto answer = Keys(Tokenize(p.Text, TTextMarkup::Underline));
            const auto verse = Keys(verses[i].Tokens);
            if (answer.empty() || verse.empty() || answer.back() != verse.back())
                continue;
            hit(next, "the answer ends with " + verses[i].Where + ", whose sentence goes on in " + verses[next].Where
                          + "; cite it too, or name it in \"unique: {reviewed: [...]}\"");
        }

        for (std::size_t r : reviewed)
            if (!used.contains(r))
                report.Open.push_back({q.ReviewedPos.File.empty() ? q.Pos : q.ReviewedPos,
                                       "reviewed verse " + verses[r].Where
                                           + " is no hit of this question any more; remove it from \"reviewed\""});
    }

    // ---- coverage ----
    std::map<std::uint32_t, std::size_t> chapterAt;
    for (const auto& v : verses) {
        const TVerseRef c(v.Ref.Book, v.Ref.Chapter, 0);
        if (!chapterAt.contains(c.Packed())) {
            chapterAt[c.Packed()] = report.Chapters.size();
            TChapterCoverage cc;
            cc.Chapter = c;
            cc.Name = portion.Books[static_cast<std::size_t>(c.Book - 1)].Key + " " + std::to_string(c.Chapter);
            report.Chapters.push_back(cc);
        }
        ++report.Chapters[chapterAt[c.Packed()]].Verses;
    }
    for (std::size_t i = 0; i < verses.size(); ++i) {
        TChapterCoverage& cc =
            report.Chapters[chapterAt[TVerseRef(verses[i].Ref.Book, verses[i].Ref.Chapter, 0).Packed()]];
        if (citedBy[i] > 0)
            ++cc.Cited;
        if (primaryOf[i] > 0)
            ++cc.Primary;
        else
            report.Coverage.push_back({portion.Books[static_cast<std::size_t>(verses[i].Ref.Book - 1)].Pos,
                                       verses[i].Where + " is the primary reference of no authored toss-up"});
    }
    for (const auto& q : questions) {
        if (q.Parts.empty())
            continue;
        const TVerseRef& r = q.Parts.front().Ref;
        TChapterCoverage& cc = report.Chapters[chapterAt.at(TVerseRef(r.Book, r.Chapter, 0).Packed())];
        if (q.Collection == 1)
            ++cc.TossUps;
        else if (q.Collection >= 2 && q.Collection <= 4)
            ++cc.Bonuses[q.Collection - 2];
    }
    for (const auto& cc : report.Chapters) {
        const TSourcePos& pos = portion.Books[static_cast<std::size_t>(cc.Chapter.Book - 1)].Pos;
        if (cc.TossUpsPerVerse() < MinTossUpsPerVerse) {
            const int need = static_cast<int>(std::ceil(MinTossUpsPerVerse * cc.Verses - 1e-9));
            report.Coverage.push_back({pos, cc.Name + " has " + std::to_string(cc.TossUps) + " toss-ups for "
                                                + std::to_string(cc.Verses) + " verses ("
                                                + Fixed(cc.TossUpsPerVerse(), 2) + " a verse); it needs at least "
                                                + std::to_string(need)});
        }
        static const char* points[] = {"20", "30", "40"};
        for (int k = 0; k < 3; ++k)
            if (cc.Bonuses[k] == 0)
                report.Coverage.push_back(
                    {pos, cc.Name + " has no question in the " + points[k] + "-point bonus collection"});
    }
}

void AuditMemory(const std::vector<TAuditVerse>& verses, const std::vector<TMemoryDef>& memory, TAuditReport& report)
{
    std::map<std::uint32_t, std::size_t> indexOf;
    for (std::size_t i = 0; i < verses.size(); ++i)
        indexOf[TVerseRef(verses[i].Ref.Book, verses[i].Ref.Chapter, verses[i].Ref.Verse).Packed()] = i;
    auto sameChapter = [&](std::size_t a, std::size_t b) {
        return verses[a].Ref.Book == verses[b].Ref.Book && verses[a].Ref.Chapter == verses[b].Ref.Chapter;
    };
    for (std::size_t m = 0; m < memory.size(); ++m) {
        const TVerseRef& r = memory[m].Ref;
        const auto at = indexOf.find(TVerseRef(r.Book, r.Chapter, r.Verse).Packed());
        if (at == indexOf.end())
            continue;
        // The verse where the passage's first sentence starts (within the chapter).
        std::size_t start = at->second;
        while (start > 0 && sameChapter(start - 1, at->second) && !EndsSentence(verses[start - 1].Tokens, true))
            --start;
        if (start == at->second)
            continue;
        if (m > 0) {
            const TMemoryDef& prev = memory[m - 1];
            const auto pf = indexOf.find(TVerseRef(prev.Ref.Book, prev.Ref.Chapter, prev.Ref.Verse).Packed());
            // The passage before must hold the sentence's start and run on up to this one.
            if (pf != indexOf.end() && pf->second <= start
                && pf->second + static_cast<std::size_t>(prev.Count) == at->second)
                continue;
        }
        report.Open.push_back(
            {memory[m].Pos, "the passage " + verses[at->second].Where
                                + " starts in mid-sentence: the sentence begins at " + verses[start].Where
                                + ", and the passage before it does not run from that verse up to it"});
    }
}

std::string TAuditReport::Summary() const
{
    int verses = 0, cited = 0, primary = 0;
    for (const auto& c : Chapters) {
        verses += c.Verses;
        cited += c.Cited;
        primary += c.Primary;
    }
    std::string s = "coverage: " + std::to_string(cited) + " of " + std::to_string(verses)
                    + " verses cited by an authored question\n";
    s += "primary references: " + std::to_string(primary) + " of " + std::to_string(verses)
         + " verses open a toss-up (needed: every verse)\n";
    std::vector<const TChapterCoverage*> order;
    for (const auto& c : Chapters)
        order.push_back(&c);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto* a, const auto* b) { return a->TossUpsPerVerse() < b->TossUpsPerVerse(); });
    s += "toss-ups per verse (needed: " + Fixed(MinTossUpsPerVerse, 2) + "; lowest first):";
    for (const auto* c : order)
        s += " " + c->Name + " " + Fixed(c->TossUpsPerVerse(), 2);
    s += "\nbonuses 20/30/40 per chapter (needed: 1/1/1):";
    for (const auto& c : Chapters)
        s += " " + c.Name + " " + std::to_string(c.Bonuses[0]) + "/" + std::to_string(c.Bonuses[1]) + "/"
             + std::to_string(c.Bonuses[2]);
    s += "\nambiguity and wording hits: " + std::to_string(Resolved) + " resolved, " + std::to_string(Open.size())
         + " open\nrule breaks: " + std::to_string(Faults.size()) + "\n";
    return s;
}

} // namespace sv::content
