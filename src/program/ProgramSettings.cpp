#include "program/ProgramSettings.h"

#include <QSettings>
#include <QTimeZone>

namespace sv {

namespace {
const QDate kDayZero(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
} // namespace

double ToDayNumber(const QDateTime& t)
{
    const QDateTime local = t.toLocalTime();
    const double days = static_cast<double>(kDayZero.daysTo(local.date()));
    return days + local.time().msecsSinceStartOfDay() / kMsPerDay;
}

QDateTime FromDayNumber(double days)
{
    const double whole = days >= 0 ? static_cast<double>(static_cast<long long>(days))
                                   : -static_cast<double>(static_cast<long long>(-days));
    const QDate date = kDayZero.addDays(static_cast<qint64>(whole));
    const int ms = static_cast<int>((days - whole) * kMsPerDay + (days >= 0 ? 0.5 : -0.5));
    return QDateTime(date, QTime(0, 0)).addMSecs(ms);
}

TProgramSettings::TProgramSettings(QString iniPath) : m_path(std::move(iniPath)) { }

void TProgramSettings::Load()
{
    QSettings s(m_path, QSettings::IniFormat);
    UpdateSchedule = static_cast<TSchedule>(s.value(QStringLiteral("Update/Schedule"), 0).toInt());
    NextUpdateDue = s.value(QStringLiteral("Update/NextDue"), 0.0).toDouble();
    UseProxy = s.value(QStringLiteral("Proxy/Use"), false).toBool();
    ProxyServer = s.value(QStringLiteral("Proxy/Server")).toString();
    ProxyUserID = s.value(QStringLiteral("Proxy/UserID")).toString();
    MainWindowGeometry = s.value(QStringLiteral("Window/Geometry")).toByteArray();
    TextForWindows = s.value(QStringLiteral("Documents/TextForWindows"), false).toBool();
    LastUser = s.value(QStringLiteral("User/Last")).toString();
    Portion = s.value(QStringLiteral("Portion/Folder")).toString();
}

bool TProgramSettings::Save() const
{
    QSettings s(m_path, QSettings::IniFormat);
    s.setValue(QStringLiteral("Update/Schedule"), static_cast<int>(UpdateSchedule));
    s.setValue(QStringLiteral("Update/NextDue"), NextUpdateDue);
    s.setValue(QStringLiteral("Proxy/Use"), UseProxy);
    s.setValue(QStringLiteral("Proxy/Server"), ProxyServer);
    s.setValue(QStringLiteral("Proxy/UserID"), ProxyUserID);
    s.setValue(QStringLiteral("Documents/TextForWindows"), TextForWindows);
    s.remove(QStringLiteral("Proxy/Password")); // an older version wrote it here
    if (!MainWindowGeometry.isEmpty())
        s.setValue(QStringLiteral("Window/Geometry"), MainWindowGeometry);
    if (!LastUser.isEmpty())
        s.setValue(QStringLiteral("User/Last"), LastUser);
    if (Portion.isEmpty())
        s.remove(QStringLiteral("Portion/Folder"));
    else
        s.setValue(QStringLiteral("Portion/Folder"), Portion);
    s.sync();
    return s.status() == QSettings::NoError;
}

bool TProgramSettings::ScheduledUpdateDue(bool updateShown, double now) const
{
    return !updateShown && static_cast<int>(UpdateSchedule) > 0 && now > NextUpdateDue;
}

void TProgramSettings::MoveNextUpdateDue(double now)
{
    if (UpdateSchedule == TSchedule::Weekly)
        NextUpdateDue = now + 7;
    else if (UpdateSchedule == TSchedule::Monthly)
        NextUpdateDue = now + 28;
}

} // namespace sv
