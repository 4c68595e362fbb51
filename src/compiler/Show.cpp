#include "compiler/Show.h"

#include "common/Win1252.h"
#include "content/ConcRefs.h"
#include "content/MarkedText.h"
#include "content/QuestionTypes.h"

namespace sv::content {

namespace {
std::string Utf8(const std::string& bytes) { return Win1252ToUtf8(bytes); }

std::string RefText(const TBooks& b, const TVerseRef& r)
{
    return b.BookName(r.Book) + " " + std::to_string(r.Chapter) + ":" + std::to_string(r.Verse);
}

TKeywordTags NoTags()
{
    TKeywordTags t;
    InitKeywordColours(t, 0);
    return t;
}
} // namespace

std::string ShowVerse(const TBooks& books, const TVerseRef& ref)
{
    TConcRefs refs;
    TMarkedText m;
    books.RenderVerse(ref, refs, NoTags(), false, 255, m);
    return Utf8(RefText(books, ref)) + "  " + Utf8(m.Text()) + "\n";
}

std::string ShowMemory(const TBooks& books, int n)
{
    const TMemoryVerse mv = books.MemoryVerse(n);
    std::string out = "Memory passage " + std::to_string(n) + ": " + Utf8(RefText(books, mv.Ref))
                      + (mv.VerseCount > 1 ? "-" + std::to_string(mv.Ref.Verse + mv.VerseCount - 1) : "")
                      + ", prompt words " + std::to_string(mv.Ref.PromptWords) + "\n";
    static const char* modes[] = {"quote", "finish", "finish with reference", "according to"};
    for (int mode = 0; mode <= 2; ++mode) {
        TMarkedText q, a;
        books.ComposeMemoryQuestion(n, mode, NoTags(), a, q, false);
        out += std::string("  [") + modes[mode] + "] Q: " + Utf8(q.Text()) + "\n";
        out += "  " + std::string(std::string(modes[mode]).size() + 2, ' ') + " A: " + Utf8(a.Text()) + "\n";
    }
    return out;
}

std::string ShowQuestion(const TQuestions& questions, TQuestionAddr question)
{
    const TQuestionRec& r = questions.Record(question);
    std::string out = "Collection " + std::to_string(question.Collection) + " \""
                      + Utf8(questions.Collection(question.Collection).Name.text()) + "\", question "
                      + std::to_string(question.Index) + " of "
                      + std::to_string(questions.QuestionCount(question.Collection)) + "\n";
    TQuestionAddr shown = question;
    if (questions.IsPlaceholder(question)) {
        out +=
            "  placeholder of collection " + std::to_string(r.Info) + " question " + std::to_string(r.HomeIndex) + "\n";
        shown = {r.Info, r.HomeIndex};
    }
    const TQuestionRec& h = questions.Record(shown);
    out += "  type " + std::to_string(h.QType) + " \"" + TypeName(h.QType) + "\" " + PreannounceCodes[h.QType]
           + ", collections holding it " + std::to_string(h.DupCount()) + ", prejump words "
           + std::to_string(h.PrejumpWords()) + ", sort key " + std::to_string(h.SortKey) + ", lengths "
           + std::to_string(h.QuestionLength) + "/" + std::to_string(h.AnswerLength) + "\n";
    out += "  references:";
    for (int k = 1; k <= questions.RefCountOf(shown); ++k)
        out += " " + Utf8(RefText(questions.Books(), questions.RefOf(shown, k)));
    out += "\n";
    const std::string prefix = questions.PrefixTextOf(shown);
    if (!prefix.empty())
        out += "  prefix: " + Utf8(prefix) + "\n";
    TMarkedText q, a;
    questions.ComposeQuestion(shown, NoTags(), TComposeOptions{.KeywordTargeting = true}, a, q);
    out += "  Q: " + Utf8(q.Text()) + "\n  A: " + Utf8(a.Text()) + "\n";
    return out;
}

} // namespace sv::content
