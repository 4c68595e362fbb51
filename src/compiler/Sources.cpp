#include "compiler/Sources.h"

#include "content/QuestionTypes.h"
#include "content/Tokenizer.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace sv::content {

namespace {

TSourcePos At(const std::string& file, const YAML::Node& n)
{
    const auto m = n.Mark();
    return {file, m.line >= 0 ? m.line + 1 : 0};
}

YAML::Node LoadYaml(const std::string& path)
{
    if (!std::filesystem::exists(path))
        throw ESourceError(path, 0, "file not found");
    try {
        return YAML::LoadFile(path);
    } catch (const YAML::Exception& e) {
        throw ESourceError(path, e.mark.line >= 0 ? e.mark.line + 1 : 0, e.msg);
    }
}

std::string Str(const YAML::Node& n, const std::string& file, const char* what)
{
    if (!n || !n.IsScalar())
        At(file, n).fail(std::string("\"") + what + "\" must be a text");
    return n.as<std::string>();
}

const YAML::Node Field(const YAML::Node& map, const char* key, const std::string& file)
{
    const YAML::Node v = map[key];
    if (!v)
        At(file, map).fail(std::string("missing field \"") + key + "\"");
    return v;
}

int Int(const YAML::Node& n, const std::string& file, const char* what, int lo, int hi)
{
    int v = 0;
    try {
        if (!n.IsScalar())
            throw YAML::Exception(n.Mark(), "not a number");
        v = n.as<int>();
    } catch (const YAML::Exception&) {
        At(file, n).fail(std::string("\"") + what + "\" must be a whole number");
    }
    if (v < lo || v > hi)
        At(file, n).fail(std::string("\"") + what + "\" is " + std::to_string(v) + ", outside " + std::to_string(lo)
                         + ".." + std::to_string(hi));
    return v;
}

void CheckKeys(const YAML::Node& map, const std::string& file, std::initializer_list<const char*> known)
{
    if (!map.IsMap())
        At(file, map).fail("expected a mapping");
    for (const auto& kv : map) {
        const std::string k = kv.first.as<std::string>();
        if (std::none_of(known.begin(), known.end(), [&](const char* s) { return k == s; }))
            At(file, kv.first).fail("unknown field \"" + k + "\"");
    }
}

std::string Trim(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

} // namespace

// ---- portion ----

int TPortion::VersesIn(int book, int chapter) const
{
    if (book < 1 || book > static_cast<int>(Books.size()))
        return 0;
    const auto& v = Books[static_cast<std::size_t>(book - 1)].VersesPerChapter;
    if (chapter < 1 || chapter > static_cast<int>(v.size()))
        return 0;
    return v[static_cast<std::size_t>(chapter - 1)];
}

namespace {
int FindBook(const TPortion& p, const std::string& name)
{
    const std::string l = LowerAscii(name);
    for (std::size_t i = 0; i < p.Books.size(); ++i) {
        const auto& b = p.Books[i];
        if (l == LowerAscii(b.Key) || l == LowerAscii(b.Name) || l == LowerAscii(Trim(b.Abbrev)))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

// Splits "Book 1:4" into book text and the numbers after the last space.
bool SplitRef(const std::string& text, std::string& book, std::vector<int>& numbers)
{
    const std::string t = Trim(text);
    const auto sp = t.find_last_of(' ');
    if (sp == std::string::npos)
        return false;
    book = Trim(t.substr(0, sp));
    std::string rest = t.substr(sp + 1);
    numbers.clear();
    std::stringstream ss(rest);
    std::string part;
    while (std::getline(ss, part, ':')) {
        if (part.empty() || part.size() > 4 || !std::all_of(part.begin(), part.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c));
            }))
            return false;
        numbers.push_back(std::stoi(part));
    }
    return !book.empty();
}
} // namespace

TVerseRef TPortion::ParseRef(const std::string& text, const TSourcePos& pos) const
{
    std::string book;
    std::vector<int> nums;
    if (!SplitRef(text, book, nums) || nums.size() != 2)
        pos.fail("reference \"" + text + "\" is not of the form \"Book chapter:verse\"");
    const int b = FindBook(*this, book);
    if (b == 0)
        pos.fail("reference \"" + text + "\": unknown book \"" + book + "\"");
    const int verses = VersesIn(b, nums[0]);
    if (verses == 0)
        pos.fail("reference \"" + text + "\": " + Books[b - 1].Name + " has no chapter " + std::to_string(nums[0]));
    if (nums[1] < 1 || nums[1] > verses)
        pos.fail("reference \"" + text + "\": chapter " + std::to_string(nums[0]) + " has verses 1.."
                 + std::to_string(verses));
    return TVerseRef(b, nums[0], nums[1]);
}

TVerseRef TPortion::ParseChapter(const std::string& text, const TSourcePos& pos) const
{
    std::string book;
    std::vector<int> nums;
    if (!SplitRef(text, book, nums) || nums.size() != 1)
        pos.fail("chapter \"" + text + "\" is not of the form \"Book chapter\"");
    const int b = FindBook(*this, book);
    if (b == 0)
        pos.fail("chapter \"" + text + "\": unknown book \"" + book + "\"");
    if (VersesIn(b, nums[0]) == 0)
        pos.fail("chapter \"" + text + "\": no such chapter");
    return TVerseRef(b, nums[0], 0);
}

TPortion ReadPortion(const std::string& path)
{
    const YAML::Node root = LoadYaml(path);
    TPortion p;
    CheckKeys(root, path, {"name", "module", "books", "collections", "next-id"});
    if (root["name"])
        p.Name = Str(root["name"], path, "name");
    p.Module = Str(Field(root, "module", path), path, "module");
    const YAML::Node books = Field(root, "books", path);
    if (!books.IsSequence() || books.size() < 1 || books.size() > 5)
        At(path, books).fail("\"books\" must list 1 to 5 books");
    int totalChapters = 0, totalVerses = 0;
    for (const auto& b : books) {
        CheckKeys(b, path, {"name", "abbrev", "key", "chapters"});
        TBookDef d;
        d.Pos = At(path, b);
        d.Name = ToWin1252OrFail(Str(Field(b, "name", path), path, "name"), d.Pos);
        if (d.Name.empty() || d.Name.size() > 13)
            d.Pos.fail("book name \"" + d.Name + "\" must have 1 to 13 characters");
        d.Abbrev = ToWin1252OrFail(Str(Field(b, "abbrev", path), path, "abbrev"), d.Pos);
        if (d.Abbrev.empty() || d.Abbrev.size() > 3)
            d.Pos.fail("abbreviation \"" + d.Abbrev + "\" must have 1 to 3 characters");
        d.Key = Str(Field(b, "key", path), path, "key");
        const YAML::Node ch = Field(b, "chapters", path);
        if (!ch.IsSequence() || ch.size() < 1 || ch.size() > 29)
            At(path, ch).fail("\"chapters\" must list 1 to 29 verse counts");
        for (const auto& c : ch) {
            d.VersesPerChapter.push_back(Int(c, path, "verses of a chapter", 1, 255));
            totalVerses += d.VersesPerChapter.back();
        }
        totalChapters += static_cast<int>(d.VersesPerChapter.size());
        p.Books.push_back(std::move(d));
    }
    if (totalChapters > 127)
        At(path, books).fail("the portion has " + std::to_string(totalChapters) + " chapters; at most 127");
    if (totalVerses > 1200)
        At(path, books).fail("the portion has " + std::to_string(totalVerses) + " verses; at most 1200");
    const YAML::Node cols = Field(root, "collections", path);
    if (!cols.IsSequence() || cols.size() != 8)
        At(path, cols).fail("\"collections\" must list the eight collections 0..7");
    int expect = 0;
    for (const auto& c : cols) {
        CheckKeys(c, path, {"number", "name", "requires"});
        const int n = Int(Field(c, "number", path), path, "number", 0, 7);
        if (n != expect)
            At(path, c).fail("collection " + std::to_string(n) + " out of order; expected " + std::to_string(expect));
        ++expect;
        TCollectionDef& d = p.Collections[static_cast<std::size_t>(n)];
        d.Name = ToWin1252OrFail(Str(Field(c, "name", path), path, "name"), At(path, c));
        if (d.Name.size() > 20)
            At(path, c).fail("collection name \"" + d.Name + "\" has " + std::to_string(d.Name.size())
                             + " characters; at most 20");
        if (const YAML::Node r = c["requires"]) {
            if (!r.IsSequence())
                At(path, r).fail("\"requires\" must be a list of collection numbers");
            for (const auto& x : r) {
                const int j = Int(x, path, "requires", 0, 7);
                if (j == n)
                    At(path, x).fail("a collection cannot require itself");
                d.Requires.push_back(j);
            }
        }
    }
    if (const YAML::Node n = root["next-id"])
        p.NextId = Int(n, path, "next-id", 1, MaxQuestionIdValue);
    return p;
}

// ---- sections ----

std::vector<TSectionDef> ReadSections(const std::string& path, const TPortion& portion, TProblems& problems)
{
    std::vector<TSectionDef> out;
    YAML::Node root;
    if (!problems.Attempt([&] { root = LoadYaml(path); }) || !root || root.IsNull())
        return out;
    if (!root.IsSequence())
        At(path, root).fail("expected a list of sections");
    std::vector<int> perBook(portion.Books.size() + 1, 0);
    for (const auto& s : root)
        problems.Attempt([&] {
            CheckKeys(s, path, {"ref", "title"});
            TSectionDef d;
            d.Pos = At(path, s);
            d.Ref = portion.ParseRef(Str(Field(s, "ref", path), path, "ref"), d.Pos);
            d.Title = ToWin1252OrFail(Str(Field(s, "title", path), path, "title"), d.Pos);
            if (d.Title.empty())
                d.Pos.fail("a section title must not be empty");
            if (d.Title.size() > 100)
                d.Pos.fail("section title has " + std::to_string(d.Title.size()) + " characters; at most 100");
            if (!out.empty() && !RefLess(out.back().Ref, d.Ref))
                d.Pos.fail("sections must be in reading order (ascending references)");
            if (perBook[d.Ref.Book] == 0 && (d.Ref.Chapter != 1 || d.Ref.Verse != 1))
                d.Pos.fail("the first section of " + portion.Books[d.Ref.Book - 1].Name
                           + " must begin at its first verse (1:1)");
            if (++perBook[d.Ref.Book] > 255)
                d.Pos.fail("more than 255 sections in " + portion.Books[d.Ref.Book - 1].Name);
            out.push_back(std::move(d));
        });
    return out;
}

// ---- memory passages ----

std::vector<TMemoryDef> ReadMemory(const std::string& path, const TPortion& portion, TProblems& problems)
{
    std::vector<TMemoryDef> out;
    YAML::Node root;
    if (!problems.Attempt([&] { root = LoadYaml(path); }) || !root || root.IsNull())
        return out;
    if (!root.IsSequence())
        At(path, root).fail("expected a list of chapters");
    TVerseRef lastChapter;
    for (const auto& ch : root)
        problems.Attempt([&] {
            CheckKeys(ch, path, {"chapter", "passages"});
            const TSourcePos cpos = At(path, ch);
            const TVerseRef c = portion.ParseChapter(Str(Field(ch, "chapter", path), path, "chapter"), cpos);
            if (lastChapter.Book != 0
                && (c.Book < lastChapter.Book || (c.Book == lastChapter.Book && c.Chapter <= lastChapter.Chapter)))
                cpos.fail("chapters must be listed once each, in book and chapter order");
            lastChapter = c;
            const YAML::Node ps = Field(ch, "passages", path);
            if (!ps.IsSequence())
                At(path, ps).fail("\"passages\" must be a list");
            int nextFree = 1;
            for (const auto& p : ps)
                problems.Attempt([&] {
                    CheckKeys(p, path, {"verse", "count"});
                    TMemoryDef d;
                    d.Pos = At(path, p);
                    const int verses = portion.VersesIn(c.Book, c.Chapter);
                    const int v = Int(Field(p, "verse", path), path, "verse", 1, verses);
                    d.Count = p["count"] ? Int(p["count"], path, "count", 1, 3) : 1;
                    if (v + d.Count - 1 > verses)
                        d.Pos.fail("the passage runs past the end of the chapter (" + std::to_string(verses)
                                   + " verses)");
                    if (v < nextFree)
                        d.Pos.fail("passages must be in ascending order and must not overlap");
                    nextFree = v + d.Count;
                    d.Ref = TVerseRef(c.Book, c.Chapter, v);
                    out.push_back(d);
                });
        });
    if (out.size() > 1200)
        At(path, root).fail("more than 1200 memory passages");
    return out;
}

// ---- word groups ----

void TWordGroups::Add(const std::string& word, int category, const TSourcePos& pos)
{
    if (!m_map.emplace(word, category).second)
        pos.fail("\"" + word + "\" is listed twice");
}

std::optional<int> TWordGroups::FindExact(const std::string& word) const
{
    auto it = m_map.find(word);
    if (it == m_map.end())
        return std::nullopt;
    return it->second;
}

std::optional<int> TWordGroups::Find(const std::string& word) const
{
    if (auto c = FindExact(word))
        return c;
    if (auto c = FindExact(LowerAscii(word)))
        return c;
    // A name listed only capitalised ("Abba", "Amen") also covers the word where the text
    // happens never to capitalise it in mid-sentence.
    std::string capitalised = LowerAscii(word);
    if (!capitalised.empty())
        capitalised[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(capitalised[0])));
    return FindExact(capitalised);
}

namespace {
// One "word<TAB>category" line; a "#" after the category starts a remark ("# review").
void AddWordGroupLine(TWordGroups& g, const std::string& line, const TSourcePos& pos)
{
    const auto tab = line.find('\t');
    if (tab == std::string::npos)
        pos.fail("expected \"word<TAB>category\"");
    const std::string word = ToWin1252OrFail(Trim(line.substr(0, tab)), pos);
    std::string rest = line.substr(tab + 1);
    if (const auto hash = rest.find('#'); hash != std::string::npos)
        rest.erase(hash);
    const std::string cat = Trim(rest);
    if (word.empty() || cat.empty() || cat.size() > 2
        || !std::all_of(cat.begin(), cat.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        pos.fail("expected \"word<TAB>category\" with a category 1..15");
    const int c = std::stoi(cat);
    if (c < 1 || c > 15)
        pos.fail("category " + cat + " is outside 1..15");
    g.Add(word, c, pos);
}
} // namespace

namespace {

TWordGroups ReadWordGroupLines(std::istream& in, const std::string& path, TProblems& problems)
{
    TWordGroups g;
    g.File = path;
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (Trim(line).empty() || line[0] == '#')
            continue;
        const TSourcePos pos{path, n};
        problems.Attempt([&] { AddWordGroupLine(g, line, pos); });
    }
    return g;
}

} // namespace

TWordGroups ReadWordGroups(const std::string& path, TProblems& problems)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ESourceError(path, 0, "file not found");
    return ReadWordGroupLines(in, path, problems);
}

// ---- authored questions ----

std::optional<int> AuthoredTypeCode(const std::string& name)
{
    static const std::map<std::string, int> names = {
        {"other", 0},
        {"according-to", 1},
        {"who", 2},
        {"what", 3},
        {"when", 4},
        {"why", 5},
        {"where", 6},
        {"how", 7},
        {"chapter", 12},
        {"chapter-ma", 13},
        {"chapter-verse", 14},
        {"chapter-verse-ma", 15},
        {"multiple-answer", 16},
        {"context", 41},
    };
    if (auto it = names.find(name); it != names.end())
        return it->second;
    if (!name.empty() && name.size() <= 2
        && std::all_of(name.begin(), name.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::stoi(name);
    return std::nullopt;
}

std::vector<TAuthoredQuestion> ReadQuestionFile(const std::string& path, const TPortion& portion, TProblems& problems)
{
    std::vector<TAuthoredQuestion> out;
    YAML::Node root;
    if (!problems.Attempt([&] { root = LoadYaml(path); }) || !root || root.IsNull())
        return out;
    if (!root.IsSequence())
        At(path, root).fail("expected a list of questions");
    for (const auto& q : root)
        problems.Attempt([&] {
            CheckKeys(q, path,
                      {"id", "collection", "also", "type", "prefix", "question", "ref", "answer", "allow", "unique",
                       "wording"});
            TAuthoredQuestion d;
            d.Pos = At(path, q);
            if (const YAML::Node id = q["id"]) {
                d.IdPos = At(path, id);
                d.Id = Int(id, path, "id", 1, MaxQuestionIdValue);
            }
            d.Collection = Int(Field(q, "collection", path), path, "collection", 0, 7);
            if (const YAML::Node a = q["also"]) {
                if (!a.IsSequence())
                    At(path, a).fail("\"also\" must be a list of collection numbers");
                for (const auto& x : a) {
                    const int c = Int(x, path, "also", 0, 7);
                    if (c == d.Collection || std::find(d.Also.begin(), d.Also.end(), c) != d.Also.end())
                        At(path, x).fail("collection " + std::to_string(c) + " is named twice");
                    d.Also.push_back(c);
                }
                // The home record counts its copies in three bits.
                if (d.Also.size() > 6)
                    At(path, a).fail("a question can stand in at most 7 collections; \"also\" names "
                                     + std::to_string(d.Also.size()) + " besides collection "
                                     + std::to_string(d.Collection));
            }
            const std::string typeName = Str(Field(q, "type", path), path, "type");
            const auto type = AuthoredTypeCode(typeName);
            if (!type)
                At(path, q["type"]).fail("unknown question type \"" + typeName + "\"");
            if (*type >= TypePlaceholder || *type == TypeSituation)
                At(path, q["type"])
                    .fail("type " + typeName
                          + " cannot be used in an authored question"
                            " (39 and 44 and above are not allowed)");
            d.Type = *type;
            if (q["prefix"])
                d.Prefix = ToWin1252OrFail(Str(q["prefix"], path, "prefix"), At(path, q["prefix"]));
            d.Question = ToWin1252OrFail(Str(Field(q, "question", path), path, "question"), At(path, q["question"]));
            if (d.Question.empty())
                d.Pos.fail("the question text is empty");
            const YAML::Node ans = Field(q, "answer", path);
            if (ans.IsSequence()) {
                if (q["ref"])
                    At(path, q["ref"]).fail("give either \"ref\" with one answer or a list of answer parts, not both");
                if (ans.size() < 1 || ans.size() > 255)
                    At(path, ans).fail("an answer has 1 to 255 parts");
                for (const auto& part : ans) {
                    CheckKeys(part, path, {"ref", "text"});
                    const TSourcePos ppos = At(path, part);
                    TAnswerPart p;
                    p.Ref = portion.ParseRef(Str(Field(part, "ref", path), path, "ref"), ppos);
                    p.Text = ToWin1252OrFail(Str(Field(part, "text", path), path, "text"), ppos);
                    p.Pos = ppos;
                    d.Parts.push_back(std::move(p));
                }
            } else {
                const TSourcePos apos = At(path, ans);
                TAnswerPart p;
                p.Ref = portion.ParseRef(Str(Field(q, "ref", path), path, "ref"), At(path, q["ref"]));
                p.Text = ToWin1252OrFail(Str(ans, path, "answer"), apos);
                p.Pos = apos;
                d.Parts.push_back(std::move(p));
            }
            if (const YAML::Node a = q["allow"]) {
                d.AllowPos = At(path, a);
                if (!a.IsSequence())
                    d.AllowPos.fail("\"allow\" must be a list of words");
                for (const auto& x : a) {
                    const TSourcePos wpos = At(path, x);
                    const std::string w = ToWin1252OrFail(Str(x, path, "allow"), wpos);
                    const auto t = Tokenize(w);
                    if (t.size() != 1 || t[0].Word.empty() || !t[0].Sep.empty())
                        wpos.fail("\"" + Str(x, path, "allow") + "\" in \"allow\" is not a single word");
                    d.Allow.push_back(w);
                }
            }
            if (const YAML::Node u = q["unique"]) {
                d.ReviewedPos = At(path, u);
                if (!u.IsMap())
                    d.ReviewedPos.fail("\"unique\" must read {reviewed: [other verses]}");
                CheckKeys(u, path, {"reviewed"});
                const YAML::Node r = Field(u, "reviewed", path);
                if (!r.IsSequence() || r.size() == 0)
                    d.ReviewedPos.fail("\"reviewed\" must list the other verses that were checked");
                for (const auto& x : r)
                    d.Reviewed.push_back(portion.ParseRef(Str(x, path, "reviewed"), At(path, x)));
            }
            if (const YAML::Node w = q["wording"]) {
                d.WordingPos = At(path, w);
                if (!w.IsMap())
                    d.WordingPos.fail("\"wording\" must read {reviewed: [words of the question]}");
                CheckKeys(w, path, {"reviewed"});
                const YAML::Node r = Field(w, "reviewed", path);
                if (!r.IsSequence() || r.size() == 0)
                    d.WordingPos.fail("\"reviewed\" must list the words of the question that were checked");
                for (const auto& x : r)
                    d.WordingReviewed.push_back(LowerAscii(ToWin1252OrFail(Str(x, path, "reviewed"), At(path, x))));
            }
            for (const auto& p : d.Parts)
                if (Trim(p.Text).empty())
                    d.Pos.fail("an answer part is empty");
            out.push_back(std::move(d));
        });
    return out;
}

std::vector<TAuthoredQuestion> ReadQuestions(const std::string& folder, const TPortion& portion, TProblems& problems)
{
    std::vector<std::string> files;
    if (std::filesystem::is_directory(folder))
        for (const auto& e : std::filesystem::directory_iterator(folder))
            if (e.is_regular_file() && e.path().extension() == ".yaml")
                files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    std::vector<TAuthoredQuestion> all;
    for (const auto& f : files) {
        auto qs = ReadQuestionFile(f, portion, problems);
        all.insert(all.end(), std::make_move_iterator(qs.begin()), std::make_move_iterator(qs.end()));
    }
    return all;
}

// The readers that stop at the end of a file with every error of it.
namespace {
template <class F>
auto Throwing(F read)
{
    TProblems problems;
    auto out = read(problems);
    problems.ThrowIfAny();
    return out;
}
} // namespace

std::vector<TSectionDef> ReadSections(const std::string& path, const TPortion& portion)
{
    return Throwing([&](TProblems& p) { return ReadSections(path, portion, p); });
}

std::vector<TMemoryDef> ReadMemory(const std::string& path, const TPortion& portion)
{
    return Throwing([&](TProblems& p) { return ReadMemory(path, portion, p); });
}

TWordGroups ReadWordGroups(const std::string& path)
{
    return Throwing([&](TProblems& p) { return ReadWordGroups(path, p); });
}

TWordGroups ReadWordGroupsText(const std::string& text, const std::string& name)
{
    return Throwing([&](TProblems& p) {
        std::istringstream in(text);
        return ReadWordGroupLines(in, name, p);
    });
}

std::vector<TAuthoredQuestion> ReadQuestions(const std::string& folder, const TPortion& portion)
{
    return Throwing([&](TProblems& p) { return ReadQuestions(folder, portion, p); });
}

std::vector<TAuthoredQuestion> ReadQuestionFile(const std::string& path, const TPortion& portion)
{
    return Throwing([&](TProblems& p) { return ReadQuestionFile(path, portion, p); });
}

} // namespace sv::content
