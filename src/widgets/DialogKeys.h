#pragma once
// Enter and Escape in a dialog that lives as a child window (where Qt's own dialog keys do not
// apply): Enter presses the default button when it is enabled, Escape presses Cancel.

class QAbstractButton;
class QKeyEvent;

namespace sv {

// True when the key was Enter or Escape without modifiers (keypad allowed) and was handled;
// the caller passes every other key on.
bool HandleDialogKeys(QKeyEvent* event, QAbstractButton* defaultButton, QAbstractButton* cancelButton);

} // namespace sv
