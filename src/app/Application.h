#pragma once
// The application object: routes every error that escapes an event handler (a range error in
// a command, say) to the general error handler, which shows it; the program keeps running.

#include <QApplication>

namespace sv {

class IMessageService;

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    void SetErrorReporter(IMessageService* messages) { m_messages = messages; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    IMessageService* m_messages = nullptr;
};

} // namespace sv
