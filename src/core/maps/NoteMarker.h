#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace Velmora {

/// A note's marker on a map (block MNOTES).
struct NoteMarker
{
    QString key;     // note ID: "_" and a number ("_1", "_2", ...)
    QString content; // the note's text
    QString mapKey;  // key of the map it is pinned to
    float x = 0;     // position in the map's picture coordinates
    float y = 0;
    QString icon; // icon file path

    /// "note key;content;map key;X;Y;icon". std::nullopt for fewer than 6 fields, an empty key or
    /// a position that is not a number ("" is 0). The icon path is the last field and may hold ";".
    static std::optional<NoteMarker> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const NoteMarker &) const = default;
};

} // namespace Velmora
