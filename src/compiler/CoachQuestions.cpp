#include "compiler/CoachQuestions.h"

#include "compiler/QuestionFile.h"

#include "common/Errors.h"
#include "common/SaveAtomically.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace sv::content {

namespace fs = std::filesystem;

TCoachQuestions::TCoachQuestions(TSourceSet shipped, std::string coachDir)
    : m_shipped(std::move(shipped)), m_dir(std::move(coachDir))
{
    if (fs::exists(FilePath()))
        m_own = ReadQuestionFile(FilePath(), m_shipped.Portion);
    std::ifstream next(NextIdPath());
    int stored = 0;
    if (next >> stored)
        m_nextId = std::max(m_nextId, stored);
    for (const auto& q : m_own)
        if (q.Id >= m_nextId)
            m_nextId = q.Id + 1;
}

std::string TCoachQuestions::FilePath() const { return (fs::path(m_dir) / "questions" / "local.yaml").string(); }

std::string TCoachQuestions::NextIdPath() const { return (fs::path(m_dir) / "questions" / "next-id").string(); }

TSourceSet TCoachQuestions::Sources() const
{
    TSourceSet s = m_shipped;
    for (const auto& q : m_own) {
        const auto same = std::find_if(s.Authored.begin(), s.Authored.end(),
                                       [&](const TAuthoredQuestion& a) { return a.Id && a.Id == q.Id; });
        if (same != s.Authored.end())
            *same = q;
        else
            s.Authored.push_back(q);
    }
    s.Portion.NextId = std::max(s.Portion.NextId, m_nextId);
    return s;
}

const TAuthoredQuestion* TCoachQuestions::Find(int id) const
{
    for (const auto* list : {&m_own, &m_shipped.Authored})
        for (const auto& q : *list)
            if (q.Id == id)
                return &q;
    return nullptr;
}

int TCoachQuestions::Add(TAuthoredQuestion q)
{
    q.Id = m_nextId++;
    m_own.push_back(std::move(q));
    return m_own.back().Id;
}

void TCoachQuestions::Replace(const TAuthoredQuestion& q)
{
    const auto own = std::find_if(m_own.begin(), m_own.end(), [&](const TAuthoredQuestion& a) { return a.Id == q.Id; });
    if (own != m_own.end())
        *own = q;
    else
        m_own.push_back(q);
}

bool TCoachQuestions::Remove(int id)
{
    const auto before = m_own.size();
    m_own.erase(std::remove_if(m_own.begin(), m_own.end(), [&](const TAuthoredQuestion& a) { return a.Id == id; }),
                m_own.end());
    return m_own.size() != before;
}

std::vector<std::string> TCoachQuestions::Import(const std::string& path, const TScriptureSource& scripture)
{
    TCoachQuestions trial = *this;
    try {
        for (TAuthoredQuestion& q : ReadQuestionFile(path, m_shipped.Portion)) {
            if (q.Id) {
                trial.Replace(q);
                trial.m_nextId = std::max(trial.m_nextId, q.Id + 1);
            } else {
                trial.Add(std::move(q));
            }
        }
        const auto compiled = Compile(trial.Sources(), scripture);
        std::vector<std::string> errors;
        for (const TAuditFinding& f : compiled->Stats.Audit.Faults)
            if (f.Pos.File == path)
                errors.push_back(f.Text());
        if (!errors.empty())
            return errors;
    } catch (const std::exception& e) {
        return {e.what()};
    }
    *this = std::move(trial);
    return {};
}

void TCoachQuestions::Save() const
{
    std::error_code ec;
    fs::create_directories(fs::path(FilePath()).parent_path(), ec);
    WriteQuestionFile(FilePath(), m_own, m_shipped.Portion);
    const std::string next = std::to_string(m_nextId) + "\n";
    SaveAtomically(NextIdPath(), std::span<const char>(next.data(), next.size()));
}

TRebuildResult RebuildContent(const TSourceSet& sources, const TScriptureSource& scripture, const std::string& outDir)
{
    TRebuildResult r;
    std::unique_ptr<TCompiledContent> compiled;
    try {
        compiled = Compile(sources, scripture);
    } catch (const std::exception& e) {
        r.Problem = e.what();
        return r;
    }
    // Written beside the folder first, so the files in use are replaced only by complete ones.
    const fs::path staging = fs::path(outDir).concat(".new");
    try {
        fs::remove_all(staging);
        WriteContent(*compiled, staging.string());
        for (const char* name : {"wf.wl", "wf.bk", "wf.qs", "wf.qid", "footnotes.txt", PortionFileName})
            fs::rename(staging / name, fs::path(outDir) / name);
        fs::remove_all(staging);
    } catch (const std::exception& e) {
        r.Problem = e.what();
        return r;
    }
    r.Built = true;
    r.Warnings = compiled->Stats.Warnings;
    return r;
}

} // namespace sv::content
