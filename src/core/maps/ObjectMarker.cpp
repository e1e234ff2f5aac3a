#include "core/maps/ObjectMarker.h"

#include "core/maps/MarkerFields_p.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Velmora {

std::optional<ObjectMarker> ObjectMarker::fromItem(const QString &item)
{
    const QStringList fields = item.split(u';');
    if (fields.size() < 6 || fields.at(0).isEmpty())
        return std::nullopt;
    const std::optional<float> x = markerPosition(fields.at(2));
    const std::optional<float> y = markerPosition(fields.at(3));
    if (!x || !y)
        return std::nullopt;
    const QString icon = fields.mid(4, fields.size() - 5).join(u';');
    return ObjectMarker{fields.at(0), fields.at(1), *x, *y, icon, fields.last() == u"TRUE"_s};
}

QString ObjectMarker::toItem() const
{
    return QStringList{
        name, mapKey, markerPositionText(x), markerPositionText(y), icon, movable ? u"TRUE"_s : u"FALSE"_s}
        .join(u';');
}

QJsonObject ObjectMarker::toJson() const
{
    return QJsonObject{
        {u"name"_s, name}, {u"mapKey"_s, mapKey}, {u"x"_s, x}, {u"y"_s, y}, {u"icon"_s, icon}, {u"movable"_s, movable}};
}

} // namespace Velmora
