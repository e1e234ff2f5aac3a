#pragma once

#include "core/calendar/oCalendar.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Velmora {

/// The calendar wizard's month list apart from its widgets: the month rows in calendar order,
/// the month count, the selected row, what Add, Up, Down, Remove and Clear do to them, when the
/// buttons and the wizard may be used, and what the wizard hands back (the new calendar and the
/// chosen start date in its two forms).
class CalendarWizardRules
{
public:
    /// A month row as shown: the name ("" while not filled in) and the number of days as text.
    struct Row
    {
        QString name;
        QString days;

        bool operator==(const Row &) const = default;
    };

    /// What an empty or unreadable month count box becomes.
    static constexpr int DefaultMonthCount = 12;

    /// The months of `calendar`, counted, none selected.
    void load(const oCalendar &calendar);

    const QList<Row> &rows() const { return m_rows; }
    /// The rows' names in order, "" for a row not filled in.
    QStringList names() const;
    /// The month count: every counted month has its row.
    int monthCount() const { return int(m_rows.size()); }
    /// The selected row, -1 for none.
    int selectedRow() const { return m_selected; }

    /// A click on a row (or -1: no row). A row that does not exist selects none.
    void select(int row);
    /// The month count box when it is left: its number, or 12 when it is empty, not a whole
    /// number or outside 0 to 32767. The rows follow: empty rows are added at the end, or rows
    /// dropped from the end.
    void setMonthCount(const QString &text);
    /// Add: the month goes into the selected row, else into the first row without a name, else
    /// into a new last row, which is counted. The name is trimmed; days beyond 16 bits are the
    /// longest month a calendar holds. Nothing stays selected.
    void add(const QString &name, const QString &days);
    /// Up (-1) or Down (+1): the selected row changes place with its neighbour and stays
    /// selected; the first month stays first, the last stays last.
    void moveSelected(int step);
    /// Removes the selected row from the list and the count; nothing stays selected.
    void removeSelected();
    /// Empties the list and its count: the next Add makes month 1.
    void clear();

    /// Add needs a name and a number of days.
    static bool canAdd(const QString &name, const QString &days);
    /// Up, Down and Remove need a selected row.
    bool canMoveOrRemove() const { return m_selected >= 0; }
    /// OK needs at least one month counted and one month row, no row without a name, a year,
    /// and a month and a day chosen (numbers from 1, 0 for none).
    bool canAccept(const QString &year, int month, int day) const;

    /// The named rows' names, in order: the months the start date may be chosen in.
    QStringList namedMonths() const;
    /// The days of the first row of that name, the one a calendar keeps when names repeat; 0
    /// for a name no row has.
    int daysOf(const QString &name) const;
    /// The first name that a later row repeats (letter case ignored, as the calendar compares
    /// month names), or "" when every month has its own name.
    QString repeatedName() const;

    /// The calendar of the rows under `startDate`: a row whose name an earlier row has is
    /// dropped.
    oCalendar newCalendar(const QString &year, int month, int day, const QString &startDate) const;

    /// The month count box read as a number: 12 when it cannot be read.
    static int MonthCount(const QString &text);
    /// "2010:3:5": the year trimmed, month and day without leading zeros.
    static QString DateString(const QString &year, int month, int day);
    /// "March 5, 2010".
    static QString DisplayDate(const QString &monthName, int day, const QString &year);

private:
    /// The month lines for oCalendar::Init_4: "name;days" for each row in order, then the
    /// chosen start date in compact form, the year and the month and day with two digits each
    /// ("20100305"). The last line is not a month; Init_4 skips it.
    QStringList monthLines(const QString &year, int month, int day) const;

    QList<Row> m_rows;
    int m_selected = -1;
};

} // namespace Velmora
