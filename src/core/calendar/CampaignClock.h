#pragma once

#include "core/calendar/CalendarState.h"
#include "core/calendar/ClockTime.h"
#include "core/calendar/oCalendar.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

namespace Velmora {

/// The campaign's current date and time of day, as the main window's clock shows them: the year,
/// day, hour and minute fields as their texts, the selected month's position in the month list,
/// and AM or PM on a 12-hour dial. The game master moves it by hand; the time never carries into
/// the date. The current month is always a month of the calendar (while it has months).
///
/// The window binds its controls to the setters (what the user types or picks) and to the
/// *Changed signals (what the clock writes). Every change of the day or year field asks for new
/// weather (weatherDue), and so does picking a month unless the updating flag is raised. A change
/// of campaign data emits modified() once per operation; loading emits neither.
class CampaignClock : public QObject
{
    Q_OBJECT

public:
    explicit CampaignClock(QObject *parent = nullptr);

    /// Fills the fields from a campaign without asking for weather or marking anything: the
    /// month list from `calendar`, the start date and current date from `state`, the time. A
    /// current month of 0 or beyond the calendar's months selects the first month.
    void load(const oCalendar &calendar, const CalendarState &state, const ClockTime &time);
    /// The calendar block: the calendar's months, the start date and the current date.
    CalendarState toCalendarState() const;
    ClockTime toClockTime() const;

    /// A new calendar (the wizard's): refills the month list, keeping the selected position when
    /// the new calendar has it and selecting its last month otherwise. Nothing else changes.
    void setCalendar(const oCalendar &calendar);
    /// Selects the first month when none is selected and the calendar has months, without
    /// asking for weather or marking anything (the main window's start-up step).
    void ensureMonthSelected();
    const oCalendar &calendar() const { return m_calendar; }
    QStringList monthNames() const { return m_calendar.MonthNames(); }

    /// The start date as a date string (lblYYYYMMDD) and as shown (lblStartDate: "2007/1/1" after
    /// setStartDate, or the wizard's own text given to setStartDateLabel).
    const QString &startDate() const { return m_startDate; }
    const QString &startDateLabel() const { return m_startDateLabel; }
    void setStartDate(const QString &date);
    void setStartDateLabel(const QString &text);

    const QString &yearText() const { return m_texts[Year]; }
    /// The selected position in the month list; -1 only while the calendar has no month.
    int monthIndex() const { return m_monthIndex; }
    const QString &dayText() const { return m_texts[Day]; }
    const QString &hourText() const { return m_texts[Hour]; }
    const QString &minuteText() const { return m_texts[Minute]; }
    bool isPm() const { return m_pm; }
    /// Year text, ":", month number, ":", the day as a number.
    QString currentDate() const;

    /// What the user types or picks.
    void setYearText(const QString &text);
    void setDayText(const QString &text);
    /// Picking a month: the day is cut to the month's length (day 30 in February gives 28).
    void selectMonth(int index);
    void setHourText(const QString &text);
    void setMinuteText(const QString &text);
    void setPm(bool pm);

    /// The step buttons. A day step (+1 or -1) follows the calendar across months and years.
    void stepDay(int step);
    /// One year on (+1) or back (-1); never below year 1 nor past 32767. True when it changed.
    bool stepYear(int step);
    /// One hour or one minute on or back (exactly one of the two non-zero). The dial turns from
    /// 12 to 1 and back, and that is where AM and PM change: 11:59 PM plus a minute is 12:00 PM,
    /// 12:59 PM plus a minute is 01:00 AM.
    void stepTime(int hourStep, int minuteStep);

    /// Raised while the program itself rewrites the month list: picking a month then neither
    /// asks for weather nor marks the campaign modified.
    bool isUpdating() const { return m_updating; }
    void setUpdating(bool updating) { m_updating = updating; }

signals:
    void monthNamesChanged(const QStringList &names);
    void startDateChanged(const QString &date, const QString &label);
    void yearTextChanged(const QString &text);
    void monthIndexChanged(int index);
    void dayTextChanged(const QString &text);
    void hourTextChanged(const QString &text);
    void minuteTextChanged(const QString &text);
    void pmChanged(bool pm);
    /// The current date changed: roll new weather.
    void weatherDue();
    /// Campaign data changed: mark the campaign modified.
    void modified();

private:
    class Operation;

    void markModified();
    /// 0, or -1 for a calendar without months.
    int firstMonth() const;
    /// The fields kept as their texts.
    enum TextField { Year, Day, Hour, Minute, TextFieldCount };
    /// Writes a field's text and announces it when it changed: a new day or year brings new
    /// weather, and unless the updating flag is raised the campaign is marked modified.
    void write(TextField field, const QString &text);
    void writeMonthIndex(int index);
    void writePm(bool pm);
    int fieldValue(TextField field) const;

    oCalendar m_calendar;
    QString m_startDate;
    QString m_startDateLabel;
    std::array<QString, TextFieldCount> m_texts;
    int m_monthIndex = -1;
    bool m_pm = false;
    bool m_updating = false;
    int m_depth = 0;
    bool m_modifiedPending = false;
};

} // namespace Velmora
