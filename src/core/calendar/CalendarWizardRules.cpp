#include "core/calendar/CalendarWizardRules.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Velmora {

void CalendarWizardRules::load(const oCalendar &calendar)
{
    m_rows.clear();
    for (const oMonth &month : calendar.Months())
        m_rows.append({month.MonthName(), QString::number(month.NumberOfDays())});
    m_selected = -1;
}

QStringList CalendarWizardRules::names() const
{
    QStringList names;
    for (const Row &row : m_rows)
        names << row.name;
    return names;
}

void CalendarWizardRules::select(int row)
{
    m_selected = row >= 0 && row < m_rows.size() ? row : -1;
}

void CalendarWizardRules::setMonthCount(const QString &text)
{
    m_rows.resize(MonthCount(text));
    select(m_selected);
}

void CalendarWizardRules::add(const QString &name, const QString &days)
{
    int row = m_selected >= 0 ? m_selected : int(names().indexOf(QString()));
    if (row < 0) {
        row = int(m_rows.size());
        m_rows.append(Row());
    }
    m_rows[row] = {name.trimmed(), QString::number(std::min(days.toInt(), int(oMonth::MaxDays)))};
    m_selected = -1;
}

void CalendarWizardRules::moveSelected(int step)
{
    const int target = m_selected + step;
    if (m_selected < 0 || target < 0 || target >= m_rows.size())
        return;
    m_rows.swapItemsAt(m_selected, target);
    m_selected = target;
}

void CalendarWizardRules::removeSelected()
{
    if (m_selected < 0)
        return;
    m_rows.removeAt(m_selected);
    // Nothing stays selected, so the next Add cannot overwrite a neighbour by surprise.
    m_selected = -1;
}

void CalendarWizardRules::clear()
{
    // The count follows the emptied list instead of going back to 12: twelve counted months
    // over no rows made every Add a thirteenth month, and twelve empty rows kept OK disabled.
    m_rows.clear();
    m_selected = -1;
}

bool CalendarWizardRules::canAdd(const QString &name, const QString &days)
{
    return !name.trimmed().isEmpty() && !days.isEmpty();
}

bool CalendarWizardRules::canAccept(const QString &year, int month, int day) const
{
    return monthCount() >= 1 && !names().contains(QString()) && !year.trimmed().isEmpty() && month >= 1 && day >= 1;
}

QStringList CalendarWizardRules::namedMonths() const
{
    QStringList named = names();
    named.removeAll(QString());
    return named;
}

int CalendarWizardRules::daysOf(const QString &name) const
{
    const qsizetype row = name.isEmpty() ? -1 : names().indexOf(name);
    return row < 0 ? 0 : m_rows.at(row).days.toInt();
}

QString CalendarWizardRules::repeatedName() const
{
    QSet<QString> seen;
    for (const Row &row : m_rows) {
        const QString key = row.name.trimmed().toCaseFolded();
        if (seen.contains(key))
            return row.name;
        seen.insert(key);
    }
    return QString();
}

QStringList CalendarWizardRules::monthLines(const QString &year, int month, int day) const
{
    QStringList lines;
    for (const Row &row : m_rows)
        lines << row.name + u';' + row.days;
    lines << year.trimmed() + u"%1%2"_s.arg(month, 2, 10, QChar(u'0')).arg(day, 2, 10, QChar(u'0'));
    return lines;
}

oCalendar CalendarWizardRules::newCalendar(const QString &year, int month, int day, const QString &startDate) const
{
    oCalendar calendar;
    calendar.Init_4(monthLines(year, month, day), startDate);
    return calendar;
}

int CalendarWizardRules::MonthCount(const QString &text)
{
    bool ok = false;
    const int count = text.trimmed().toInt(&ok);
    return ok && count >= 0 && count <= 32767 ? count : DefaultMonthCount;
}

QString CalendarWizardRules::DateString(const QString &year, int month, int day)
{
    return u"%1:%2:%3"_s.arg(year.trimmed(), QString::number(month), QString::number(day));
}

QString CalendarWizardRules::DisplayDate(const QString &monthName, int day, const QString &year)
{
    // One pass, so a "%" in a month name stays as written.
    return u"%1 %2, %3"_s.arg(monthName, QString::number(day), year.trimmed());
}

} // namespace Velmora
