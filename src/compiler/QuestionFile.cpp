#include "compiler/QuestionFile.h"

#include "common/SaveAtomically.h"
#include "common/Win1252.h"

#include <yaml-cpp/yaml.h>

namespace sv::content {

std::string RefText(const TVerseRef& r, const TPortion& portion)
{
    return portion.Books.at(static_cast<std::size_t>(r.Book - 1)).Key + " " + std::to_string(r.Chapter) + ":"
           + std::to_string(r.Verse);
}

namespace {

std::string Utf8(const std::string& win1252) { return Win1252ToUtf8(win1252); }

void EmitQuestion(YAML::Emitter& out, const TAuthoredQuestion& q, const TPortion& portion)
{
    out << YAML::BeginMap;
    if (q.Id)
        out << YAML::Key << "id" << YAML::Value << q.Id;
    out << YAML::Key << "collection" << YAML::Value << q.Collection;
    if (!q.Also.empty())
        out << YAML::Key << "also" << YAML::Value << YAML::Flow << q.Also;
    out << YAML::Key << "type" << YAML::Value << AuthoredTypeName(q.Type);
    if (!q.Prefix.empty())
        out << YAML::Key << "prefix" << YAML::Value << YAML::DoubleQuoted << Utf8(q.Prefix);
    out << YAML::Key << "question" << YAML::Value << YAML::DoubleQuoted << Utf8(q.Question);
    if (q.Parts.size() == 1) {
        out << YAML::Key << "ref" << YAML::Value << RefText(q.Parts[0].Ref, portion);
        out << YAML::Key << "answer" << YAML::Value << YAML::DoubleQuoted << Utf8(q.Parts[0].Text);
    } else {
        out << YAML::Key << "answer" << YAML::Value << YAML::BeginSeq;
        for (const TAnswerPart& p : q.Parts)
            out << YAML::BeginMap << YAML::Key << "ref" << YAML::Value << RefText(p.Ref, portion) << YAML::Key << "text"
                << YAML::Value << YAML::DoubleQuoted << Utf8(p.Text) << YAML::EndMap;
        out << YAML::EndSeq;
    }
    if (!q.Allow.empty()) {
        out << YAML::Key << "allow" << YAML::Value << YAML::Flow << YAML::BeginSeq;
        for (const std::string& w : q.Allow)
            out << Utf8(w);
        out << YAML::EndSeq;
    }
    if (!q.Reviewed.empty()) {
        out << YAML::Key << "unique" << YAML::Value << YAML::Flow << YAML::BeginMap << YAML::Key << "reviewed"
            << YAML::Value << YAML::BeginSeq;
        for (const TVerseRef& r : q.Reviewed)
            out << RefText(r, portion);
        out << YAML::EndSeq << YAML::EndMap;
    }
    if (!q.WordingReviewed.empty()) {
        out << YAML::Key << "wording" << YAML::Value << YAML::Flow << YAML::BeginMap << YAML::Key << "reviewed"
            << YAML::Value << q.WordingReviewed << YAML::EndMap;
    }
    out << YAML::EndMap;
}

} // namespace

std::string AuthoredTypeName(int type)
{
    for (const char* name : {"other", "according-to", "who", "what", "when", "why", "where", "how", "chapter",
                             "chapter-ma", "chapter-verse", "chapter-verse-ma", "multiple-answer", "context"})
        if (AuthoredTypeCode(name) == type)
            return name;
    return std::to_string(type);
}

std::string QuestionFileText(const std::vector<TAuthoredQuestion>& questions, const TPortion& portion)
{
    if (questions.empty())
        return "[]\n";
    YAML::Emitter out;
    out.SetOutputCharset(YAML::EmitNonAscii);
    out << YAML::BeginSeq;
    for (const TAuthoredQuestion& q : questions)
        EmitQuestion(out, q, portion);
    out << YAML::EndSeq;
    return std::string(out.c_str()) + "\n";
}

void WriteQuestionFile(const std::string& path, const std::vector<TAuthoredQuestion>& questions,
                       const TPortion& portion)
{
    const std::string text = QuestionFileText(questions, portion);
    SaveAtomically(path, std::span<const char>(text.data(), text.size()));
}

} // namespace sv::content
