#include "app/Application.h"

#include "shell/ErrorBoundary.h"

#include <exception>

namespace sv {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("The Scrivolt"));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        // The last resort: a window slot reports its own errors through the error boundary;
        // what still escapes to the event loop is shown the same way.
        ReportError(e, m_messages);
    }
    return false;
}

} // namespace sv
