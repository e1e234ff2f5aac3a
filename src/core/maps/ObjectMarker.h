#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace Velmora {

/// An object's marker on a map (block MOBJECTS).
struct ObjectMarker
{
    QString name;   // the object's name, unique among objects: the marker's key
    QString mapKey; // key of the map it lies on
    float x = 0;    // position in the map's picture coordinates
    float y = 0;
    QString icon;         // icon file path
    bool movable = false; // "TRUE" when it may be dragged on the map

    /// "name;map key;X;Y;icon;movable". std::nullopt for fewer than 6 fields, an empty name or a
    /// position that is not a number ("" is 0); any flag but "TRUE" is false. Fields between the
    /// position and the flag belong to the icon path, which may hold ";".
    static std::optional<ObjectMarker> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const ObjectMarker &) const = default;
};

} // namespace Velmora
