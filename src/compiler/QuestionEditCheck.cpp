#include "compiler/QuestionEditCheck.h"

#include "compiler/WordingAudit.h"

#include <algorithm>

namespace sv::content {

namespace {

// The file name the question under edit is compiled under, so its findings can be told apart.
const char* const kDraftFile = "(this question)";

// "(this question):3: message" -> "message"
std::string WithoutPosition(const std::string& text)
{
    const std::string head = std::string(kDraftFile) + ":";
    if (text.rfind(head, 0) != 0)
        return text;
    const std::size_t colon = text.find(": ", head.size());
    return colon == std::string::npos ? text : text.substr(colon + 2);
}

bool IsDraft(const TSourcePos& pos) { return pos.File == kDraftFile; }

} // namespace

bool CanSave(const std::vector<TEditFinding>& findings)
{
    return std::none_of(findings.begin(), findings.end(),
                        [](const TEditFinding& f) { return f.Level == EFindingLevel::Error; });
}

TQuestionEditCheck::TQuestionEditCheck(TSourceSet sources, TScriptureSource scripture)
    : m_sources(std::move(sources)), m_scripture(std::move(scripture))
{ }

std::vector<TEditFinding> TQuestionEditCheck::Check(const TAuthoredQuestion& edited) const
{
    std::vector<TEditFinding> errors, warnings;
    const auto error = [&](const std::string& m) { errors.push_back({EFindingLevel::Error, m}); };
    const auto warn = [&](const std::string& m) { warnings.push_back({EFindingLevel::Warning, m}); };

    if (edited.Question.find_first_not_of(" \t") == std::string::npos)
        error("The question has no text.");
    if (edited.Parts.empty())
        error("The question has no answer.");
    for (const TAnswerPart& p : edited.Parts)
        if (p.Text.find_first_not_of(" \t") == std::string::npos)
            error("An answer part has no text.");
    if (!errors.empty())
        return errors;

    TAuthoredQuestion q = edited;
    q.Pos = {kDraftFile, 1};
    for (std::size_t i = 0; i < q.Parts.size(); ++i)
        q.Parts[i].Pos = {kDraftFile, 2 + static_cast<int>(i)};
    TSourceSet set = m_sources;
    if (q.Id != 0)
        set.Authored.erase(std::remove_if(set.Authored.begin(), set.Authored.end(),
                                          [&](const TAuthoredQuestion& a) { return a.Id == q.Id; }),
                           set.Authored.end());
    set.Authored.push_back(q);

    const TScriptureSource cached = [this](const std::string& module, const std::string& key, const std::string& format,
                                           const std::string& options) {
        const std::string k = module + '\n' + key + '\n' + format + '\n' + options;
        const std::lock_guard lock(m_textLock);
        auto it = m_text.find(k);
        if (it == m_text.end())
            it = m_text.emplace(k, m_scripture(module, key, format, options)).first;
        return it->second;
    };
    std::unique_ptr<TCompiledContent> compiled;
    try {
        compiled = Compile(set, cached);
    } catch (const ESourceError& e) {
        error(WithoutPosition(e.what()));
        return errors;
    }
    const TCompileStats& stats = compiled->Stats;
    for (const std::string& f : stats.AnswerWordFaults)
        if (f.rfind(kDraftFile, 0) == 0)
            warn(WithoutPosition(f));
    for (const TAuditFinding& f : stats.Audit.Faults)
        if (IsDraft(f.Pos))
            error(f.Message);
    for (const TAuditFinding& f : stats.Audit.Open)
        if (IsDraft(f.Pos))
            warn(f.Message);
    errors.insert(errors.end(), warnings.begin(), warnings.end());
    return errors;
}

} // namespace sv::content
