#include "shell/ErrorBoundary.h"

#include "shell/ProgramShell.h"

#include <QtGlobal>

namespace sv {

IMessageService* MessagesOr(IMessageService* given)
{
    if (given)
        return given;
    IProgramShell* shell = Shell();
    return shell ? &shell->Messages() : nullptr;
}

void ReportError(const std::exception& e, IMessageService* messages)
{
    // Messages of the program are Windows-1252 at most; the system's own are in the locale.
    const QString text = QString::fromLocal8Bit(e.what());
    if (IMessageService* m = MessagesOr(messages))
        m->Error(text);
    else
        qWarning("%s", qPrintable(text));
}

void ReportError(const std::exception_ptr& error, IMessageService* messages)
{
    if (!error)
        return;
    Guarded([&] { std::rethrow_exception(error); }, messages);
}

bool Guarded(const std::function<void()>& body, IMessageService* messages)
{
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        ReportError(e, messages);
        return false;
    }
}

} // namespace sv
