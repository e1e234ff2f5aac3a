#include "core/maps/CampaignMaps.h"

#include "core/common/AppFolder.h"
#include "core/persistence/CampaignModel.h"

#include <QHash>

namespace Velmora {

namespace {

// The campaign's records separate their fields with ";", which the program's own text fields
// refuse; a ";" that a map file brings into a key, a name or a text is dropped, as the 3.0
// upgrade drops it, so that the saved campaign reads back as it was stored. Paths, which the
// records can hold with their ";", keep it.
QString recordText(QString text) { return text.remove(u';'); }

} // namespace

MapCollection CampaignMaps::collection(const CampaignModel &model)
{
    MapCollection collection { {}, model.playerMarkers, model.objectMarkers, model.noteMarkers };
    collection.maps.reserve(model.maps.size());
    for (const MapRecord &map : model.maps)
        collection.maps.append(MapEntry { map.key(), map.key(), map });
    return collection;
}

void CampaignMaps::store(const MapCollection &collection, CampaignModel &model, const AppFolder &folder)
{
    QHash<QString, QString> keyOfId;
    model.maps.clear();
    for (const MapEntry &entry : collection.maps) {
        MapRecord map = entry.record;
        map.picturePath = folder.storedPath(map.picturePath);
        map.navX = recordText(map.navX);
        map.navY = recordText(map.navY);
        if (entry.key != map.key())
            keyOfId.insert(entry.key, map.key());
        model.maps.append(map);
    }
    const auto place = [&](auto marker) {
        marker.mapKey = recordText(keyOfId.value(marker.mapKey, marker.mapKey));
        marker.icon = folder.storedPath(marker.icon);
        return marker;
    };
    model.playerMarkers.clear();
    for (PlayerMarker player : collection.players) {
        player.name = recordText(player.name);
        model.playerMarkers.append(place(player));
    }
    model.objectMarkers.clear();
    for (ObjectMarker object : collection.objects) {
        object.name = recordText(object.name);
        model.objectMarkers.append(place(object));
    }
    model.noteMarkers.clear();
    for (NoteMarker note : collection.notes) {
        note.key = recordText(note.key);
        note.content = recordText(note.content);
        model.noteMarkers.append(place(note));
    }
}

} // namespace Velmora
