#include "goals/Tasks.h"

#include "common/Errors.h"
#include "common/LeStream.h"
#include "common/Win1252.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace sv {

const char* TaskSubject(TTaskKind kind)
{
    switch (kind) {
    case TTaskKind::Questions:
        return "Questions";
    case TTaskKind::Memory:
        return "Memory";
    case TTaskKind::AccordingTo:
        return "According to";
    case TTaskKind::WordStudy:
        return "Word study";
    case TTaskKind::ReadScripture:
        return "Read scripture";
    case TTaskKind::UserDefined:
        return "User-defined";
    }
    return "";
}

bool IsStudyTask(TTaskKind kind)
{
    return kind == TTaskKind::Questions || kind == TTaskKind::Memory || kind == TTaskKind::AccordingTo;
}

void TTaskDef::Reset()
{
    Material.fill(0);
    Id = 0;
    KeywordFlag = false;
    KeywordWords = 0;
    MarkUniques = false;
    AllAvailable = true;
    NumberOfQuestions = 30;
    Mixed = Timed = Prejump = PrejumpSpoken = false;
    ByChapters = true;
    BySections = ByVerses = ByMemoryVerses = false;
}

bool TTaskDef::ItemChosen(int i) const
{
    if (i < 0 || i >= MaterialItems)
        ThrowIndex("task material item", i, 0, MaterialItems - 1);
    return (Material[static_cast<std::size_t>(i / 8)] >> (i % 8)) & 1;
}

void TTaskDef::SetItemChosen(int i, bool chosen)
{
    if (i < 0 || i >= MaterialItems)
        ThrowIndex("task material item", i, 0, MaterialItems - 1);
    auto& byte = Material[static_cast<std::size_t>(i / 8)];
    const auto bit = static_cast<std::uint8_t>(1u << (i % 8));
    byte = static_cast<std::uint8_t>(chosen ? (byte | bit) : (byte & ~bit));
}

int TTasks::Add(TTaskDef& task)
{
    task.Id = ++m_lastId;
    m_tasks.push_back(task);
    return task.Id;
}

void TTasks::Replace(int id, const TTaskDef& task)
{
    TTaskDef& target = Find(id);
    target.Assign(task);
    target.Id = id;
}

void TTasks::Delete(int id)
{
    const auto it = std::find_if(m_tasks.begin(), m_tasks.end(), [id](const TTaskDef& t) { return t.Id == id; });
    if (it == m_tasks.end())
        ThrowRange("Range check error: no task with id " + std::to_string(id));
    m_tasks.erase(it);
}

bool TTasks::Contains(int id) const
{
    return std::any_of(m_tasks.begin(), m_tasks.end(), [id](const TTaskDef& t) { return t.Id == id; });
}

TTaskDef& TTasks::Find(int id)
{
    for (TTaskDef& t : m_tasks)
        if (t.Id == id)
            return t;
    ThrowRange("Range check error: no task with id " + std::to_string(id));
}

const TTaskDef& TTasks::Find(int id) const { return const_cast<TTasks*>(this)->Find(id); }

const TTaskDef& TTasks::At(int index) const
{
    if (index < 1 || index > Count())
        ThrowIndex("tasks", index, 1, Count());
    return m_tasks[static_cast<std::size_t>(index - 1)];
}

void TTasks::Clear()
{
    m_tasks.clear();
    m_lastId = 0;
    m_keepPath.clear();
}

namespace {

constexpr std::size_t MinTaskBytes = 193; // a task with empty details

template <class Io>
void TaskFields(Io& io, auto& t)
{
    io.bytes(t.Material);
    io.i32(t.Id);
    io.flag(t.KeywordFlag);
    io.i32(t.KeywordWords);
    io.flag(t.MarkUniques);
    io.i32(t.VerseTypes);
    io.flag(t.AllAvailable);
    io.i32(t.NumberOfQuestions);
    io.flag(t.Mixed);
    io.flag(t.Timed);
    io.flag(t.Prejump);
    io.flag(t.PrejumpSpoken);
    io.flag(t.ByChapters);
    io.flag(t.BySections);
    io.flag(t.ByVerses);
    io.flag(t.ByMemoryVerses);
    io.kind(t.Kind);
    io.text(t.Details);
    io.i32(t.TargetDay);
    io.i32(t.DueDay);
    io.i32(t.Complete);
}

struct TTaskWriter {
    TStreamWriter& w;
    void bytes(const std::array<std::uint8_t, 151>& a) { w.writeBytes(a); }
    void i32(std::int32_t v) { w.i32(v); }
    void flag(bool v) { w.u8(v ? 1 : 0); }
    void kind(TTaskKind k) { w.u8(static_cast<std::uint8_t>(k)); }
    void text(const std::string& s)
    {
        if (s.size() > 0xFFFF)
            ThrowRange("Range check error: task details of " + std::to_string(s.size()) + " bytes");
        w.u16(static_cast<std::uint16_t>(s.size()));
        w.writeBytes(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()));
    }
};

struct TTaskReader {
    TStreamReader& r;
    void bytes(std::array<std::uint8_t, 151>& a) { r.readBytes(a); }
    void i32(std::int32_t& v) { v = r.i32(); }
    void flag(bool& v)
    {
        const std::uint8_t b = r.u8();
        if (b > 1)
            ThrowRange("a flag of " + std::to_string(b) + " at offset " + std::to_string(r.position() - 1));
        v = b == 1;
    }
    void kind(TTaskKind& k)
    {
        const std::uint8_t b = r.u8();
        if (b > static_cast<std::uint8_t>(TTaskKind::UserDefined))
            ThrowRange("an unknown task kind " + std::to_string(b));
        k = static_cast<TTaskKind>(b);
    }
    void text(std::string& s)
    {
        const std::uint16_t n = r.u16();
        s.assign(n, '\0');
        r.readBytes(std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(s.data()), n));
    }
};

} // namespace

void TTasks::SaveToStream(TStreamWriter& w) const
{
    w.u32(FileVersion);
    w.i32(Count());
    w.i32(m_lastId);
    TTaskWriter io{w};
    for (const TTaskDef& t : m_tasks)
        TaskFields(io, t);
}

void TTasks::LoadFromStream(TStreamReader& r)
{
    const std::uint32_t version = r.u32();
    if (version != FileVersion)
        ThrowRange("version " + std::to_string(version) + " is not known");
    const std::int32_t count = r.i32();
    const std::int32_t lastId = r.i32();
    // Every task takes at least MinTaskBytes, so a count beyond the file is refused before any
    // memory is reserved for it.
    if (count < 0 || static_cast<std::size_t>(count) > r.remaining() / MinTaskBytes || lastId < 0)
        ThrowRange("a count of " + std::to_string(count) + " tasks does not fit the file");
    std::vector<TTaskDef> tasks(static_cast<std::size_t>(count));
    TTaskReader io{r};
    for (TTaskDef& t : tasks) {
        TaskFields(io, t);
        if (t.Id < 1 || t.Id > lastId)
            ThrowRange("a task id " + std::to_string(t.Id) + " outside 1.." + std::to_string(lastId));
    }
    if (!r.atEnd())
        ThrowRange(std::to_string(r.remaining()) + " bytes after the last task");
    m_tasks = std::move(tasks);
    m_lastId = lastId;
}

void TTasks::SaveToFile(const std::string& path) const
{
    if (!m_keepPath.empty() && path == m_keepPath)
        return;
    TStreamWriter w;
    SaveToStream(w);
    w.saveToFile(path);
}

void TTasks::LoadFromFile(const std::string& path)
{
    Clear();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return;
    try {
        TStreamReader r = TStreamReader::FromFile(path);
        LoadFromStream(r);
    } catch (const EFileError&) {
        throw;
    } catch (const std::exception& e) {
        // The unreadable file is put aside (or left alone), never written over by the next save.
        const std::string aside = path + ".bad";
        std::string kept;
        if (!std::filesystem::exists(aside, ec)) {
            std::filesystem::rename(path, aside, ec);
            if (!ec)
                kept = "it is kept as " + aside;
        }
        if (kept.empty()) {
            m_keepPath = path;
            kept = "it is left as it is and not written over";
        }
        ThrowRange("The task list " + path + " is damaged (" + e.what() + "); " + kept
                   + ", and the list starts empty.");
    }
}

std::string TaskFilePath(const std::string& usersDir, const std::string& fileName)
{
    return usersDir + Win1252ToUtf8(fileName) + ".tasks"; // file names on disk are UTF-8
}

} // namespace sv
