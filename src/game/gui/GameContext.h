#pragma once
// What the game windows reach of the program: the study context (user, stores, the game's
// own working lists, messages, voice, timers, help, word study) and the sounds and
// placement only the game uses. The registration and the tests fill it alike.

#include "study/gui/StudyContext.h"

#include <QtGlobal>

#include <functional>

class QWidget;

namespace sv {

struct TGameContext {
    // QsList and MVList are the game's own lists; CommandsOn is the main window's
    // UM_COMMANDSON, sent by the game window when it closes.
    TStudyContext Study;
    std::function<void()> StopSound;
    std::function<void()> PlayWagerSound;
    // Shows a window as a child of the main window, centred in its client area; noCloseBox
    // leaves its title bar without a close button.
    std::function<void(QWidget* window, bool noCloseBox)> OpenCentred;
};

} // namespace sv
