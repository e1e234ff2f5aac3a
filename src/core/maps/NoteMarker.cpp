#include "core/maps/NoteMarker.h"

#include "core/maps/MarkerFields_p.h"

using namespace Qt::StringLiterals;

namespace Velmora {

std::optional<NoteMarker> NoteMarker::fromItem(const QString &item)
{
    const ItemFields fields(item);
    if (fields.size() < 6 || fields.at(0).isEmpty())
        return std::nullopt;
    const std::optional<float> x = markerPosition(fields.at(3));
    const std::optional<float> y = markerPosition(fields.at(4));
    if (!x || !y)
        return std::nullopt;
    return NoteMarker{fields.text(0), fields.text(1), fields.text(2), *x, *y, fields.from(5).toString()};
}

QString NoteMarker::toItem() const
{
    return ItemFields::join({key, content, mapKey, markerPositionText(x), markerPositionText(y), icon});
}

QJsonObject NoteMarker::toJson() const
{
    return QJsonObject{
        {u"key"_s, key}, {u"content"_s, content}, {u"mapKey"_s, mapKey}, {u"x"_s, x}, {u"y"_s, y}, {u"icon"_s, icon}};
}

} // namespace Velmora
