#include "core/calendar/ClockTime.h"

#include "core/common/NumberText.h"

using namespace Qt::StringLiterals;

namespace Velmora {

ClockTime ClockTime::defaults()
{
    return ClockTime{u"12"_s, u"00"_s, false};
}

int ClockTime::hourValue() const
{
    return NumberText::leadingInt16(hour);
}

int ClockTime::minuteValue() const
{
    return NumberText::leadingInt16(minute);
}

bool ClockTime::load(const QStringList &items)
{
    if (items.isEmpty())
        return false;
    const QStringList fields = items.first().split(u';');
    if (fields.size() != 3)
        return false;
    hour = fields.at(0);
    minute = fields.at(1);
    const QString &half = fields.at(2);
    if (half == u"AM"_s)
        pm = false;
    else if (half == u"PM"_s)
        pm = true;
    else
        return false;
    return items.size() == 1;
}

QStringList ClockTime::toItems() const
{
    return {hour + u';' + minute + (pm ? u";PM"_s : u";AM"_s)};
}

QJsonObject ClockTime::toJson() const
{
    return {{u"hour"_s, hour}, {u"minute"_s, minute}, {u"pm"_s, pm}};
}

} // namespace Velmora
