#pragma once

#include "core/calendar/DatedLine.h"
#include "core/calendar/MoonRecord.h"
#include "core/calendar/oAgendaEntry.h"
#include "core/calendar/oCalendar.h"
#include "core/calendar/oMoon.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

namespace Velmora {

/// What one agenda control (the Agenda's to-do list or the Almanach's event list) holds: one
/// page per month of the calendar, one row per day, one text per row, the year shown, and the
/// moons with their phase days. The pages show every entry by month and day whatever its year;
/// reading the entries back stamps them all with the year shown.
class AgendaBook
{
    Q_DECLARE_TR_FUNCTIONS(AgendaBook)

public:
    /// The only tab while there is no calendar.
    static QString CalendarNotSetCaption();

    /// Starts over from the stored entries (of two on one date the first is kept), the
    /// calendar's months with the campaign's start date, and the moons. The year shown becomes
    /// the start date's year. Entries outside the calendar are not shown; a calendar without
    /// months shows no pages.
    void init(const QList<DatedLine> &entries, const oCalendar &calendar, const QString &startDate,
              const QList<MoonRecord> &moons);
    /// No calendar, no pages, no moons, no year.
    void clear();

    /// The calendar has months; without, there are no pages.
    bool IsCalendarSet() const { return m_calendar.NumberOfMonths() > 0; }
    /// The start date given to init.
    const QString &StartDate() const { return m_startDate; }
    /// The year shown ("Current year:"); the year entries get when they are read back.
    const QString &CurrentYear() const { return m_year; }
    /// The year buttons: index 1 one year on, index 0 one year back. Nothing happens while the
    /// year is empty or not a number, or would leave 16 bits. True when the year changed.
    bool ScrollYear(int index);
    /// Shows `year` (as the year buttons would, in one step); entries read back get it.
    void SetCurrentYear(const QString &year) { m_year = year; }

    /// The month pages, 1 to PageCount, with their names and numbers of rows (days).
    int PageCount() const { return m_calendar.NumberOfMonths(); }
    QString PageName(int month) const { return m_calendar.GetMonthName(month).value_or(QString()); }
    int RowCount(int month) const { return m_calendar.GetMonthDays(month).value_or(0); }

    /// The text of a day's row ("" for an empty row or one that does not exist).
    QString Text(int month, int day) const;
    /// Commits an edit of a day's row. False when the row does not exist or the text is the same.
    bool SetText(int month, int day, const QString &text);

    /// The filled days, read back from the pages in calendar order and stamped with the year
    /// shown.
    QList<oAgendaEntry> Entries() const;
    /// Entries() as the campaign stores them.
    QList<DatedLine> GetEntries() const;
    /// At least one day has text.
    bool IsThereEntries() const;

    /// The moons, in list order, each with its phase table.
    const QList<oMoon> &Moons() const { return m_moons; }
    /// The phase picture (1 to 8) of a moon's column on a day's row, or 0. Phase days are placed
    /// by month and day whatever year is shown; of two phases on one day the later shows.
    int PhaseAt(int moon, int month, int day) const;

private:
    static qint64 rowKey(int month, int day) { return qint64(month) << 16 | day; }
    bool rowExists(int month, int day) const;
    void place(const oAgendaEntry &entry);

    oCalendar m_calendar;
    QString m_startDate;
    QString m_year;
    QMap<qint64, QString> m_rows; // filled rows only, in calendar order
    QList<oMoon> m_moons;
    QList<QHash<qint64, int>> m_phaseRows; // per moon: row -> phase number
};

} // namespace Velmora
