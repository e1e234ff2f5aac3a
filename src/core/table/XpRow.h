#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace Velmora {

/// One player of the experience list (block XP): who, the points earned and the points still
/// needed for the next level. The points stay as the digits the game master typed.
struct XpRow
{
    QString name;   // character name, unique in the list without regard to case
    QString xp;     // current experience points
    QString needed; // points still needed for the next level up

    /// "name;xp;needed". std::nullopt unless the item has exactly these three fields.
    static std::optional<XpRow> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const XpRow &) const = default;
};

} // namespace Velmora
