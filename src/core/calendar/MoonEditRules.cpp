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

} // namespace Velmora
