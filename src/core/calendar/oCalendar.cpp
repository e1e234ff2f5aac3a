#include "core/calendar/oCalendar.h"

#include "core/calendar/CalendarState.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

std::optional<int> readInt16(QStringView text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return value;
}

} // namespace

QString oCalendar::defaultDefinition()
{
    return u"12;January_31;February_28;March_31;April_30;May_31;June_30;July_31;August_31;"
           u"September_30;October_31;November_30;December_31"_s;
}

oCalendar oCalendar::newCampaignCalendar()
{
    oCalendar calendar;
    calendar.init(defaultDefinition(), defaultStartDate());
    return calendar;
}

oCalendar oCalendar::fromState(const CalendarState &state)
{
    oCalendar calendar;
    calendar.Init_4(state.toItems(), state.startDate);
    return calendar;
}

std::optional<CalendarError> oCalendar::init(const QString &definition, const QString &startDate)
{
    oCalendar built;
    if (std::optional<CalendarError> error = built.parseDefinition(definition))
        return error;
    if (startDate.contains(u':')) {
        built.m_startDate = startDate;
    } else if (std::optional<QString> expanded = ExpandCompactDate(startDate)) {
        built.m_startDate = *expanded;
    } else {
        return CalendarError{CalendarError::Code::BadStartDate,
                             tr("start date \"%1\" is neither a date string nor YYYYMMDD").arg(startDate)};
    }
    built.BuildDayTables();
    *this = std::move(built);
    return std::nullopt;
}

std::optional<CalendarError> oCalendar::parseDefinition(const QString &definition)
{
    const QStringList fields = definition.split(u';');
    const std::optional<int> count = readInt16(fields.first());
    if (!count)
        return CalendarError{CalendarError::Code::CountNotNumber,
                             tr("month count \"%1\" is not a number").arg(fields.first())};
    m_declaredCount = *count;
    for (qsizetype i = 1; i < fields.size(); ++i) {
        oMonth month;
        if (!month.init(fields.at(i)))
            return CalendarError{CalendarError::Code::DaysNotNumber,
                                 tr("month %1 \"%2\": the days are not a number").arg(i).arg(fields.at(i))};
        if (!IsValidMonthName(month.MonthName()))
            return CalendarError{CalendarError::Code::BadMonthName,
                                 tr("month %1 \"%2\": not a month name").arg(i).arg(month.MonthName())};
        if (!appendMonth(month))
            return CalendarError{CalendarError::Code::DuplicateName,
                                 tr("month %1 \"%2\": the name is taken").arg(i).arg(month.MonthName())};
    }
    return std::nullopt;
}

void oCalendar::Init_4(const QStringList &lines, const QString &startDate)
{
    if (!lines.isEmpty()) {
        m_months.clear();
        m_monthIndex.clear();
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QString &line = lines.at(i);
            const qsizetype split = line.indexOf(u';');
            const QString name = line.left(split);
            if (!IsValidMonthName(name))
                continue;
            // Fields after the days are not part of the month.
            const QString days = split < 0 ? QString() : line.mid(split + 1).section(u';', 0, 0);
            oMonth month;
            month.init(name + u'_' + days);
            appendMonth(month);
        }
        m_declaredCount = NumberOfMonths();
    }
    m_startDate = startDate;
    BuildDayTables();
}

bool oCalendar::appendMonth(const oMonth &month)
{
    const QString key = month.MonthName().toCaseFolded();
    if (m_monthIndex.contains(key))
        return false;
    m_monthIndex.insert(key, NumberOfMonths());
    m_months.append(month);
    return true;
}

void oCalendar::BuildDayTables()
{
    m_datesByDayNumber.clear();
    m_dayNumbers.clear();
    qint64 length = 0;
    for (const oMonth &month : std::as_const(m_months))
        length += month.NumberOfDays();
    m_yearLength = int(std::min<qint64>(length, std::numeric_limits<int>::max()));
    const int tableSize = std::min(m_yearLength, MaxDayNumber);
    m_datesByDayNumber.reserve(tableSize);
    m_dayNumbers.reserve(tableSize);

    const QString year = m_startDate.section(u':', 0, 0);
    int dayNumber = 0;
    for (int m = 1; m <= NumberOfMonths() && dayNumber < MaxDayNumber; ++m) {
        const QString prefix = year + u':' + QString::number(m) + u':';
        const int days = m_months.at(m - 1).NumberOfDays();
        for (int d = 1; d <= days && dayNumber < MaxDayNumber; ++d) {
            ++dayNumber;
            QString date = prefix + QString::number(d);
            m_dayNumbers.insert(date, static_cast<qint16>(dayNumber));
            m_datesByDayNumber.append(std::move(date));
        }
    }
}

oCalendar::OrdinalLookup oCalendar::GetOrdinalFromDate(const QString &date) const
{
    const auto found = m_dayNumbers.constFind(date);
    if (found == m_dayNumbers.cend())
        return {0, StatusNoDayNumber};
    return {found.value(), StatusFound};
}

oCalendar::DateLookup oCalendar::GetDateFromOrdinal(int dayNumber) const
{
    if (dayNumber == 0)
        return {QString(), StatusNoDayNumber};
    if (dayNumber < 0 || dayNumber > m_datesByDayNumber.size())
        return {QString(), StatusNoSuchDay};
    return {m_datesByDayNumber.at(dayNumber - 1), StatusFound};
}

QString oCalendar::NextDate(const QString &date, int step) const
{
    const QStringList fields = date.split(u':');
    if (fields.size() != 3)
        return date;
    const std::optional<int> y = readInt16(fields.at(0));
    const std::optional<int> m = readInt16(fields.at(1));
    const std::optional<int> d = readInt16(fields.at(2));
    if (!y || !m || !d)
        return date;
    int year = *y;
    int month = *m;
    int day = *d;
    step = std::clamp(step, -1, 1);
    const int months = NumberOfMonths();
    if (day + step > GetMonthDays(month).value_or(0)) {
        if (++month > months) {
            month = 1;
            ++year;
        }
        day = 1;
    } else if (day + step >= 1) {
        day += step;
    } else {
        if (--month < 1) {
            month = months;
            --year;
        }
        day = GetMonthDays(month).value_or(0);
    }
    if (year < std::numeric_limits<qint16>::min() || year > std::numeric_limits<qint16>::max())
        return date;
    return QString::number(year) + u':' + QString::number(month) + u':' + QString::number(day);
}

std::optional<int> oCalendar::CheckMonthDate(int month, int day) const
{
    const std::optional<int> days = GetMonthDays(month);
    if (!days)
        return std::nullopt;
    return std::min(day, *days);
}

std::optional<QString> oCalendar::GetMonthName(int month) const
{
    if (month < 1 || month > NumberOfMonths())
        return std::nullopt;
    return m_months.at(month - 1).MonthName();
}

std::optional<int> oCalendar::GetMonthDays(int month) const
{
    if (month < 1 || month > NumberOfMonths())
        return std::nullopt;
    return m_months.at(month - 1).NumberOfDays();
}

QString oCalendar::FormatDateNumeric(const QString &date)
{
    return date.split(u':').join(u'/');
}

QString oCalendar::FormatDateWithMonthName(const QString &date) const
{
    const QStringList fields = date.split(u':');
    const QString month = fields.value(1);
    bool ok = false;
    const int number = month.toInt(&ok);
    const QString name = ok ? GetMonthName(number).value_or(QString()) : QString();
    return fields.value(0) + u'/' + name + u'/' + fields.value(2);
}

QStringList oCalendar::MonthNames() const
{
    QStringList names;
    names.reserve(m_months.size());
    for (const oMonth &month : m_months)
        names << month.MonthName();
    return names;
}

QStringList oCalendar::MonthLines() const
{
    QStringList lines;
    lines.reserve(m_months.size());
    for (const oMonth &month : m_months)
        lines << month.MonthName() + u';' + QString::number(month.NumberOfDays());
    return lines;
}

bool oCalendar::IsValidMonthName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u';') && !name.contains(u'_') && !name.contains(u':');
}

std::optional<QString> oCalendar::ExpandCompactDate(const QString &compact)
{
    if (compact.size() != 8)
        return std::nullopt;
    for (QChar c : compact) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    // The year keeps its digits as written; month and day are numbers.
    return compact.left(4) + u':' + QString::number(compact.mid(4, 2).toInt()) + u':'
        + QString::number(compact.mid(6, 2).toInt());
}

} // namespace Velmora
