#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace Velmora {

/// A player's marker on a map (block MPLAYERS).
struct PlayerMarker
{
    QString name;   // the player's name, unique among players: the marker's key
    QString mapKey; // key of the map it stands on
    float x = 0;    // position in the map's picture coordinates
    float y = 0;
    QString icon; // icon file path

    /// "name;map key;X;Y;icon". std::nullopt for fewer than 5 fields, an empty name or a position
    /// that is not a number ("" is 0). The icon path is the last field and may hold ";".
    static std::optional<PlayerMarker> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const PlayerMarker &) const = default;
};

} // namespace Velmora
