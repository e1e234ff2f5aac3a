#include "core/maps/ObjectMarker.h"

#include "core/maps/MarkerFields_p.h"

using namespace Qt::StringLiterals;

namespace Velmora {

std::optional<ObjectMarker> ObjectMarker::fromItem(const QString &item)
{
    const ItemFields fields(item);
    if (fields.size() < 6 || fields.at(0).isEmpty())
        return std::nullopt;
    const std::optional<float> x = markerPosition(fields.at(2));
    const std::optional<float> y = markerPosition(fields.at(3));
    if (!x || !y)
        return std::nullopt;
    const QString icon = fields.span(4, fields.size() - 2).toString();
    return ObjectMarker{fields.text(0), fields.text(1), *x, *y, icon, fields.at(fields.size() - 1) == u"TRUE"};
}

QString ObjectMarker::toItem() const
{
    return ItemFields::join(
        {name, mapKey, markerPositionText(x), markerPositionText(y), icon, movable ? u"TRUE" : u"FALSE"});
}

QJsonObject ObjectMarker::toJson() const
{
    return QJsonObject{
        {u"name"_s, name}, {u"mapKey"_s, mapKey}, {u"x"_s, x}, {u"y"_s, y}, {u"icon"_s, icon}, {u"movable"_s, movable}};
}

} // namespace Velmora
