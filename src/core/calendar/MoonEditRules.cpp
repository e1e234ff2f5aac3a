#include "core/calendar/MoonEditRules.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace Velmora {

QString MoonEditRules::DateSelectionTitle()
{
    return tr("Date Selection");
}

QString MoonEditRules::EarlierDateMessage()
{
    return tr("Please select an earlier date.") + u"\r\n"_s + tr("Date allows a full previous period to happen.");
}

QString MoonEditRules::PeriodTooShortMessage()
{
    return tr("Period lenght allows a full previous period") + u"\r\n"_s + tr("to happen for date selected.")
        + u"\r\n"_s + tr("Please select an earlier date or a longer period.");
}

int MoonEditRules::ReadPeriod(const QString &periodText)
{
    if (periodText.isEmpty())
        return 0;
    bool ok = false;
    const qint64 value = periodText.toLongLong(&ok);
    if (ok)
        return int(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max() - 1));
    const bool digits = std::all_of(periodText.cbegin(), periodText.cend(),
                                    [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? std::numeric_limits<int>::max() - 1 : 0;
}

int MoonEditRules::AddOne(const QString &periodText)
{
    return std::min(ReadPeriod(periodText) + 1, MaxPeriod);
}

MoonEditRules::PeriodStep MoonEditRules::SubstractOne(const QString &periodText, int selectedDay)
{
    const int period = std::max(ReadPeriod(periodText) - 1, MinPeriod);
    if (selectedDay > period)
        return {selectedDay + 1, true};
    return {period, false};
}

MoonEditRules::DayCheck MoonEditRules::CheckDay(int day, int period)
{
    if (day < period)
        return {true, false, day};
    return {false, true, day - period >= 1 ? day - period : day};
}

QString MoonEditRules::FirstFullMoonText(int day, const QString &monthName, const QString &year)
{
    return QString::number(day).rightJustified(2, u'0') + u" / "_s + monthName + u" / "_s + year;
}

QString MoonEditRules::FirstFullMoonDate(const QString &year, int month, int day)
{
    return year + u':' + QString::number(month) + u':' + QString::number(day);
}

void MoonEditRules::load(const QList<MoonRecord> &moons, const QStringList &monthNames, const QString &year,
                         bool showMoons)
{
    m_moons = moons;
    m_monthNames = monthNames;
    m_year = year;
    m_listEdited = false;
    m_showMoons = showMoons;
    m_loadedShowMoons = showMoons;
    resetEdit();
}

QStringList MoonEditRules::rowTexts(int row) const
{
    const MoonRecord &moon = m_moons.at(row);
    const QString &date = moon.firstFullMoon;
    const QString monthName = m_monthNames.value(date.section(u':', 1, 1).toInt() - 1);
    return {moon.name, QString::number(moon.period),
            FirstFullMoonText(date.section(u':', 2, 2).toInt(), monthName, date.section(u':', 0, 0)), date};
}

MoonEditRules::Edit MoonEditRules::select(int row)
{
    m_selected = row;
    m_changed = false;
    const MoonRecord &moon = m_moons.at(row);
    const int month = moon.firstFullMoon.section(u':', 1, 1).toInt();
    const int day = moon.firstFullMoon.section(u':', 2, 2).toInt();
    const int months = std::max(int(m_monthNames.size()), 1);
    return {moon.name, QString::number(moon.period), std::clamp(month, 1, months), std::max(day, 1)};
}

void MoonEditRules::resetEdit()
{
    m_selected = -1;
    m_changed = false;
}

void MoonEditRules::add(const QString &name, const QString &periodText, int month, int day)
{
    const MoonRecord moon{name.trimmed(), ReadPeriod(periodText), FirstFullMoonDate(m_year, month, day)};
    int target = m_selected;
    for (int row = int(m_moons.size()) - 1; row >= 0; --row) {
        if (row == target || m_moons.at(row).name != moon.name)
            continue;
        if (target < 0) {
            target = row;
            continue;
        }
        m_moons.removeAt(row);
        if (row < target)
            --target;
    }
    if (target < 0) {
        target = int(m_moons.size());
        m_moons.append(moon);
    }
    m_moons[target] = moon;
    m_listEdited = true;
    resetEdit();
}

void MoonEditRules::removeSelected()
{
    if (m_selected < 0)
        return;
    m_moons.removeAt(m_selected);
    m_listEdited = true;
    resetEdit();
}

bool MoonEditRules::canAdd(const QString &name, const QString &periodText, int day) const
{
    // The phase table needs the first full moon inside its first period.
    const int period = ReadPeriod(periodText);
    return m_changed && !name.trimmed().isEmpty() && !periodText.isEmpty() && day < period && period <= 32767;
}

} // namespace Velmora
