#pragma once
// Errors in the readable content sources. Every message names the source file and line
// ("content/memory.yaml:12: ...") and says which rule or limit was broken.

#include <stdexcept>
#include <string>
#include <vector>

namespace sv::content {

class ESourceError : public std::runtime_error {
public:
    ESourceError(const std::string& file, int line, const std::string& what);
    const std::string& file() const { return m_file; }
    int line() const { return m_line; }

protected:
    struct TWholeText { };
    ESourceError(const std::string& file, int line, const std::string& text, TWholeText);

private:
    std::string m_file;
    int m_line;
};

// Several source errors of one run, reported together: what() holds one message a line, in
// the order they were found.
class ESourceProblems : public ESourceError {
public:
    explicit ESourceProblems(std::vector<std::string> messages, const std::string& file, int line);
    const std::vector<std::string>& messages() const { return m_messages; }

private:
    std::vector<std::string> m_messages;
};

// Collects the source errors of a run so that one run lists them all: each step runs through
// Attempt(), which keeps the error and lets the run go on with the next entry.
class TProblems {
public:
    void Add(const ESourceError& e);
    // Runs step; an ESourceError it throws is kept. False when it threw.
    template <class F>
    bool Attempt(F&& step)
    {
        try {
            step();
            return true;
        } catch (const ESourceError& e) {
            Add(e);
            return false;
        }
    }
    bool Empty() const { return m_messages.empty(); }
    std::size_t Count() const { return m_messages.size(); }
    // Throws every kept error at once.
    void ThrowIfAny() const;

private:
    std::vector<std::string> m_messages;
    std::string m_file;
    int m_line = 0;
};

// Where a piece of source text came from (line 0 means the file as a whole).
struct TSourcePos {
    std::string File;
    int Line = 0;
    [[noreturn]] void fail(const std::string& what) const;
};

// UTF-8 source text to Windows-1252 bytes; a character without a Windows-1252 byte is an
// error naming the character and its code point.
std::string ToWin1252OrFail(const std::string& utf8, const TSourcePos& where);

} // namespace sv::content
