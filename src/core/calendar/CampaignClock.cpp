#include "core/calendar/CampaignClock.h"

#include "core/common/NumberText.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

// The hour dial: past 12 comes 1, before 1 comes 12, and each of these turns the half of the day.
void turnHour(int &hour, bool &pm, int step)
{
    hour += step;
    if (hour > 12) {
        hour -= 12;
        pm = !pm;
    } else if (hour < 1) {
        hour = 12;
        pm = !pm;
    }
}

// What a change of each text field announces: year, day, hour, minute.
constexpr std::array<void (CampaignClock::*)(const QString &), 4> TextChanged{
    &CampaignClock::yearTextChanged, &CampaignClock::dayTextChanged, &CampaignClock::hourTextChanged,
    &CampaignClock::minuteTextChanged};

} // namespace

/// One user operation: however many fields it changes, the campaign is marked modified once, at
/// its end.
class CampaignClock::Operation
{
public:
    explicit Operation(CampaignClock &clock)
        : m_clock(clock)
    {
        ++m_clock.m_depth;
    }
    ~Operation()
    {
        if (--m_clock.m_depth == 0 && m_clock.m_modifiedPending) {
            m_clock.m_modifiedPending = false;
            emit m_clock.modified();
        }
    }
    Operation(const Operation &) = delete;
    Operation &operator=(const Operation &) = delete;

private:
    CampaignClock &m_clock;
};

CampaignClock::CampaignClock(QObject *parent)
    : QObject(parent)
{
    load(oCalendar::newCampaignCalendar(), CalendarState::defaults(), ClockTime::defaults());
}

void CampaignClock::load(const oCalendar &calendar, const CalendarState &state, const ClockTime &time)
{
    m_calendar = calendar;
    m_startDate = state.startDate;
    m_startDateLabel = oCalendar::FormatDateNumeric(m_startDate);
    const QStringList fields = state.currentDate.split(u':');
    const int month = fields.value(1).toInt();
    m_monthIndex = month >= 1 && month <= m_calendar.NumberOfMonths() ? month - 1 : firstMonth();
    m_texts = {fields.value(0), fields.value(2), time.hour, time.minute};
    m_pm = time.pm;
    m_modifiedPending = false;

    // Everything is announced, changed or not: the window refills its month list from scratch.
    emit monthNamesChanged(monthNames());
    emit monthIndexChanged(m_monthIndex);
    emit startDateChanged(m_startDate, m_startDateLabel);
    for (int field = Year; field < TextFieldCount; ++field)
        emit (this->*TextChanged[field])(m_texts[field]);
    emit pmChanged(m_pm);
}

CalendarState CampaignClock::toCalendarState() const
{
    CalendarState state;
    for (const oMonth &month : m_calendar.Months())
        state.months.append({month.MonthName(), month.NumberOfDays()});
    state.startDate = m_startDate;
    state.currentDate = currentDate();
    return state;
}

ClockTime CampaignClock::toClockTime() const
{
    return ClockTime{m_texts[Hour], m_texts[Minute], m_pm};
}

void CampaignClock::setCalendar(const oCalendar &calendar)
{
    m_calendar = calendar;
    // A shorter calendar keeps the clock as near its month as it has one: on its last month.
    m_monthIndex = m_monthIndex < 0 ? firstMonth() : std::min(m_monthIndex, m_calendar.NumberOfMonths() - 1);
    emit monthNamesChanged(monthNames());
    emit monthIndexChanged(m_monthIndex);
}

void CampaignClock::ensureMonthSelected()
{
    if (m_monthIndex < 0)
        writeMonthIndex(firstMonth());
}

int CampaignClock::firstMonth() const
{
    return m_calendar.NumberOfMonths() > 0 ? 0 : -1;
}

void CampaignClock::setStartDate(const QString &date)
{
    m_startDate = date;
    m_startDateLabel = oCalendar::FormatDateNumeric(date);
    emit startDateChanged(m_startDate, m_startDateLabel);
}

void CampaignClock::setStartDateLabel(const QString &text)
{
    m_startDateLabel = text;
    emit startDateChanged(m_startDate, m_startDateLabel);
}

QString CampaignClock::currentDate() const
{
    // Never month 0, not even from a calendar without months.
    return m_texts[Year] + u':' + QString::number(std::max(m_monthIndex, 0) + 1) + u':'
        + QString::number(fieldValue(Day));
}

void CampaignClock::markModified()
{
    m_modifiedPending = true;
}

void CampaignClock::write(TextField field, const QString &text)
{
    if (text == m_texts[field])
        return;
    m_texts[field] = text;
    emit (this->*TextChanged[field])(text);
    if (field == Year || field == Day)
        emit weatherDue();
    if (!m_updating)
        markModified();
}

// The step buttons read the fields as 16-bit numbers; text that is not a number reads as 0.
int CampaignClock::fieldValue(TextField field) const
{
    return NumberText::leadingInt16(m_texts[field]);
}

void CampaignClock::writeMonthIndex(int index)
{
    if (index == m_monthIndex)
        return;
    m_monthIndex = index;
    emit monthIndexChanged(m_monthIndex);
}

void CampaignClock::writePm(bool pm)
{
    if (pm == m_pm)
        return;
    m_pm = pm;
    emit pmChanged(m_pm);
    if (!m_updating)
        markModified();
}

void CampaignClock::setYearText(const QString &text)
{
    Operation operation(*this);
    write(Year, text);
}

void CampaignClock::setDayText(const QString &text)
{
    Operation operation(*this);
    write(Day, text);
}

void CampaignClock::selectMonth(int index)
{
    const std::optional<int> day = m_calendar.CheckMonthDate(index + 1, fieldValue(Day));
    if (!day)
        return;
    Operation operation(*this);
    writeMonthIndex(index);
    write(Day, QString::number(*day));
    if (!m_updating) {
        emit weatherDue();
        markModified();
    }
}

void CampaignClock::setHourText(const QString &text)
{
    Operation operation(*this);
    write(Hour, text);
}

void CampaignClock::setMinuteText(const QString &text)
{
    Operation operation(*this);
    write(Minute, text);
}

void CampaignClock::setPm(bool pm)
{
    Operation operation(*this);
    writePm(pm);
}

void CampaignClock::stepDay(int step)
{
    Operation operation(*this);
    const QString date = QString::number(fieldValue(Year)) + u':' + QString::number(m_monthIndex + 1) + u':'
        + QString::number(fieldValue(Day));
    const QStringList next = m_calendar.NextDate(date, step).split(u':');
    const bool wasUpdating = m_updating;
    m_updating = true;
    selectMonth(next.at(1).toInt() - 1);
    m_updating = wasUpdating;
    write(Day, next.at(2));
    write(Year, next.at(0));
    markModified();
}

bool CampaignClock::stepYear(int step)
{
    Operation operation(*this);
    const int year = fieldValue(Year);
    int next = year;
    if (step > 0 && year < std::numeric_limits<qint16>::max())
        next = year + 1;
    else if (step < 0 && year > 1)
        next = year - 1;
    if (next == year)
        return false;
    write(Year, QString::number(next));
    markModified();
    return true;
}

void CampaignClock::stepTime(int hourStep, int minuteStep)
{
    if ((hourStep != 0) == (minuteStep != 0))
        return;
    Operation operation(*this);
    int hour = fieldValue(Hour);
    int minute = fieldValue(Minute);
    bool pm = m_pm;
    if (hourStep != 0) {
        turnHour(hour, pm, std::clamp(hourStep, -1, 1));
    } else {
        minute += std::clamp(minuteStep, -1, 1);
        if (minute >= 60) {
            minute = 0;
            turnHour(hour, pm, 1);
        } else if (minute < 0) {
            minute = 59;
            turnHour(hour, pm, -1);
        }
    }
    write(Hour, twoDigits(hour));
    write(Minute, twoDigits(minute));
    writePm(pm);
    markModified();
}

} // namespace Velmora
