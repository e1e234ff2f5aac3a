#pragma once

#include "core/calendar/oMonth.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace Velmora {

struct CalendarState;

/// Why a calendar definition string was refused; the calendar is then left as it was.
struct CalendarError
{
    enum class Code {
        CountNotNumber, ///< the first field, the month count, is not a whole number
        DaysNotNumber,  ///< a month has no "_" or its days are not a number from 0 to 32767
        BadMonthName,   ///< a month name is empty or holds ":"
        DuplicateName,  ///< two months share a name (letter case ignored)
        BadStartDate,   ///< the start date has no ":" and is not the eight digits YYYYMMDD
    };

    Code code;
    QString detail; ///< which field, for tests and debugging
};

/// The campaign calendar: named months of fixed length (no leap years, no weekdays) and the
/// campaign's start date. It turns date strings ("2007:1:1": year, month number from 1, day)
/// into day numbers of the start date's year and back, both through tables built once per
/// calendar, so a conversion never walks the months.
///
/// Day number 1 is day 1 of month 1 of the start year; dates of any other year, and dates
/// written otherwise than the tables write them ("2007:01:01"), have no day number. Day numbers
/// are 16-bit: days of the year past 32767 have none.
class oCalendar
{
    Q_DECLARE_TR_FUNCTIONS(oCalendar)

public:
    /// Status of a lookup.
    static constexpr int StatusFound = 0;
    static constexpr int StatusNoDayNumber = 99; ///< the date has no day number, or day number 0
    static constexpr int StatusNoSuchDay = 98;   ///< the day number is outside the year
    static constexpr int MaxDayNumber = 32767;

    struct OrdinalLookup
    {
        int dayNumber = 0;
        int status = StatusNoDayNumber;
    };
    struct DateLookup
    {
        QString date;
        int status = StatusNoSuchDay;
    };

    /// The twelve months of a new campaign (365 days).
    static QString defaultDefinition();
    static QString defaultStartDate() { return QStringLiteral("2007:1:1"); }
    /// A new campaign's calendar: the default definition starting on 2007:1:1.
    static oCalendar newCampaignCalendar();
    /// The calendar a campaign file keeps: its month lines and start date, built with Init_4.
    static oCalendar fromState(const CalendarState &state);

    /// Builds the months from a definition string ("12;January_31;...;December_31"), keeps the
    /// start date (the compact "20070305" becomes "2007:3:5") and builds the day tables. Refused,
    /// leaving the calendar as it was, when the count or a month's days are not numbers, a name
    /// is empty or holds ":", two names are equal, or a start date without ":" is not 8 digits.
    std::optional<CalendarError> init(const QString &definition, const QString &startDate);
    /// Builds the months from month lines "name;days", every line but the last (the last holds
    /// the dates), keeps startDate as it stands and builds the day tables. A line whose name is
    /// already taken or breaks the name rules is dropped; days that are not a number give 0 days.
    /// An empty array keeps the months and renews only the start date and the tables.
    void Init_4(const QStringList &lines, const QString &startDate);

    OrdinalLookup GetOrdinalFromDate(const QString &date) const;
    DateLookup GetDateFromOrdinal(int dayNumber) const;
    /// The sum of the month lengths (at most the largest int).
    int YearLenght() const { return m_yearLength; }
    /// The date one day after (step +1) or before (step -1) `date`, written as plain decimal.
    /// A date that is not three 16-bit whole numbers, or a step that would take the year out of
    /// 16 bits, gives `date` back unchanged. Other steps count as their sign.
    QString NextDate(const QString &date, int step) const;
    /// `day`, or the month's length when day is larger; std::nullopt for a month not in the
    /// calendar.
    std::optional<int> CheckMonthDate(int month, int day) const;
    int NumberOfMonths() const { return int(m_months.size()); }
    /// std::nullopt for a month number outside 1 to NumberOfMonths.
    std::optional<QString> GetMonthName(int month) const;
    std::optional<int> GetMonthDays(int month) const;

    /// "2007:1:1" as "2007/1/1".
    static QString FormatDateNumeric(const QString &date);
    /// "2007:1:1" as "2007/January/1" (an empty name for a month not in the calendar).
    QString FormatDateWithMonthName(const QString &date) const;

    const QString &StartDate() const { return m_startDate; }
    /// The month count the last definition string declared (the month count after Init_4).
    int DeclaredMonthCount() const { return m_declaredCount; }
    const QList<oMonth> &Months() const { return m_months; }
    QStringList MonthNames() const;
    /// One "name;days" line per month, in calendar order.
    QStringList MonthLines() const;
    /// Not empty, and none of ";", "_", ":".
    static bool IsValidMonthName(const QString &name);
    /// "20070305" as "2007:3:5"; std::nullopt unless the text is eight digits.
    static std::optional<QString> ExpandCompactDate(const QString &compact);

private:
    std::optional<CalendarError> parseDefinition(const QString &definition);
    bool appendMonth(const oMonth &month);
    void BuildDayTables();

    QList<oMonth> m_months;
    QHash<QString, int> m_monthIndex; // case-folded name -> position in m_months
    int m_declaredCount = 0;
    int m_yearLength = 0;
    QString m_startDate;
    QStringList m_datesByDayNumber;    // day number - 1 -> date string
    QHash<QString, qint16> m_dayNumbers; // date string -> day number
};

} // namespace Velmora
