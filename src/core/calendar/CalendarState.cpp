#include "core/calendar/CalendarState.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

bool isInteger(QStringView text, bool allowSign)
{
    if (allowSign && text.startsWith(u'-'))
        text = text.mid(1);
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool isMonthName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'_') && !name.contains(u':');
}

} // namespace

CalendarState CalendarState::defaults()
{
    CalendarState state;
    state.months = {{u"January"_s, 31}, {u"February"_s, 28}, {u"March"_s, 31}, {u"April"_s, 30},
                    {u"May"_s, 31}, {u"June"_s, 30}, {u"July"_s, 31}, {u"August"_s, 31},
                    {u"September"_s, 30}, {u"October"_s, 31}, {u"November"_s, 30}, {u"December"_s, 31}};
    state.startDate = u"2007:1:1"_s;
    state.currentDate = u"2007:1:1"_s;
    return state;
}

bool CalendarState::isDateString(const QString &text)
{
    const QList<QStringView> fields = QStringView(text).split(u':');
    return fields.size() == 3 && isInteger(fields.at(0), true) && isInteger(fields.at(1), false)
        && isInteger(fields.at(2), false);
}

bool CalendarState::load(const QStringList &items)
{
    if (items.isEmpty())
        return false;
    const bool monthsTaken = loadMonths(items.first(items.size() - 1));
    const bool datesTaken = loadDates(items.last());
    return monthsTaken && datesTaken;
}

bool CalendarState::loadMonths(const QStringList &lines)
{
    bool understood = true;
    QList<Month> taken;
    QStringList names; // lower case: names are told apart without regard to case
    for (const QString &line : lines) {
        const qsizetype split = line.indexOf(u';');
        const QString name = line.left(split);
        if (split < 0 || !isMonthName(name) || names.contains(name.toLower())) {
            understood = false;
            continue;
        }
        const QStringList rest = line.mid(split + 1).split(u';');
        bool ok = false;
        int days = rest.first().toInt(&ok);
        if (rest.size() > 1)
            understood = false; // the line is a month all the same: fields after the days are ignored
        if (!ok || days < 0 || days > 32767) {
            days = 0;
            understood = false;
        }
        names << name.toLower();
        taken << Month{name, days};
    }
    if (taken.isEmpty())
        return false;
    months = taken;
    return understood;
}

bool CalendarState::loadDates(const QString &line)
{
    const QStringList dates = line.split(u';');
    bool understood = dates.size() == 2;
    if (isDateString(dates.at(0)))
        startDate = dates.at(0);
    else
        understood = false;
    if (dates.size() > 1 && isDateString(dates.at(1)))
        currentDate = dates.at(1);
    else
        understood = false;
    return understood;
}

QStringList CalendarState::toItems() const
{
    QStringList items;
    items.reserve(months.size() + 1);
    for (const Month &month : months)
        items << month.name + u';' + QString::number(month.days);
    items << startDate + u';' + currentDate;
    return items;
}

QJsonObject CalendarState::toJson() const
{
    QJsonArray monthArray;
    for (const Month &month : months)
        monthArray.append(QJsonObject{{u"name"_s, month.name}, {u"days"_s, month.days}});
    return {{u"months"_s, monthArray}, {u"startDate"_s, startDate}, {u"currentDate"_s, currentDate}};
}

} // namespace Velmora
