#include "shell/StatusAnnouncer.h"

#include <QAccessible>
#include <QLabel>

namespace sv {

TStatusAnnouncer::TStatusAnnouncer(QLabel* status) : m_status(status)
{
    if (m_status)
        m_status->setAccessibleDescription(QStringLiteral("Announcements"));
}

void TStatusAnnouncer::Announce(const QString& text)
{
    if (!m_status || text.trimmed().isEmpty())
        return;
    // The line's name is the announcement: setting it tells the bridge of the change, again
    // for the same text twice in a row ("Right." after "Right.").
    m_status->setAccessibleName(text);
    m_status->setText(text);
    QAccessibleEvent alert(m_status.data(), QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace sv
