#include "compiler/NewPortion.h"

#include "compiler/RawText.h"
#include "compiler/WordListBuilder.h"

#include "common/Errors.h"
#include "common/SaveAtomically.h"
#include "common/Win1252.h"
#include "content/Tokenizer.h"

#include <QFile>

#include <algorithm>
#include <filesystem>
#include <map>
#include <span>
#include <sstream>

namespace sv::content {

const std::vector<TBibleBook>& BibleBooks()
{
    static const std::vector<TBibleBook> books = {
        {"Genesis", "Gen", "Gen"},        {"Exodus", "Exod", "Exo"},        {"Leviticus", "Lev", "Lev"},
        {"Numbers", "Num", "Num"},        {"Deuteronomy", "Deut", "Deu"},   {"Joshua", "Josh", "Jos"},
        {"Judges", "Judg", "Jdg"},        {"Ruth", "Ruth", "Rut"},          {"1 Samuel", "1Sam", "1Sa"},
        {"2 Samuel", "2Sam", "2Sa"},      {"1 Kings", "1Kgs", "1Ki"},       {"2 Kings", "2Kgs", "2Ki"},
        {"1 Chronicles", "1Chr", "1Ch"},  {"2 Chronicles", "2Chr", "2Ch"},  {"Ezra", "Ezra", "Ezr"},
        {"Nehemiah", "Neh", "Neh"},       {"Esther", "Esth", "Est"},        {"Job", "Job", "Job"},
        {"Psalms", "Ps", "Psa"},          {"Proverbs", "Prov", "Pro"},      {"Ecclesiastes", "Eccl", "Ecc"},
        {"Song of Songs", "Song", "Sol"}, {"Isaiah", "Isa", "Isa"},         {"Jeremiah", "Jer", "Jer"},
        {"Lamentations", "Lam", "Lam"},   {"Ezekiel", "Ezek", "Eze"},       {"Daniel", "Dan", "Dan"},
        {"Hosea", "Hos", "Hos"},          {"Joel", "Joel", "Joe"},          {"Amos", "Amos", "Amo"},
        {"Obadiah", "Obad", "Oba"},       {"Jonah", "Jonah", "Jon"},        {"Micah", "Mic", "Mic"},
        {"Nahum", "Nah", "Nah"},          {"Habakkuk", "Hab", "Hab"},       {"Zephaniah", "Zeph", "Zep"},
        {"Haggai", "Hag", "Hag"},         {"Zechariah", "Zech", "Zec"},     {"Malachi", "Mal", "Mal"},
        {"Matthew", "Matt", "Mat"},       {"Mark", "Mark", "Mar"},          {"Luke", "Luke", "Luk"},
        {"John", "John", "Joh"},          {"Acts", "Acts", "Act"},          {"Romans", "Rom", "Rom"},
        {"1 Corinthians", "1Cor", "1Co"}, {"2 Corinthians", "2Cor", "2Co"}, {"Galatians", "Gal", "Gal"},
        {"Ephesians", "Eph", "Eph"},      {"Philippians", "Phil", "Php"},   {"Colossians", "Col", "Col"},
        {"1 Thess.", "1Thess", "1Th"},    {"2 Thess.", "2Thess", "2Th"},    {"1 Timothy", "1Tim", "1Ti"},
        {"2 Timothy", "2Tim", "2Ti"},     {"Titus", "Titus", "Tit"},        {"Philemon", "Phlm", "Phm"},
        {"Hebrews", "Heb", "Heb"},        {"James", "Jas", "Jas"},          {"1 Peter", "1Pet", "1Pe"},
        {"2 Peter", "2Pet", "2Pe"},       {"1 John", "1John", "1Jn"},       {"2 John", "2John", "2Jn"},
        {"3 John", "3John", "3Jn"},       {"Jude", "Jude", "Jud"},          {"Revelation", "Rev", "Rev"},
    };
    return books;
}

namespace {

std::string Trim(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

bool AllDigits(const std::string& s)
{
    return !s.empty() && s.size() <= 3 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const TBibleBook* FindBibleBook(const std::string& name)
{
    const std::string l = LowerAscii(name);
    for (const auto& b : BibleBooks())
        if (l == LowerAscii(b.Name) || l == LowerAscii(b.Key) || l == LowerAscii(b.Abbrev))
            return &b;
    return nullptr;
}

void Save(const std::filesystem::path& path, const std::string& text)
{
    try {
        SaveAtomically(path.string(), std::span<const char>(text.data(), text.size()));
    } catch (const EFileError& e) {
        // The draft's problems are reported as source problems, with the file they concern.
        throw ESourceError(path.string(), 0, e.what());
    }
}

// How the new text writes one word (by its lower-cased key).
struct TWordUse {
    std::string Lower;
    bool CapitalisedMid = false; // capitalised (or in capitals) in mid-sentence
    bool LowerUse = false;
};

} // namespace

std::vector<TBookRequest> ParseBookRequest(const std::string& text)
{
    std::vector<TBookRequest> out;
    std::stringstream ss(text);
    std::string part;
    const TSourcePos pos{"--books", 0};
    while (std::getline(ss, part, ',')) {
        part = Trim(part);
        if (part.empty())
            continue;
        TBookRequest r;
        std::string name = part;
        const auto sp = part.find_last_of(' ');
        if (sp != std::string::npos && part.find('-', sp) != std::string::npos) {
            const std::string range = part.substr(sp + 1);
            const auto dash = range.find('-');
            const std::string from = range.substr(0, dash), to = range.substr(dash + 1);
            if (!AllDigits(from) || !AllDigits(to) || std::stoi(to) < std::stoi(from))
                pos.fail("\"" + part + "\": a chapter range reads \"Matthew 1-7\"");
            // The scripture file numbers a book's chapters from 1: a portion keeps a book's
            // chapters from its first one on, so that every reference stays the Bible's own.
            if (std::stoi(from) != 1)
                pos.fail("\"" + part + "\": a portion holds a book's chapters from chapter 1 on (write \""
                         + Trim(part.substr(0, sp)) + " 1-" + to + "\")");
            r.LastChapter = std::stoi(to);
            name = Trim(part.substr(0, sp));
        }
        const TBibleBook* b = FindBibleBook(name);
        if (!b)
            pos.fail("\"" + name + "\" is not a book of the Bible (write it as \"1 Peter\" or \"1Pet\")");
        r.Book = *b;
        out.push_back(r);
    }
    if (out.empty() || out.size() > 5)
        pos.fail("name 1 to 5 books");
    return out;
}

namespace {

// A YAML double-quoted scalar of text.
std::string QuotedYaml(const std::string& text)
{
    std::string q = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\')
            q += '\\';
        q += ch;
    }
    return q + '"';
}

} // namespace

TNewPortionReport WriteNewPortion(const TNewPortionOptions& o, const TScriptureSource& scripture)
{
    namespace fs = std::filesystem;
    const fs::path dir(o.OutDir);
    if (fs::exists(dir / "portion.yaml"))
        throw ESourceError((dir / "portion.yaml").string(), 0, "a portion is already there; choose an empty folder");
    const auto request = ParseBookRequest(o.Books);
    TNewPortionReport report;
    std::string portion = "# The study portion: its books and the question collections. The verse counts\n"
                          "# were read from the module; sv-content checks them against it at every build.\n"
                          "# A book may stop before its last chapter: its chapters run from 1 on.\n"
                          "# A book's abbreviation (at most 3 characters) is shown with the chapter number\n"
                          "# written right after it. The name is how the program lists the portion.\n\nname: "
                          + QuotedYaml(o.Books) + "\nmodule: " + o.Module + "\n\nbooks:\n";
    std::string sections = "# Section titles, in reading order; one section per chapter to begin with.\n"
                           "# Rename them and split chapters where the text turns (at most 100 characters a\n"
                           "# title, 255 sections a book; each book's first section starts at 1:1).\n";
    std::map<std::string, TWordUse> uses;
    for (const auto& r : request) {
        const std::string raw = scripture(o.Module, r.Book.Key, "internal", "hf");
        const std::string label = DiathekeLabel(raw);
        if (label.empty())
            throw ESourceError(o.Module, 0, "the module has no " + std::string(r.Book.Name));
        auto verses = ParseRawBook(raw, label, o.Module, o.Module + " " + r.Book.Key);
        DropEmptyChapterEnds(verses);
        std::vector<int> counts;
        for (const auto& v : verses) {
            if (r.LastChapter && v.Chapter > r.LastChapter)
                break;
            if (v.Chapter > static_cast<int>(counts.size()))
                counts.push_back(0);
            ++counts.back();
            ++report.Verses;
            const auto tokens = Tokenize(ToWin1252OrFail(
                v.Text,
                {o.Module + " " + r.Book.Key + " " + std::to_string(v.Chapter) + ":" + std::to_string(v.Verse), 0}));
            for (std::size_t i = 0; i < tokens.size(); ++i) {
                const std::string& w = tokens[i].Word;
                if (w.empty())
                    continue;
                TWordUse& u = uses[LowerAscii(w)];
                u.Lower = LowerAscii(w);
                const TCaseForm form = CaseFormOf(w);
                if (form == TCaseForm::Lower)
                    u.LowerUse = true;
                else if (form == TCaseForm::Mixed || !StartsSentence(tokens, i))
                    u.CapitalisedMid = true;
            }
        }
        if (r.LastChapter > static_cast<int>(counts.size()))
            throw ESourceError("--books", 0,
                               std::string(r.Book.Name) + " has " + std::to_string(counts.size()) + " chapters in "
                                   + o.Module);
        portion += "  - name: " + std::string(r.Book.Name) + "\n    abbrev: \"" + r.Book.Abbrev
                   + "\"\n    key: " + r.Book.Key + "\n    chapters: [";
        for (std::size_t c = 0; c < counts.size(); ++c) {
            portion += (c ? ", " : "") + std::to_string(counts[c]);
            sections += "- ref: " + std::string(r.Book.Key) + " " + std::to_string(c + 1) + ":1\n  title: \""
                        + r.Book.Name + " " + std::to_string(c + 1) + "\"\n";
        }
        portion += "]\n";
        report.Chapters += static_cast<int>(counts.size());
    }
    portion += "\ncollections:\n";
    const char* names[] = {"Memory Verses",    "Toss-ups",         "20-Point Bonuses",    "30-Point Bonuses",
                           "40-Point Bonuses", "Book and Chapter", "Finish w/ Reference", "Review"};
    for (int c = 0; c < 8; ++c)
        portion += "  - number: " + std::to_string(c) + "\n    name: \"" + names[c] + "\"\n    requires: ["
                   + (c == 7 ? "1" : "") + "]\n";

    // Word groups: the known table's entries, else a draft from the capitals.
    TWordGroups known;
    if (!o.KnownGroupsText.empty())
        known = ReadWordGroupsText(o.KnownGroupsText, "the shipped word groups");
    std::vector<std::pair<std::string, std::string>> lines; // (word in Windows-1252, rest of the line)
    for (const auto& [key, u] : uses) {
        ++report.Words;
        const std::string cap = CapitaliseAscii(key);
        bool reviewed = false;
        auto add = [&](const std::string& word, std::optional<int> cat, int guess) {
            lines.emplace_back(word, cat ? std::to_string(*cat) : std::to_string(guess) + "\t# review");
            reviewed = reviewed || !cat;
        };
        const auto knownCap = known.FindExact(cap), knownLow = known.FindExact(key);
        if (u.CapitalisedMid) {
            add(cap, knownCap, 5);
            if (u.LowerUse && knownLow)
                add(key, knownLow, 1);
        } else if (knownLow || !knownCap) {
            add(u.LowerUse ? key : cap, knownLow, u.LowerUse ? 1 : 5);
        } else {
            add(cap, knownCap, 5);
        }
        reviewed ? ++report.ToReview : ++report.Known;
    }
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        const std::string la = LowerAscii(a.first), lb = LowerAscii(b.first);
        return la != lb ? la < lb : a.first < b.first;
    });
    std::string groups = "# Word groups: every word of the portion and its category (categories 1..15 as in\n"
                         "# the shipped table: 1 nouns, 5 people, 6 places, 7 peoples and groups, 8 other\n"
                         "# names, 9 pronouns, 10 adjectives, 11 verbs, 12 adverbs, 13 prepositions,\n"
                         "# 14 conjunctions, 15 interjections). Lines marked \"# review\" are new words whose\n"
                         "# category was guessed (5 for a word the text capitalises, else 1): correct the\n"
                         "# category and delete the mark. Every word the text capitalises in mid-sentence\n"
                         "# needs its capitalised entry.\n";
    for (const auto& [word, rest] : lines)
        groups += Win1252ToUtf8(word) + "\t" + rest + "\n";

    fs::create_directories(dir / "questions");
    Save(dir / "portion.yaml", portion);
    Save(dir / "sections.yaml", sections);
    Save(dir / "wordgroups.tsv", groups);
    Save(dir / "memory.yaml", "# Memory passages, chapter by chapter in book and chapter order; passages in each\n"
                              "# chapter in ascending order, never overlapping, 1 to 3 verses each, never crossing\n"
                              "# into the next chapter. A passage starts where a sentence starts (a clause after a\n"
                              "# colon or a semicolon counts). The prompt words are worked out by the compiler.\n"
                              "#\n"
                              "#   - chapter: "
                                  + std::string(request.front().Book.Key)
                                  + " 1\n"
                                    "#     passages:\n"
                                    "#       - {verse: 3, count: 2}\n");
    Save(dir / "questions" / "FORMAT.md", o.FormatText);
    return report;
}

} // namespace sv::content
