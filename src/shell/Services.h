#pragma once
// Platform services the windows use, behind small interfaces so that tests can put scripted
// substitutes in their place: message boxes, the shell's "open", announcements and the clock;
// and the set of services the main window hands to its children (TPlatformServices).

#include <QDateTime>
#include <QString>

namespace sv {

// Standard message boxes. The texts are the program's messages; "\r" in a message starts a
// new line.
class IMessageService {
public:
    virtual ~IMessageService() = default;
    // Warning with the button OK.
    virtual void Warning(const QString& text) = 0;
    // Error box (the application's error handler and failed files).
    virtual void Error(const QString& text) = 0;
    // Confirmation with the buttons Yes and No; true for Yes.
    virtual bool Confirm(const QString& text) = 0;
    // Information with the button OK.
    virtual void Information(const QString& text) = 0;
    // A message without icon, with the button OK.
    virtual void Message(const QString& text) = 0;
};

// The desktop's "open" of documents, web addresses and text files.
class IShell {
public:
    virtual ~IShell() = default;
    // Opens a document with the program registered for it; false when no program on this
    // computer could be started for it.
    virtual bool OpenDocument(const QString& path) = 0;
    // Opens a web address in the default browser.
    virtual void OpenUrl(const QString& url) = 0;
    // Shows a text file in the desktop's text viewer.
    virtual void OpenTextFile(const QString& path) = 0;
};

// Says a short text to the quizzer through the desktop's screen reader (a new question, the
// grade, the time running out) without moving the keyboard focus.
class IAnnouncer {
public:
    virtual ~IAnnouncer() = default;
    virtual void Announce(const QString& text) = 0;
};

// Local time from the system clock.
class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime Now() const = 0;
};

class IRandom;
class ISoundPlayer;
class ISpeechEngine;

// The platform services the main window and its children use (not owned).
struct TPlatformServices {
    IMessageService* Messages = nullptr;
    IShell* Shell = nullptr;
    IClock* Clock = nullptr;
    ISpeechEngine* Speech = nullptr;
    ISoundPlayer* Sound = nullptr;
    IRandom* Random = nullptr;
    // Null until the main window has made its status line, which speaks for it.
    IAnnouncer* Announcer = nullptr;
};

} // namespace sv
