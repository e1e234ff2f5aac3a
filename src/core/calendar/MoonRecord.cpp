#include "core/calendar/MoonRecord.h"

#include "core/calendar/CalendarState.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Velmora {

std::optional<MoonRecord> MoonRecord::fromItem(const QString &item)
{
    const QStringList fields = item.split(u';');
    if (fields.size() != 3 || fields.at(0).isEmpty() || !CalendarState::isDateString(fields.at(2)))
        return std::nullopt;
    bool ok = false;
    const int period = fields.at(1).toInt(&ok);
    if (!ok || period < 1 || period > 32767)
        return std::nullopt;
    return MoonRecord{fields.at(0), period, fields.at(2)};
}

QString MoonRecord::toItem() const
{
    return name + u';' + QString::number(period) + u';' + firstFullMoon;
}

QJsonObject MoonRecord::toJson() const
{
    return {{u"name"_s, name}, {u"period"_s, period}, {u"firstFullMoon"_s, firstFullMoon}};
}

} // namespace Velmora
