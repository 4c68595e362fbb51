#pragma once
// Goal tasks: a task is a saved description of one study run (material, number of questions,
// practice modes) that the person lines up in a to-do list. TTasks holds the current person's
// tasks; it is kept in a small file of its own beside the user file ("Users/<FileName>.tasks"),
// written whenever the user file is written.
//
// Task file (little-endian): u32 version (1), i32 count, i32 last id, then per task the fields
// of TTaskDef in the order declared below (booleans as one byte 0/1, the material items as 151
// bytes, the details as a u16 length and that many UTF-8 bytes). Nothing may follow the last
// task; a file that breaks any of this is refused whole.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sv {

class TStreamReader;
class TStreamWriter;

// What a task is, as its to-do list item shows it; only the first three have settings.
enum class TTaskKind : std::uint8_t {
    Questions = 0,
    Memory = 1,
    AccordingTo = 2,
    WordStudy = 3,
    ReadScripture = 4,
    UserDefined = 5,
};

// The list item's subject: "Questions", "Memory", "According to"; empty for the others.
const char* TaskSubject(TTaskKind kind);
bool IsStudyTask(TTaskKind kind);

class TTaskDef {
public:
    static constexpr int MaterialItems = 1208;

    // The reset values; the verse-types index is left as it was.
    void Reset();
    // Copies the id, the settings and the material bits (and what the list shows of the task).
    void Assign(const TTaskDef& from) { *this = from; }

    // Bit i (0..1207) of the material items; range error outside.
    bool ItemChosen(int i) const;
    void SetItemChosen(int i, bool chosen);

    std::array<std::uint8_t, MaterialItems / 8> Material{};
    std::int32_t Id = 0;
    bool KeywordFlag = false;      // questions: keyword targeting; memory verses: keywords only
    std::int32_t KeywordWords = 0; // words past the keyword to show
    bool MarkUniques = false;
    std::int32_t VerseTypes = 2; // index of "Verse types" (memory-verse tasks)
    bool AllAvailable = true;
    std::int32_t NumberOfQuestions = 30;
    bool Mixed = false;
    bool Timed = false;
    bool Prejump = false;
    bool PrejumpSpoken = false;
    bool ByChapters = true;
    bool BySections = false;
    bool ByVerses = false;
    bool ByMemoryVerses = false;

    // What the to-do list shows of the task.
    TTaskKind Kind = TTaskKind::Questions;
    std::string Details;        // UTF-8, as typed
    std::int32_t TargetDay = 0; // Julian day numbers; 0 for none
    std::int32_t DueDay = 0;
    std::int32_t Complete = 0; // percent

    bool operator==(const TTaskDef&) const = default;
};

class TTasks {
public:
    static constexpr std::uint32_t FileVersion = 1;

    int Count() const { return static_cast<int>(m_tasks.size()); }
    int LastId() const { return m_lastId; }

    // Gives the task the next id (the highest handed out so far + 1), writes it into task,
    // appends a copy and returns the id.
    int Add(TTaskDef& task);
    // Copies task, with the id kept, into the task with that id (range error when there is
    // none).
    void Replace(int id, const TTaskDef& task);
    // Removes the task with that id (later tasks move down one place); an unknown id is a
    // range error.
    void Delete(int id);
    // The task with that id; range error when there is none.
    TTaskDef& Find(int id);
    const TTaskDef& Find(int id) const;
    bool Contains(int id) const;
    // The tasks in the order added (index 1..Count); range error outside.
    const TTaskDef& At(int index) const;
    void Clear();

    void SaveToStream(TStreamWriter& w) const;
    // Reads a whole task file; on any fault throws ERangeError and leaves the list as it was.
    void LoadFromStream(TStreamReader& r);
    // Atomic save; EFileError "Cannot create file " + path on failure (old file untouched).
    // A file that could not be read and could not be put aside (see LoadFromFile) is never
    // written over: the save leaves it as it is.
    void SaveToFile(const std::string& path) const;
    // A missing file gives an empty list. A damaged file (or one of a newer version) throws
    // ERangeError naming the file, and the list is left empty. So that the next save cannot
    // destroy it, the file is first renamed to path + ".bad", and the message says so; when
    // that name is taken or the rename fails, the file stays and is not written over.
    void LoadFromFile(const std::string& path);

private:
    std::vector<TTaskDef> m_tasks;
    std::int32_t m_lastId = 0;
    std::string m_keepPath; // an unreadable file left in place
};

// "Users/<FileName>.tasks" for the user file of fileName in usersDir (ending in "/"), in UTF-8.
std::string TaskFilePath(const std::string& usersDir, const std::string& fileName);

} // namespace sv
