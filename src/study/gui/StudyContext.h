#pragma once
// What the study windows (set-up dialogs and session) reach of the program: the program-wide
// objects and the main window's services, gathered once so that the main window and the
// tests can hand them over alike.

#include "common/Random.h"

#include <functional>

class QWidget;

namespace sv {

class IAnnouncer;
class IMessageService;
class ISessionTimers;
class ISessionVoice;
class TAccToList;
class TBibleForm;
class TBooks;
class TMVList;
class TQsList;
class TQuestions;
class TUser;

struct TStudyContext {
    TUser* User = nullptr;
    const TBooks* Books = nullptr;
    const TQuestions* Questions = nullptr;
    TQsList* QsList = nullptr;
    TMVList* MVList = nullptr;
    TAccToList* AccToList = nullptr;
    IMessageService* Messages = nullptr;
    // Speaks what a quizzer who cannot see the window must hear; null says nothing.
    IAnnouncer* Announcer = nullptr;
    ISessionVoice* Voice = nullptr;
    IRandom* Random = nullptr;
    // The session's timers; null means real timers of the user-interface thread.
    ISessionTimers* Timers = nullptr;

    // Main window messages.
    std::function<void()> DialogOpen; // UM_DIALOGOPEN
    std::function<void()> CommandsOn; // UM_COMMANDSON
    // Writes the person's study results to disk (the session calls it when it closes).
    std::function<void()> SaveResults;
    // Shows a window as a child of the main window at the bottom right of its client area;
    // noCloseBox leaves the title bar without a close button (help only).
    std::function<void(QWidget* window, bool noCloseBox)> OpenChild;
    // The program's help at a context number.
    std::function<void(int context)> ShowHelp;
    // Opens a word-study window (null when there is none to open).
    std::function<TBibleForm*()> OpenWordStudy;
    // Sets (a lip picture) or clears (nullptr) the main window's active lips.
    std::function<void(QWidget* lip)> SetActiveLip;
};

} // namespace sv
