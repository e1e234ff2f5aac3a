#pragma once

#include "core/maps/MapRecord.h"
#include "core/maps/NoteMarker.h"
#include "core/maps/ObjectMarker.h"
#include "core/maps/PlayerMarker.h"

#include <QList>
#include <QString>

namespace Velmora {

/// The marker records as the map dialogs and the map view pass them around.
using oPlayer = PlayerMarker;
using oObject = ObjectMarker;
using oNote = NoteMarker;

/// One map of the collection as the program holds it: its key, its display name and the stored
/// record. The campaign file does not keep the name, so a map loaded from a campaign is named
/// and keyed by its picture's base name; the map XML file keeps both.
struct MapEntry
{
    QString key;      // unique among maps
    QString name;     // the row text shown in the map list and on the map's tab
    MapRecord record; // path, "FITTED"/"FULL" (the row's check mark), grid, navigation, visibility

    bool operator==(const MapEntry &) const = default;
};

/// The whole map collection of a campaign, in row order: maps, players, objects and notes.
/// Marker lists are independent of the map list: a marker names its map by key, and removing a
/// map leaves its markers in their lists.
struct MapCollection
{
    QList<MapEntry> maps;
    QList<PlayerMarker> players; // keyed by name
    QList<ObjectMarker> objects; // keyed by name
    QList<NoteMarker> notes;     // keyed by note ID ("_1", "_2", ...)

    bool operator==(const MapCollection &) const = default;
};

} // namespace Velmora
