#include "core/maps/PlayerMarker.h"

#include "core/maps/MarkerFields_p.h"

using namespace Qt::StringLiterals;

namespace Velmora {

std::optional<PlayerMarker> PlayerMarker::fromItem(const QString &item)
{
    const ItemFields fields(item);
    if (fields.size() < 5 || fields.at(0).isEmpty())
        return std::nullopt;
    const std::optional<float> x = markerPosition(fields.at(2));
    const std::optional<float> y = markerPosition(fields.at(3));
    if (!x || !y)
        return std::nullopt;
    return PlayerMarker{fields.text(0), fields.text(1), *x, *y, fields.from(4).toString()};
}

QString PlayerMarker::toItem() const
{
    return ItemFields::join({name, mapKey, markerPositionText(x), markerPositionText(y), icon});
}

QJsonObject PlayerMarker::toJson() const
{
    return QJsonObject{{u"name"_s, name}, {u"mapKey"_s, mapKey}, {u"x"_s, x}, {u"y"_s, y}, {u"icon"_s, icon}};
}

} // namespace Velmora
