#pragma once
// What the print windows (question sets and lists, memory verse list, scripture portion,
// concordance) reach of the program: the program-wide objects and the main window's
// services, gathered once so that the main window and the tests hand them over alike.

#include "print/DocFile.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace sv {

class IMessageService;
class IProgramShell;
class IRandom;
class IShell;
class ISaveDialog;
class TBooks;
class TQuestions;
class TUser;
class TWords;

// The file chosen in a save dialog; an empty path when the dialog was cancelled.
struct TSaveChoice {
    QString Path;
    bool Rtf = true; // "Formatted output (RTF)" was the chosen filter
};

struct TPrintContext {
    TUser* User = nullptr;
    const TWords* Words = nullptr;
    const TBooks* Books = nullptr;
    const TQuestions* Questions = nullptr;
    IMessageService* Messages = nullptr;
    IShell* Shell = nullptr;
    // The random source of the builds; null means a generator seeded from the clock.
    IRandom* Random = nullptr;
    // The content folder of the portion open, ending in "/" ("footnotes.txt" is read from it).
    std::string ProgramDir;
    // How plain-text documents are saved (the program setting "plain text for Windows").
    TTextEncoding TextEncoding = TTextEncoding::Utf8;

    // The platform's save dialog, shared by the print windows; null means nothing is saved.
    ISaveDialog* SaveDialog = nullptr;
    // The set history file of the current person (the user file's path + "h").
    std::function<std::string()> HistoryPath;
    // Main window messages and services.
    std::function<void()> CommandsOn; // UM_COMMANDSON
    std::function<void(QWidget* window)> OpenChild;
    std::function<void(int context)> ShowHelp;
};

// The context of a print window opened from the main window: the program-wide objects, the
// person's set history, and the main window's services; saveDialog is shared by the windows
// that were given it. Random stays null: builds and lists run on worker threads, so each
// window seeds its own generator rather than share the program's with the interface thread.
TPrintContext PrintContextOf(IProgramShell& main, ISaveDialog* saveDialog);

// Asks the context's save dialog for a document file: the window's caption, the default name
// (e.g. "MYSETS"), default extension "rtf", the filters "Formatted output (RTF)" and
// "Text-only output". An empty path when the person cancelled (or there is no dialog).
TSaveChoice AskDocumentFile(const TPrintContext& context, const QString& caption, const QString& defaultName);

// The end of every document command: the finished document's message, then the desktop's
// "open" on Yes.
enum class TDocumentKind;
void OfferToOpen(const TPrintContext& context, TDocumentKind kind, const QString& path);

} // namespace sv
