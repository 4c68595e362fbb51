#include "print/SetDocument.h"

#include "content/MarkedText.h"
#include "content/Questions.h"
#include "print/DocFile.h"
#include "print/RtfWriter.h"
#include "print/SetsOfQs.h"

#include <memory>
#include <string>

namespace sv {

int SetPrejumpWords(int typeCode, int prejumpWords)
{
    switch (typeCode) {
    case TypeAccordingTo:
        return 0;
    case TypeContext:
        return NoPrejumpPoint;
    case TypeSituation:
        return prejumpWords + 2; // "Situation question:"
    case TypeBookAndChapter:
        return prejumpWords + 8; // "In what book and chapter is the following:"
    default:
        return prejumpWords;
    }
}

namespace {

constexpr std::string_view OneColumnSection = "\\sect \\sectd \\sbknone\\cols1 ";
constexpr std::string_view TwoColumnSection = "\\sect \\sectd \\sbknone\\cols2 ";

// The title of a part of a set; the heading (if any) and the title start a new page.
void WriteTitle(TDocFile& f, const std::string& heading, const std::string& title)
{
    if (!heading.empty()) {
        f.Write("\\pard\\plain \\s2\\qc\\pagebb \\b\\f3\\fs28\\lang1033 ");
        f.WriteText(heading);
        f.EndLine();
        f.Write("\\par \\pard\\plain \\s3\\qc\\sa240 \\b\\f3\\fs24\\lang1033 ");
    } else {
        f.Write("\\pard\\plain \\s3\\qc\\sa240\\pagebb \\b\\f3\\fs24\\lang1033 ");
    }
    f.WriteText(title);
    f.EndLine();
}

struct TSetWriter {
    TDocFile& File;
    const TSetsOfQs& Sets;
    const TSetDocOptions& Opt;
    const TQuestions& Questions;
    TKeywordTags Tags;
    std::unique_ptr<TMarkedText> Question = std::make_unique<TMarkedText>();
    std::unique_ptr<TMarkedText> Answer = std::make_unique<TMarkedText>();

    void Compose(TQuestionAddr q, bool markUniques)
    {
        Questions.ComposeQuestion(
            q, Tags, TComposeOptions{.WithReferences = true, .MarkUniques = markUniques, .WordsPastKeyword = 999},
            *Answer, *Question);
    }

    void RtfEntry(int set, int place, bool bonus)
    {
        const TSetEntry& e = Sets.Entry(set, place);
        const TQuestionAddr q = TQuestionAddr::FromId(e.Id);
        Compose(q, true);
        TEntryLayout l;
        l.Number = bonus ? place - Opt.TossUps : place;
        l.TypeCode = bonus ? static_cast<unsigned char>(TQuestions::CollectionMark(q.Collection)) : e.TypeCode;
        l.ShowCode = bonus;
        l.Asterisks = Opt.MarkDuplicates ? Questions.DupCount(q) : 0;
        l.UnderlinePrejump = Opt.UnderlinePrejumps;
        l.PrejumpStart = 0;
        l.PrejumpWords = SetPrejumpWords(e.TypeCode, Questions.Record(q).PrejumpWords());
        l.MarkKeywords = Opt.HighlightKeywords;
        l.UseColour = Opt.UseColour;
        l.FirstInColumn = Opt.TwoColumns;
        WriteRtfEntry(File, *Question, *Answer, l);
    }

    void TextEntry(int set, int place, bool bonus)
    {
        const TSetEntry& e = Sets.Entry(set, place);
        const TQuestionAddr q = TQuestionAddr::FromId(e.Id);
        Compose(q, false);
        TEntryLayout l;
        l.Number = bonus ? place - Opt.TossUps : place;
        l.TypeCode = bonus ? static_cast<unsigned char>(TQuestions::CollectionMark(q.Collection)) : e.TypeCode;
        l.ShowCode = bonus;
        WriteTextEntry(File, *Question, *Answer, l);
    }

    void RtfSet(int s)
    {
        const std::string title = "Set #" + std::to_string(s);
        if (Opt.TwoColumns)
            File.Write(s == 1 ? "\\sectd \\sbknone\\cols1 " : "\\sect \\sectd \\sbknone\\cols1 ");
        else if (s > 1)
            File.Write("\\par ");
        WriteTitle(File, Opt.Heading, title + " Toss-ups");
        if (Opt.TwoColumns) {
            File.Write("\\par \\sect \\sectd \\sbknone\\cols2 ");
            File.EndLine();
        }
        for (int p = 1; p <= Opt.TossUps; ++p)
            RtfEntry(s, p, false);
        if (Opt.TossUps >= Opt.QuestionsPerSet)
            return;
        File.Write(Opt.TwoColumns ? OneColumnSection : "\\par ");
        WriteTitle(File, Opt.Heading, title + " Bonuses");
        if (Opt.TwoColumns) {
            File.Write(TwoColumnSection);
            File.EndLine();
        }
        for (int p = Opt.TossUps + 1; p <= Opt.QuestionsPerSet; ++p)
            RtfEntry(s, p, true);
    }

    void TextSet(int s)
    {
        const std::string title = "Set #" + std::to_string(s);
        auto titleLines = [&](const char* part) {
            if (!Opt.Heading.empty()) {
                File.WriteText(Opt.Heading);
                File.EndLine();
            }
            File.WriteText(title + part);
            File.EndLine();
        };
        titleLines(" Toss-ups");
        for (int p = 1; p <= Opt.TossUps; ++p)
            TextEntry(s, p, false);
        if (Opt.TossUps >= Opt.QuestionsPerSet)
            return;
        titleLines(" Bonuses");
        for (int p = Opt.TossUps + 1; p <= Opt.QuestionsPerSet; ++p)
            TextEntry(s, p, true);
    }
};

} // namespace

void WriteSetDocument(TDocFile& file, const TSetsOfQs& sets, const TSetDocOptions& options, const TQuestions& questions)
{
    TSetWriter w{file, sets, options, questions, TKeywordTags("keyword colours")};
    InitKeywordColours(w.Tags, options.HighlightKeywords ? options.KeywordLimit : 0);
    if (file.IsRtf()) {
        WriteQuestionDocHeader(file);
        for (int s = 1; s <= options.Sets; ++s)
            w.RtfSet(s);
        WriteDocTrailer(file, options.TwoColumns ? TTrailer::SectionBreak : TTrailer::Plain);
    } else {
        for (int s = 1; s <= options.Sets; ++s)
            w.TextSet(s);
    }
}

} // namespace sv
