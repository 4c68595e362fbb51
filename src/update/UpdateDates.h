#pragma once
// The dates and times of the update control file, in the format the update is configured
// with: a format such as "mm/dd/yyyy" or "dd/mm/yyyy" (fields d, m, y; the year with two or
// four digits) or "hh:nn" / "hh:nn:ss" (fields h, n for minutes, s), and the separator between
// the fields. Every field is one or more digits; a two-digit year below 50 lies in 2000-2049,
// otherwise in 1950-1999. A value that does not fit the format or names no real day or time
// gives std::nullopt.

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace sv {

std::optional<QDate> ParseUpdateDate(const QString& value, const QString& format, QChar separator);
std::optional<QTime> ParseUpdateTime(const QString& value, const QString& format, QChar separator);

} // namespace sv
