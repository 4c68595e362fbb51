#pragma once
// The assistant's personalities: named sets of remarks, one section per comment event, read
// from "personality.txt".
//
// File format: a text file whose empty lines are dropped first (line numbers count the
// non-empty lines only). A header line begins with "[" and contains "=": "[Personality=Name]"
// starts a personality, "[Category=Event]" starts the remarks of one comment event within it.
// Every other line is a remark of the current section, which runs up to the next header line.

#include <string>
#include <vector>

namespace sv {

// Comment events, in file-key order.
enum class TCommentEvent {
    Correct1 = 0,
    Correct3,
    Correct5,
    AllCorrect,
    Incorrect1,
    Incorrect3,
    Incorrect5,
    Quit,
    QuitEarly,
    Goodbye,
};
inline constexpr int CommentEventCount = 10;

// The event's place in a personality's tables and in the file-key order.
constexpr int EventIndex(TCommentEvent event) { return static_cast<int>(event); }

// The event keys used in the file ("Correct1" ... "Goodbye").
const char* CommentEventName(int event);
// The event of an exact key, or -1.
int CommentEventOf(const std::string& name);

struct TPersonality {
    std::string Name;
    int Header[CommentEventCount]; // index of the "[Category=...]" line, -1 when absent
    int Last[CommentEventCount];   // index of the section's last line, -1 when absent
    TPersonality();

    int HeaderOf(TCommentEvent event) const { return Header[EventIndex(event)]; }
    int LastOf(TCommentEvent event) const { return Last[EventIndex(event)]; }
};

struct TPersonalities {
    std::vector<std::string> Lines;  // every non-empty line of the file, from 0
    std::vector<TPersonality> Slots; // 10 at start, grown to Count + 4 when full
    int Count = 0;

    // Parses the lines of a file (line ends "\n" or "\r\n"); empty lines are dropped.
    void Parse(const std::string& fileText);
    // Reads the file when it exists; a missing file gives no personalities.
    void LoadFromFile(const std::string& path);

    // The first personality with exactly this name, or 0.
    int Find(const std::string& name) const;
};

} // namespace sv
