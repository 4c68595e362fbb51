#pragma once
// The error boundary of the windows: a slot whose work can fail runs its body through
// Guarded(), which reports an exception through the message service instead of letting it
// reach the event loop (where only the application's last-resort handler would see it).
// A slot that must do more than report (put its window back in order, say) catches itself
// and hands the error to ReportError(); work on another thread keeps its error as an
// exception_ptr and reports it the same way once back on the window's thread.
//
// Windows never show message boxes themselves: every error goes out through here.

#include "shell/Services.h"

#include <exception>
#include <functional>

namespace sv {

// The message service to report through: the one given, else the running main window's;
// nullptr when there is neither.
IMessageService* MessagesOr(IMessageService* given);

// Shows e's text as an error through messages (or the main window's); written to the log when
// there is no message service at all.
void ReportError(const std::exception& e, IMessageService* messages = nullptr);

// The same for an error kept from another thread; nothing happens for a null error.
void ReportError(const std::exception_ptr& error, IMessageService* messages = nullptr);

// Runs body; an exception derived from std::exception is reported as above and goes no
// further. Returns true when body finished without one.
bool Guarded(const std::function<void()>& body, IMessageService* messages = nullptr);

} // namespace sv
