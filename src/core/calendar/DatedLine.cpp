#include "core/calendar/DatedLine.h"

#include "core/calendar/CalendarState.h"

using namespace Qt::StringLiterals;

namespace Velmora {

std::optional<DatedLine> DatedLine::fromItem(const QString &item)
{
    const qsizetype split = item.indexOf(u';');
    if (split < 0)
        return std::nullopt;
    DatedLine line{item.left(split), item.mid(split + 1)};
    if (!CalendarState::isDateString(line.date))
        return std::nullopt;
    return line;
}

QString DatedLine::toItem() const
{
    return date + u';' + text;
}

QJsonObject DatedLine::toJson() const
{
    return {{u"date"_s, date}, {u"text"_s, text}};
}

} // namespace Velmora
