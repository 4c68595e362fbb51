#pragma once
// TStatusAnnouncer: announcements through a status line, in the manner of a live region. The
// text is shown in the line (for those who see the screen) and the line tells the desktop's
// accessibility bridge that its name changed and that it carries an alert, which screen
// readers speak without the focus moving. An empty text is not announced.

#include "shell/Services.h"

#include <QPointer>

class QLabel;

namespace sv {

class TStatusAnnouncer final : public IAnnouncer {
public:
    // status is the line that speaks; it is not owned and may go before the announcer.
    explicit TStatusAnnouncer(QLabel* status);
    void Announce(const QString& text) override;

private:
    QPointer<QLabel> m_status;
};

} // namespace sv
