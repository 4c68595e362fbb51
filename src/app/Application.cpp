#include "app/Application.h"

#include "shell/Services.h"

#include <cstdio>
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
        if (m_messages)
            m_messages->Error(QString::fromStdString(e.what()));
        else
            std::fprintf(stderr, "%s\n", e.what());
    }
    return false;
}

} // namespace sv
