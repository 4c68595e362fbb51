#include "editor/QuestionEditing.h"

#include "compiler/QuestionFile.h"

#include "content/QuestionTypes.h"

#include <algorithm>

namespace sv::content {

const std::vector<int>& EditableTypes()
{
    static const std::vector<int> types = [] {
        std::vector<int> t;
        for (const char* name : {"other", "according-to", "who", "what", "when", "why", "where", "how", "chapter",
                                 "chapter-ma", "chapter-verse", "chapter-verse-ma", "multiple-answer", "context"})
            t.push_back(*AuthoredTypeCode(name));
        return t;
    }();
    return types;
}

TQuestionEditing::TQuestionEditing(const std::string& sourcesDir, std::string coachDir, std::string buildDir,
                                   TScriptureSource scripture)
    : m_coach(ReadSourceSet(sourcesDir), std::move(coachDir)), m_portion(m_coach.Sources().Portion),
      m_buildDir(std::move(buildDir)), m_scripture(std::move(scripture))
{
    Changed();
}

void TQuestionEditing::Changed() { m_check = std::make_unique<TQuestionEditCheck>(m_coach.Sources(), m_scripture); }

int TQuestionEditing::IdOfKey(const std::string& key)
{
    if (!key.starts_with("id "))
        return 0;
    try {
        return std::stoi(key.substr(3));
    } catch (const std::exception&) {
        return 0;
    }
}

std::optional<TQuestionFields> TQuestionEditing::FieldsOf(int id) const
{
    const TAuthoredQuestion* q = id ? m_coach.Find(id) : nullptr;
    if (!q)
        return std::nullopt;
    TQuestionFields f;
    f.Id = q->Id;
    f.Collection = q->Collection;
    f.Also = q->Also;
    f.Type = q->Type;
    f.Prefix = q->Prefix;
    f.Question = q->Question;
    for (const TAnswerPart& p : q->Parts)
        f.Parts.push_back({RefText(p.Ref, Portion()), p.Text});
    f.Allow = q->Allow;
    f.Reviewed = q->Reviewed;
    f.WordingReviewed = q->WordingReviewed;
    return f;
}

TQuestionFields TQuestionEditing::NewQuestionOn(const TVerseRef& ref) const
{
    TQuestionFields f;
    f.Parts.push_back({RefText(ref, Portion()), {}});
    return f;
}

bool TQuestionEditing::CanDelete(int id) const
{
    return id && std::any_of(m_coach.Own().begin(), m_coach.Own().end(), [&](const TAuthoredQuestion& q) {
               return q.Id == id;
           });
}

std::pair<TAuthoredQuestion, std::vector<TEditFinding>> TQuestionEditing::Compose(const TQuestionFields& f) const
{
    std::vector<TEditFinding> errors;
    const auto error = [&](const std::string& m) { errors.push_back({EFindingLevel::Error, m}); };
    TAuthoredQuestion q;
    q.Id = f.Id;
    q.Collection = f.Collection;
    q.Also = f.Also;
    q.Type = f.Type;
    q.Prefix = f.Prefix;
    q.Question = f.Question;
    q.Allow = f.Allow;
    q.Reviewed = f.Reviewed;
    q.WordingReviewed = f.WordingReviewed;
    const auto inRange = [](int c) { return c >= 0 && c < MaxCollections; };
    if (!inRange(f.Collection))
        error("The collection must be one of 0 to " + std::to_string(MaxCollections - 1) + ".");
    for (const int c : f.Also)
        if (!inRange(c) || c == f.Collection)
            error("A copy must go to another collection, one of 0 to " + std::to_string(MaxCollections - 1) + ".");
    for (std::size_t i = 0; i < f.Parts.size(); ++i) {
        const std::string where = "answer part " + std::to_string(i + 1);
        try {
            q.Parts.push_back({Portion().ParseRef(f.Parts[i].Ref, {where, 0}), f.Parts[i].Text, {}});
        } catch (const ESourceError& e) {
            error("The verse of " + where + " (\"" + f.Parts[i].Ref + "\") is not in the portion.");
        }
    }
    return {std::move(q), std::move(errors)};
}

std::vector<TEditFinding> TQuestionEditing::Check(const TQuestionFields& fields) const { return CheckJob(fields)(); }

std::function<std::vector<TEditFinding>()> TQuestionEditing::CheckJob(const TQuestionFields& fields) const
{
    auto [q, findings] = Compose(fields);
    return [check = m_check, q = std::move(q), findings = std::move(findings)] {
        return findings.empty() ? check->Check(q) : findings;
    };
}

int TQuestionEditing::Save(const TQuestionFields& fields)
{
    auto [q, errors] = Compose(fields);
    if (!errors.empty())
        throw ESourceError("(this question)", 0, errors.front().Message);
    int id = q.Id;
    if (id)
        m_coach.Replace(q);
    else
        id = m_coach.Add(std::move(q));
    m_coach.Save();
    Changed();
    return id;
}

bool TQuestionEditing::Delete(int id)
{
    if (!m_coach.Remove(id))
        return false;
    m_coach.Save();
    Changed();
    return true;
}

std::vector<std::string> TQuestionEditing::Import(const std::string& path)
{
    std::vector<std::string> errors = m_coach.Import(path, m_scripture);
    if (errors.empty()) {
        m_coach.Save();
        Changed();
    }
    return errors;
}

void TQuestionEditing::Export(const std::string& path) const { WriteQuestionFile(path, m_coach.Own(), Portion()); }

TRebuildJob TQuestionEditing::Rebuild() const
{
    return [sources = m_coach.Sources(), scripture = m_scripture, out = m_buildDir] {
        return RebuildContent(sources, scripture, out);
    };
}

} // namespace sv::content
