#pragma once
// The exit the person has agreed to. The main window asks its one exit question and then gives
// every window its close request marked as agreed, so that a window whose close would ask a
// quit question of its own (a study session, a game) closes without asking a second time.

#include <QVariant>
#include <QWidget>

namespace sv {

inline constexpr char ExitAgreedProperty[] = "svExitAgreed";

inline void MarkExitAgreed(QWidget& window) { window.setProperty(ExitAgreedProperty, true); }
// True while the window is being closed by an agreed exit.
inline bool ExitAgreed(const QWidget& window) { return window.property(ExitAgreedProperty).toBool(); }

} // namespace sv
