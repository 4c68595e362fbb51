#pragma once
// TQuitSignals: turns the termination signals (SIGTERM, SIGINT, SIGHUP) into a Qt signal on the
// user-interface thread. The handler only writes the signal number into a pipe; a socket
// notifier reads it inside the event loop, where the program may save and quit normally.

#include <QObject>

class QSocketNotifier;

namespace sv {

class TQuitSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; only one instance may exist at a time.
    explicit TQuitSignals(QObject* parent = nullptr);
    // Restores the default handlers.
    ~TQuitSignals() override;

    TQuitSignals(const TQuitSignals&) = delete;
    TQuitSignals& operator=(const TQuitSignals&) = delete;

Q_SIGNALS:
    // One of the signals arrived (its number).
    void Received(int signal);

private:
    void ReadPipe();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace sv
