#pragma once
// Program-wide settings (not per person): the update reminder, the proxy server and the main
// window's place on the screen. Stored in "settings.ini" in the program folder; they survive
// restarts.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace sv {

// Days since 1899-12-30, the fractional part the time of day (local time).
double ToDayNumber(const QDateTime& t);
QDateTime FromDayNumber(double days);

class TProgramSettings {
public:
    // The update reminder's schedule; its number is stored and is the schedule box's row.
    enum class TSchedule : int { None = 0, Weekly = 1, Monthly = 2 };

    explicit TProgramSettings(QString iniPath);

    TSchedule UpdateSchedule = TSchedule::None;
    double NextUpdateDue = 0; // day number (see ToDayNumber)
    bool UseProxy = false;
    QString ProxyServer;
    QString ProxyUserID;
    // Kept for this run of the program only: it is never written to the settings file (the
    // update keeps it in the desktop's keyring).
    QString ProxyPassword;
    // The main window's size, position and maximised state (QWidget::saveGeometry); empty
    // until the program was first closed.
    QByteArray MainWindowGeometry;
    // Plain-text documents are saved as Windows-1252 with CR LF line ends, for Windows
    // machines, rather than as UTF-8.
    bool TextForWindows = false;
    // The file name of the person chosen last, preselected in the user selection.
    QString LastUser;
    // The content folder of the portion last chosen; empty for the shipped portion.
    QString Portion;

    void Load();
    // Returns false when the file could not be written.
    bool Save() const;
    const QString& Path() const { return m_path; }

    // The start-up check: a reminder is due when none was shown yet in this start-up, a
    // schedule is set and now is later than NextUpdateDue.
    bool ScheduledUpdateDue(bool updateShown, double now) const;
    // Moves NextUpdateDue to now + 7 days (weekly) or now + 28 days (monthly).
    void MoveNextUpdateDue(double now);

private:
    QString m_path;
};

} // namespace sv
