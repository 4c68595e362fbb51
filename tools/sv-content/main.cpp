// sv-content: the content compiler.
//
//   sv-content build [--sources DIR] [--out DIR]   sources -> wf.wl, wf.bk, wf.qs, wf.qid,
//                                                  footnotes.txt
//   sv-content check [--sources DIR]               compile and report, write nothing; fails
//                                                  on an unexplained answer word (AnswerCheck.h),
//                                                  a bonus whose parts break its rules, an open
//                                                  ambiguity or wording hit (WordingAudit.h) or
//                                                  an unmet coverage limit (ContentAudit.h)
//   sv-content ids   [--sources DIR]               gives every authored question without an
//                                                  id the next free one, in its source file
//   sv-content show  [--dir DIR] verse "Gal 1:4" | memory N | question C I
//
// Scripture text is read from the installed SWORD module through diatheke.

#include "compiler/Compiler.h"
#include "compiler/IdAssigner.h"
#include "compiler/Show.h"
#include "compiler/SourceError.h"

#include "common/Errors.h"
#include "content/QuestionTypes.h"

#include <QCoreApplication>

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
                 "  sv-content build [--sources DIR] [--out DIR] [--quiet]\n"
                 "  sv-content check [--sources DIR]\n"
                 "  sv-content ids [--sources DIR]\n"
                 "  sv-content show [--dir DIR] [--sources DIR] verse \"Gal 1:4\"\n"
                 "  sv-content show [--dir DIR] memory N\n"
                 "  sv-content show [--dir DIR] question COLLECTION INDEX\n"
                 "DIR defaults: --sources content, --out and --dir build/program\n";
    return 2;
}

void Report(const TCompiledContent& c, std::ostream& os)
{
    const TCompileStats& s = c.Stats;
    os << "verses " << s.Verses << ", sections " << s.Sections << ", memory passages "
       << s.MemoryPassages << ", footnotes " << s.Footnotes << "\n";
    os << "words " << s.SortedWords << " sorted + " << s.ExtraWords << " extra, separators "
       << s.Separators << "\n";
    for (int col = 0; col < 8; ++col)
        os << "collection " << col << " \"" << c.Questions.Data.Collections[col].Name.text() << "\": "
           << s.Questions[static_cast<std::size_t>(col)] << " questions ("
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
bool ReportAudit(const TAuditReport& audit, bool check, bool quiet)
{
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return Usage();
    const std::string cmd = args[0];
    std::string sources = "content", out = "build/program", dir = "build/program";
    bool quiet = false;
    std::vector<std::string> rest;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--sources" || a == "--out" || a == "--dir") && i + 1 < args.size()) {
            (a == "--sources" ? sources : a == "--out" ? out : dir) = args[++i];
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
            auto content = Compile(sources, DiathekeSource());
            if (cmd == "build")
                WriteContent(*content, out);
            if (!quiet)
                Report(*content, std::cout);
            if (cmd == "build" && !quiet)
                std::cout << "wrote " << (std::filesystem::path(out) / "wf.wl").string() << ", wf.bk, wf.qs, wf.qid, footnotes.txt\n";
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
            return ReportAudit(content->Stats.Audit, cmd == "check", quiet) ? 0 : 1;
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
