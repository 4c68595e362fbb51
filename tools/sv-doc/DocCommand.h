#pragma once
// The frame of sv-doc: a table of subcommands, each in its own source file, and the context
// every subcommand runs in (the program folder's content files, the user file whose stored
// choices are the defaults of the options, the output file and format).
//
// Adding a subcommand is one registration in its own .cpp (listed in CMakeLists.txt):
//
//   static const sv::doc::TDocCommandRegistration reg{{
//       "memory", "memory verse and prejump lists",
//       {{"underline", "", "underline the prompt words", sv::doc::TOptionKind::Switch}, ...},
//       [](sv::doc::TDocContext& ctx) { ...; ctx.SaveDocument(file, "MEMORY"); return 0; }}};
//
// Every command also gets the common options (--program, --user, --out, --format, --help).

#include "print/DocFile.h"
#include "user/SelectionKind.h"

#include <QCommandLineParser>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace sv {
class TBooks;
class TQuestions;
class TUser;
class TWords;
struct TMaterialChoice;
} // namespace sv

namespace sv::doc {

// A wrong command line: reported with a hint to --help, exit code 2.
class EUsage : public std::runtime_error {
public:
    explicit EUsage(const std::string& what) : std::runtime_error(what) { }
};

enum class TOptionKind {
    Value,  // --name VALUE
    Flag,   // --name alone
    Switch, // --name and --no-name; absent: the user file's stored choice
};

struct TOptionSpec {
    std::string Name;
    std::string ValueName; // Value options: shown in the help, e.g. "N"
    std::string Help;
    TOptionKind Kind = TOptionKind::Value;
};

class TDocContext;

struct TDocCommand {
    std::string Name;
    std::string Summary;
    std::vector<TOptionSpec> Options;
    std::function<int(TDocContext&)> Run;
};

// Adds a command to the table (called by the static registrations before main runs).
void RegisterDocCommand(TDocCommand command);
const std::vector<TDocCommand>& DocCommands();

struct TDocCommandRegistration {
    explicit TDocCommandRegistration(TDocCommand command) { RegisterDocCommand(std::move(command)); }
};

// The common options every command accepts.
const std::vector<TOptionSpec>& CommonOptions();
// --material KIND:ITEMS, for the commands that take material (memoryFrame: no verses kind).
TOptionSpec MaterialOption(bool memoryFrame);

class TDocContext {
public:
    TDocContext(const QCommandLineParser& args, std::string executableDir);
    ~TDocContext();

    // Options. Value() is empty when the option is absent.
    bool Has(const std::string& name) const;
    std::string Value(const std::string& name) const;
    // A switch: --name true, --no-name false, neither storedDefault.
    bool Switch(const std::string& name, bool storedDefault) const;
    // A whole number in lo..hi, or fallback when the option is absent.
    int Number(const std::string& name, int lo, int hi, int fallback) const;
    // The positional arguments after the command name.
    std::vector<std::string> Positional() const;

    // The program folder (--program, else the current folder when it holds the content
    // files, else the build tree's program folder next to this tool).
    const std::string& ProgramDir() const { return m_programDir; }
    // The content files: --portion, else the program folder.
    const std::string& ContentDir() const { return m_contentDir; }
    // The person files of the portion below a Users folder (usersDir ends in "/"): usersDir
    // itself for the program's own portion, usersDir + the portion folder's name + "/" for the
    // portion of --portion.
    std::string PersonDir(const std::string& usersDir) const;
    // The content stores, loaded from the program folder on first use.
    const TWords& Words();
    const TBooks& Books();
    const TQuestions& Questions();
    // The user record of --user (a ".219" file or a name in the program's "Users" folder);
    // the default record when --user is not given.
    TUser& User();

    // --material, else the user record's stored selection (its mode and check marks).
    // memoryFrame: the memory-verse frame (no verses mode).
    TMaterialChoice Material(bool memoryFrame);

    // The output file: --out (the format's extension added when it has none), else
    // defaultName + ".rtf" / ".txt" in the current folder.
    std::string OutPath(const std::string& defaultName) const;
    // --format, else the extension of --out, else RTF.
    TDocFormat Format() const;
    // --text: how a plain-text document is saved (UTF-8 unless "windows").
    TTextEncoding TextEncoding() const;
    // Saves the document and reports the file written on standard output.
    void SaveDocument(const TDocFile& file, const std::string& path) const;

private:
    struct Stores;
    const QCommandLineParser& m_args;
    std::string m_programDir;
    std::string m_contentDir;
    std::unique_ptr<Stores> m_stores;
};

} // namespace sv::doc
