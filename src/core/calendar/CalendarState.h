#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace Velmora {

/// The campaign's calendar as its file keeps it: the months in calendar order, the start date
/// and the clock's current date. The calendar object and the clock are built from this.
struct CalendarState
{
    struct Month
    {
        QString name; ///< unique within the calendar, whatever the letter case; no ";", "_" or ":"
        int days = 0; ///< number of days, 0 to 32767

        bool operator==(const Month &) const = default;
    };

    QList<Month> months; ///< month 1 first
    QString startDate;   ///< date string "year:month:day", kept with its digits as they stand
    QString currentDate; ///< date string of the clock: year text, month position from 1, day

    /// A new campaign: the twelve months of the default calendar (365 days), starting and
    /// standing on 2007:1:1.
    static CalendarState defaults();

    /// Year, month and day as decimal integers joined by ":" ("2007:1:1"; "2007:01:01" too, it
    /// is a date, only one that no calendar day carries).
    static bool isDateString(const QString &text);

    /// Takes the month lines "name;days" and the last line "startDate;currentDate", the way the
    /// calendar takes its month lines: a repeated name is dropped and days that are not a number
    /// give a month of 0 days. A line without ";" or with a name a month cannot have is dropped.
    /// When no month line can be used the months stay as they were (a calendar needs a month);
    /// a date that is not a date string is not taken. Each of these reports false.
    bool load(const QStringList &items);
    QStringList toItems() const;
    QJsonObject toJson() const;

    bool operator==(const CalendarState &) const = default;

private:
    bool loadMonths(const QStringList &lines);
    bool loadDates(const QString &line);
};

} // namespace Velmora
