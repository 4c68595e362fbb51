#include "update/UpdateDates.h"

#include <QStringList>

namespace sv {

namespace {

// Splits value along format; each field letter (first letter of a format part, in lower case)
// with its number. false when the parts do not match or a part is not a number.
bool Fields(const QString& value, const QString& format, QChar separator, QList<QPair<QChar, int>>& out,
            QList<int>* widths = nullptr)
{
    const QStringList parts = value.trimmed().split(separator);
    const QStringList names = format.split(separator);
    if (parts.size() != names.size())
        return false;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString part = parts[i].trimmed();
        if (part.isEmpty() || part.size() > 4 || names[i].isEmpty())
            return false;
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        out.append({names[i].at(0).toLower(), part.toInt()});
        if (widths)
            widths->append(static_cast<int>(part.size()));
    }
    return true;
}

} // namespace

std::optional<QDate> ParseUpdateDate(const QString& value, const QString& format, QChar separator)
{
    QList<QPair<QChar, int>> fields;
    QList<int> widths;
    if (!Fields(value, format, separator, fields, &widths))
        return std::nullopt;
    int day = -1, month = -1, year = -1;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const auto& [letter, number] = fields[i];
        if (letter == QLatin1Char('d'))
            day = number;
        else if (letter == QLatin1Char('m'))
            month = number;
        else if (letter == QLatin1Char('y'))
            year = widths[i] <= 2 ? (number < 50 ? 2000 + number : 1900 + number) : number;
        else
            return std::nullopt;
    }
    const QDate date(year, month, day);
    if (day < 0 || month < 0 || year < 0 || !date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> ParseUpdateTime(const QString& value, const QString& format, QChar separator)
{
    QList<QPair<QChar, int>> fields;
    if (!Fields(value, format, separator, fields))
        return std::nullopt;
    int hour = -1, minute = 0, second = 0;
    for (const auto& [letter, number] : fields) {
        if (letter == QLatin1Char('h'))
            hour = number;
        else if (letter == QLatin1Char('n'))
            minute = number;
        else if (letter == QLatin1Char('s'))
            second = number;
        else
            return std::nullopt;
    }
    if (!QTime::isValid(hour, minute, second))
        return std::nullopt;
    return QTime(hour, minute, second);
}

} // namespace sv
