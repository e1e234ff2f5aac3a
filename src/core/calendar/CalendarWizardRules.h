#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Velmora {

/// The calendar wizard's rules apart from its widgets: how the month count box is read, which
/// grid row a new month goes into, when the wizard may be accepted, and the texts it hands back
/// (the month lines of the new calendar and the chosen start date in its two forms).
class CalendarWizardRules
{
public:
    /// A month row of the wizard's grid as shown: the name ("" while not filled in) and the
    /// number of days as text.
    struct Row
    {
        QString name;
        QString days;
    };

    /// What an empty or unreadable month count box becomes.
    static constexpr int DefaultMonthCount = 12;

    /// The month count box when it is left: its number, or 12 when it is empty, not a whole
    /// number, or outside 0 to 32767 (the count is 16-bit).
    static int MonthCount(const QString &text);

    /// The row an added month is written into: the selected row (-1 for none), else the first
    /// row without a name; -1 when every row is named and the month needs a new last row.
    static int AddTarget(const QStringList &names, int selectedRow);

    /// Whether the wizard may be accepted: at least one month counted and one month row, no
    /// row without a name, a year, and a month and a day chosen (numbers from 1, 0 for none).
    static bool CanAccept(int monthCount, const QStringList &names, const QString &year, int month, int day);

    /// The first name that a later row repeats (letter case ignored, as the calendar compares
    /// month names), or "" when every month has its own name.
    static QString RepeatedName(const QStringList &names);
    /// The month lines for oCalendar::Init_4: "name;days" for each row in order, then the
    /// chosen start date in compact form, the year and the month and day with two digits each
    /// ("20100305"). The last line is not a month; Init_4 skips it.
    static QStringList MonthLines(const QList<Row> &rows, const QString &year, int month, int day);

    /// "2010:3:5": the year trimmed, month and day without leading zeros.
    static QString DateString(const QString &year, int month, int day);
    /// "March 5, 2010".
    static QString DisplayDate(const QString &monthName, int day, const QString &year);
};

} // namespace Velmora
