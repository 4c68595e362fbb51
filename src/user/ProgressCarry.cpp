#include "user/ProgressCarry.h"

#include "common/Errors.h"
#include "common/LeStream.h"
#include "common/SaveAtomically.h"
#include "common/Win1252.h"
#include "user/History.h"
#include "user/Knowledge.h"
#include "user/User.h"

#include <filesystem>
#include <map>
#include <set>

namespace sv {

namespace {

// Where each key and alias of a table stands.
class TKeyIndex {
public:
    explicit TKeyIndex(const TQuestionKeys& keys)
    {
        for (int c = 0; c < MaxCollections; ++c) {
            const auto& col = keys.Collection(c);
            for (std::size_t i = 0; i < col.size(); ++i) {
                const TQuestionAddr at{c, static_cast<int>(i) + 1};
                m_byKey.emplace(std::pair(c, col[i].Key), at);
                m_anyKey.emplace(col[i].Key, at); // the first collection holding it
                if (!col[i].Alias.empty()) {
                    m_byAlias.emplace(std::pair(c, col[i].Alias), at);
                    m_anyAlias.emplace(col[i].Alias, at);
                }
            }
        }
    }
    const TQuestionAddr* Key(int collection, const std::string& key) const
    {
        return Find(m_byKey, std::pair(collection, key));
    }
    const TQuestionAddr* AnyKey(const std::string& key) const { return Find(m_anyKey, key); }
    const TQuestionAddr* Alias(int collection, const std::string& alias) const
    {
        return Find(m_byAlias, std::pair(collection, alias));
    }
    const TQuestionAddr* AnyAlias(const std::string& alias) const { return Find(m_anyAlias, alias); }
    bool HasKey(const std::string& key) const { return m_anyKey.count(key) != 0; }

private:
    template <class M, class K>
    static const TQuestionAddr* Find(const M& map, const K& k)
    {
        const auto it = map.find(k);
        return it == map.end() ? nullptr : &it->second;
    }
    std::map<std::pair<int, std::string>, TQuestionAddr> m_byKey, m_byAlias;
    std::map<std::string, TQuestionAddr> m_anyKey, m_anyAlias;
};

int Offset(TQuestionAddr q) { return q.Collection * TUser::QuestionsPerCollection + (q.Index - 1); }

std::string Plural(int n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

// Keeps a copy of path as path + ".before-" + today, unless that backup exists already.
void KeepOnce(const std::string& path, const std::string& today)
{
    const std::string backup = path + ".before-" + today;
    std::error_code ec;
    if (std::filesystem::exists(backup, ec) || !std::filesystem::exists(path, ec))
        return;
    TStreamReader r = TStreamReader::FromFile(path);
    std::vector<std::uint8_t> bytes(r.size());
    r.readBytes(bytes);
    SaveAtomically(backup, bytes);
}

const char* const CarriedSuffix = ".carried";

// The new files of a carry-over are all written (the table's last) when the table's is there:
// they take the old ones' places, the table last, and user is read again as soon as the user
// file is the new one (so that a later save never writes the old record over it). Otherwise the
// old files are untouched and the new ones that were written are removed.
void FinishInterruptedCarry(const TPersonFiles& files, TUser& user)
{
    std::error_code ec;
    const bool complete = std::filesystem::exists(files.KeysFile + CarriedSuffix, ec);
    for (const std::string& path : {files.HistoryFile, files.UserFile, files.KeysFile}) {
        const std::string carried = path + CarriedSuffix;
        if (!std::filesystem::exists(carried, ec))
            continue;
        if (!complete) {
            std::filesystem::remove(carried, ec);
            continue;
        }
        std::filesystem::rename(carried, path, ec);
        if (ec)
            ThrowCannotCreate(path);
        if (path == files.UserFile)
            user.LoadFromFile(path);
    }
}

} // namespace

TCarryCounts CarryProgress(const TQuestionKeys& from, const TQuestionKeys& to, TUser& user, THistory* history)
{
    const TKeyIndex old(from), now(to);
    const TUser before = user;
    const THistory historyBefore = history ? *history : THistory();
    user.QuestionKnowledge.fill(KnowledgeUntried);
    if (history)
        history->Clear();

    std::set<std::string> newKeys;
    std::set<TQuestionAddr> used; // old places some new question took its results from
    for (int c = 0; c < MaxCollections; ++c) {
        const auto& col = to.Collection(c);
        for (std::size_t i = 0; i < col.size(); ++i) {
            const TQuestionAddr at{c, static_cast<int>(i) + 1};
            const TQuestionKey& k = col[i];
            const TQuestionAddr* src = old.Key(c, k.Key);
            if (!src)
                src = old.AnyKey(k.Key);
            // An alias matches an old question's key or alias, and only one whose key is gone
            // from the new table.
            if (!src && !k.Alias.empty()) {
                for (const TQuestionAddr* candidate :
                     {old.Key(c, k.Alias), old.Alias(c, k.Alias), old.AnyKey(k.Alias), old.AnyAlias(k.Alias)})
                    if (candidate && !now.HasKey(from.At(*candidate).Key)) {
                        src = candidate;
                        break;
                    }
            }
            if (!src) {
                newKeys.insert(k.Key);
                continue;
            }
            used.insert(*src);
            user.QuestionKnowledge[Offset(at)] = before.QuestionKnowledge[Offset(*src)];
            if (history)
                history->At(at) = historyBefore.SetUseCount(*src);
        }
    }
    std::set<std::string> removed;
    for (int c = 0; c < MaxCollections; ++c) {
        const auto& col = from.Collection(c);
        for (std::size_t i = 0; i < col.size(); ++i)
            if (!used.count({c, static_cast<int>(i) + 1}) && !now.HasKey(col[i].Key))
                removed.insert(col[i].Key);
    }
    // A question found again in another copy is not gone.
    for (const TQuestionAddr& u : used)
        removed.erase(from.At(u).Key);
    return {static_cast<int>(newKeys.size()), static_cast<int>(removed.size())};
}

TPersonFiles PersonFilesOf(const std::string& userFile, const std::string& usersDir, const std::string& fileName)
{
    return {userFile, userFile + "h", usersDir + Win1252ToUtf8(fileName) + ".qid"}; // UTF-8 on disk
}

std::string TCarryReport::Message() const
{
    if (Outcome != TCarryOutcome::Carried)
        return {};
    std::string what;
    if (Counts.New > 0)
        what = Plural(Counts.New, "question", "questions") + " new";
    if (Counts.Removed > 0)
        what += (what.empty() ? Plural(Counts.Removed, "question", "questions") : ", " + std::to_string(Counts.Removed))
                + " removed";
    if (what.empty())
        what = "The questions were numbered anew";
    return what + "; your results were kept.";
}

TCarryReport FollowQuestions(const TQuestionKeys& portion, const TPersonFiles& files, TUser& user,
                             const std::string& today)
{
    // An earlier carry-over cut short is finished (or undone) first.
    FinishInterruptedCarry(files, user);
    std::error_code ec;
    if (!std::filesystem::exists(files.KeysFile, ec)) {
        portion.SaveToFile(files.KeysFile);
        return {TCarryOutcome::TableWritten, {}};
    }
    TQuestionKeys mine;
    try {
        mine.LoadFromFile(files.KeysFile);
    } catch (const ERangeError& e) {
        ThrowRange("The question table " + files.KeysFile + " is damaged (" + e.what()
                   + "); your results were left as they are.");
    }
    if (mine.SameQuestions(portion))
        return {TCarryOutcome::Matching, {}};

    const bool hasHistory = std::filesystem::exists(files.HistoryFile, ec);
    THistory history;
    if (hasHistory)
        history.LoadFromFile(files.HistoryFile);
    TUser carried = user;
    const TCarryCounts counts = CarryProgress(mine, portion, carried, hasHistory ? &history : nullptr);

    KeepOnce(files.UserFile, today);
    if (hasHistory)
        KeepOnce(files.HistoryFile, today);
    KeepOnce(files.KeysFile, today);
    // The new files are written whole beside the old ones first, the table last; only then do
    // they take the old ones' places. A carry-over that stops half-way is finished or undone by
    // the next load (FinishInterruptedCarry), never done twice.
    carried.SaveToFile(files.UserFile + CarriedSuffix);
    if (hasHistory)
        history.SaveToFile(files.HistoryFile + CarriedSuffix);
    portion.SaveToFile(files.KeysFile + CarriedSuffix);
    FinishInterruptedCarry(files, user);
    return {TCarryOutcome::Carried, counts};
}

TPortionKeys LoadPortionKeys(const std::string& keysPath, const std::string& questionsPath)
{
    TPortionKeys out;
    std::error_code ec;
    if (!std::filesystem::exists(keysPath, ec))
        return out;
    try {
        TQuestionKeys keys;
        keys.LoadFromFile(keysPath);
        if (keys.Fingerprint != TQuestionKeys::FingerprintOfFile(questionsPath)) {
            out.Problem = "The question table " + keysPath + " was made for other questions than " + questionsPath
                          + "; results are left where they are.";
            return out;
        }
        out.Keys = std::move(keys);
    } catch (const std::exception& e) {
        out.Problem = std::string(e.what()) + "; results are left where they are.";
    }
    return out;
}

} // namespace sv
