// sv-content: the content compiler.
//
//   sv-content build [--sources DIR] [--out DIR]   sources -> wf.wl, wf.bk, wf.qs, wf.qid,
//                                                  footnotes.txt, portion.ini; --text-cache DIR
//                                                  keeps the scripture text there for later rebuilds
//   sv-content check [--sources DIR]               compile and report, write nothing; fails
//                                                  on an unexplained answer word (AnswerCheck.h),
//                                                  a bonus whose parts break its rules, an open
//                                                  ambiguity or wording hit (WordingAudit.h) or
//                                                  an unmet coverage limit (ContentAudit.h)
//   sv-content ids   [--sources DIR]               gives every authored question without an
//                                                  id the next free one, in its source file
//   sv-content show  [--dir DIR] verse "Gal 1:4" | memory N | question C I
//   sv-content new   --books "1 Peter, 2 Peter" [--module M] --out DIR
//                                                  drafts a new portion's sources (NewPortion.h)
//                                                  and builds them into DIR/build
//
// Scripture text is read from the installed SWORD module through diatheke.

#include "compiler/Compiler.h"
#include "compiler/IdAssigner.h"
#include "compiler/NewPortion.h"
#include "compiler/Show.h"
#include "compiler/SourceError.h"
#include "compiler/TextCache.h"

#include "common/Errors.h"
#include "content/QuestionTypes.h"

#include <QCoreApplication>
#include <QFile>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

using namespace sv;
using namespace sv::content;

namespace {

int Usage()
{
    std::cerr << "usage:\n"
                 "  sv-content build [--sources DIR] [--out DIR] [--text-cache DIR] [--quiet]\n"
                 "  sv-content check [--sources DIR]\n"
                 "  sv-content ids [--sources DIR]\n"
                 "  sv-content show [--dir DIR] [--sources DIR] verse \"Gal 1:4\"\n"
                 "  sv-content show [--dir DIR] memory N\n"
                 "  sv-content show [--dir DIR] question COLLECTION INDEX\n"
                 "  sv-content new --books \"1 Peter, 2 Peter\" [--module engWEB2015eb] --out DIR\n"
                 "DIR defaults: --sources content, --out and --dir build/program\n";
    return 2;
}

void Report(const TCompiledContent& c, std::ostream& os)
{
    const TCompileStats& s = c.Stats;
    os << "verses " << s.Verses << ", sections " << s.Sections << ", memory passages " << s.MemoryPassages
       << ", footnotes " << s.Footnotes << "\n";
    os << "words " << s.SortedWords << " sorted + " << s.ExtraWords << " extra, separators " << s.Separators << "\n";
    for (int col = 0; col < 8; ++col)
        os << "collection " << col << " \"" << c.Questions.Data.Collections[col].Name.text()
           << "\": " << s.Questions[static_cast<std::size_t>(col)] << " questions ("
           << s.Placeholders[static_cast<std::size_t>(col)] << " placeholders)\n";
    os << "types:";
    for (const auto& [t, n] : s.QuestionsByType)
        os << " " << t << "=" << n;
    os << "\n";
    for (const auto& w : s.Warnings)
        os << "warning: " << w << "\n";
}

// Rule breaks, open ambiguity and wording hits and unmet coverage limits fail "check"
// ("build" only warns).
constexpr bool RuleBreaksFail = true;
constexpr bool AmbiguityHitsFail = true;
constexpr bool CoverageLimitsFail = true;

// Prints the audit: hits and unmet limits (warnings when building), the coverage summary.
// False when "check" must fail.
bool ReportAudit(const TAuditReport& audit, bool check, bool quiet, int authored)
{
    // A new portion without authored questions yet: its coverage is the list of what to
    // write next, not a failure.
    if (authored == 0 && !audit.Coverage.empty()) {
        std::cout << "no authored questions yet: the portion studies with its generated questions;\n"
                     "write toss-ups and bonuses in questions/*.yaml (questions/FORMAT.md), chapter by chapter:\n";
        for (const auto& f : audit.Coverage)
            std::cout << "to do: " << f.Message << "\n";
        TAuditReport rest = audit;
        rest.Coverage.clear();
        return ReportAudit(rest, check, quiet, -1);
    }
    for (const auto& f : audit.Faults)
        std::cerr << (check && RuleBreaksFail ? "" : "warning: ") << f.Text() << "\n";
    for (const auto& f : audit.Open)
        std::cerr << (check && AmbiguityHitsFail ? "" : "warning: ") << f.Text() << "\n";
    for (const auto& f : audit.Coverage)
        std::cerr << (check && CoverageLimitsFail ? "" : "warning: ") << f.Text() << "\n";
    if (!quiet) {
        for (const auto& f : audit.Notes)
            std::cout << f.Text() << "\n";
        std::cout << audit.Summary();
    }
    if (!check)
        return true;
    bool ok = true;
    if (!audit.Faults.empty() && RuleBreaksFail) {
        std::cerr << "sv-content: " << audit.Faults.size() << " questions break the rules of their collection\n";
        ok = false;
    }
    if (!audit.Open.empty() && AmbiguityHitsFail) {
        std::cerr << "sv-content: " << audit.Open.size() << " ambiguity and wording hits are open\n";
        ok = false;
    }
    if (!audit.Coverage.empty() && CoverageLimitsFail) {
        std::cerr << "sv-content: " << audit.Coverage.size() << " coverage limits are not met\n";
        ok = false;
    }
    return ok;
}

// Text of a file carried in the program (the templates of a new portion).
std::string Embedded(const char* path)
{
    QFile f(QString::fromUtf8(path));
    if (!f.open(QIODevice::ReadOnly))
        throw ESourceError(path, 0, std::string("Cannot open file ") + path);
    return f.readAll().toStdString();
}

// sv-content new: drafts the sources, builds them and says what to do next.
int NewPortion(const std::vector<std::string>& args)
{
    TNewPortionOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size())
            return Usage();
        const std::string& v = args[++i];
        if (a == "--books")
            o.Books = v;
        else if (a == "--module")
            o.Module = v;
        else if (a == "--out")
            o.OutDir = v;
        else
            return Usage();
    }
    if (o.Books.empty() || o.OutDir.empty())
        return Usage();
    o.KnownGroupsText = Embedded(":/portion/wordgroups.tsv");
    o.FormatText = Embedded(":/portion/questions/FORMAT.md");
    const TNewPortionReport r = WriteNewPortion(o, DiathekeSource());
    std::cout << "wrote " << o.OutDir << ": " << r.Chapters << " chapters, " << r.Verses << " verses, " << r.Words
              << " words (" << r.Known << " from the shipped word groups, " << r.ToReview
              << " marked \"# review\" in wordgroups.tsv)\n";
    auto content = Compile(o.OutDir, DiathekeSource());
    const std::string out = (std::filesystem::path(o.OutDir) / "build").string();
    WriteContent(*content, out);
    Report(*content, std::cout);
    std::cout << "wrote " << (std::filesystem::path(out) / "wf.wl").string()
              << ", wf.bk, wf.qs, wf.qid, footnotes.txt, portion.ini\n"
              << "next: review the marked word groups, rename the sections, choose memory passages, write "
                 "questions; \"sv-content check --sources "
              << o.OutDir << "\" says what is missing\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return Usage();
    const std::string cmd = args[0];
    if (cmd == "new") {
        try {
            return NewPortion(std::vector<std::string>(args.begin() + 1, args.end()));
        } catch (const std::exception& e) {
            std::cerr << "sv-content: " << e.what() << "\n";
            return 1;
        }
    }
    std::string sources = "content", out = "build/program", dir = "build/program", textCache;
    bool quiet = false;
    std::vector<std::string> rest;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--sources" || a == "--out" || a == "--dir") && i + 1 < args.size()) {
            (a == "--sources" ? sources : a == "--out" ? out : dir) = args[++i];
        } else if (a == "--text-cache" && i + 1 < args.size()) {
            textCache = args[++i];
        } else if (a == "--quiet") {
            quiet = true;
        } else if (a.starts_with("--")) {
            return Usage();
        } else {
            rest.push_back(a);
        }
    }
    try {
        if (cmd == "build" || cmd == "check") {
            if (!rest.empty())
                return Usage();
            // --text-cache keeps the scripture text beside the built files for later rebuilds.
            auto content =
                Compile(sources, textCache.empty() ? DiathekeSource() : RecordingSource(DiathekeSource(), textCache));
            if (cmd == "build")
                WriteContent(*content, out);
            if (!quiet)
                Report(*content, std::cout);
            if (cmd == "build" && !quiet)
                std::cout << "wrote " << (std::filesystem::path(out) / "wf.wl").string()
                          << ", wf.bk, wf.qs, wf.qid, footnotes.txt, portion.ini\n";
            // Answer words missing from their verses: a warning when building (even quietly),
            // a failure when checking.
            const auto& faults = content->Stats.AnswerWordFaults;
            for (const auto& f : faults)
                std::cerr << (cmd == "build" ? "warning: " : "") << f << "\n";
            if (cmd == "check") {
                if (!faults.empty()) {
                    std::cerr << "sv-content: " << faults.size()
                              << " answer words are not in their cited verses and not explained by \"allow\"\n";
                    return 1;
                }
                std::cout << "answer words: every one is in its cited verses or explained\n";
            }
            if (content->Stats.MemoryPassages == 0)
                std::cout << "no memory passages yet: choose them in memory.yaml; each one brings its quote, "
                             "finish and finish-with-reference questions\n";
            return ReportAudit(content->Stats.Audit, cmd == "check", quiet, content->Stats.AuthoredQuestions) ? 0 : 1;
        }
        if (cmd == "ids") {
            if (!rest.empty())
                return Usage();
            const TIdAssignment a = AssignIds(sources);
            if (!quiet) {
                std::cout << a.Assigned << " questions got an id; next-id is " << a.NextId << "\n";
                for (const auto& f : a.Files)
                    std::cout << "wrote " << f << "\n";
            }
            return 0;
        }
        if (cmd == "show") {
            if (rest.empty())
                return Usage();
            TWords words;
            TBooks books(words);
            TQuestions questions(words, books);
            const std::filesystem::path d(dir);
            words.LoadFromFile((d / "wf.wl").string());
            books.LoadFromFile((d / "wf.bk").string());
            questions.LoadFromFile((d / "wf.qs").string());
            if (rest[0] == "verse" && rest.size() == 2) {
                const TPortion portion = ReadPortion((std::filesystem::path(sources) / "portion.yaml").string());
                std::cout << ShowVerse(books, portion.ParseRef(rest[1], {"command line", 0}));
            } else if (rest[0] == "memory" && rest.size() == 2) {
                const int n = std::stoi(rest[1]);
                if (n < 1 || n > books.TotalMemoryVerses()) {
                    std::cerr << "sv-content: memory passages are numbered 1.." << books.TotalMemoryVerses() << "\n";
                    return 1;
                }
                std::cout << ShowMemory(books, n);
            } else if (rest[0] == "question" && rest.size() == 3) {
                const int c = std::stoi(rest[1]), i = std::stoi(rest[2]);
                if (c < 0 || c > 7 || i < 1 || i > questions.QuestionCount(c)) {
                    std::cerr << "sv-content: collection " << c << " has questions 1.."
                              << (c >= 0 && c <= 7 ? questions.QuestionCount(c) : 0) << "\n";
                    return 1;
                }
                std::cout << ShowQuestion(questions, {c, i});
            } else {
                return Usage();
            }
            return 0;
        }
        return Usage();
    } catch (const ESourceProblems& e) {
        for (const auto& m : e.messages())
            std::cerr << "sv-content: " << m << "\n";
        std::cerr << "sv-content: problems in the sources: " << e.messages().size() << "\n";
    } catch (const ESourceError& e) {
        std::cerr << "sv-content: " << e.what() << "\n";
    } catch (const std::invalid_argument&) {
        std::cerr << "sv-content: expected a number\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "sv-content: " << e.what() << "\n";
    }
    return 1;
}
