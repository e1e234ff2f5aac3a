#pragma once

#include "core/maps/MapCollection.h"
#include "core/maps/oGrid.h"

#include <QImage>
#include <QList>

namespace Velmora {

/// The kinds of things on a map's surface, for hit tests and pop-up menus.
enum class MapMarkerKind { Surface, Player, Object, Note };

/// Everything a map view shows: the decoded picture, how it is laid out, its grid and the
/// markers of the kinds that are visible (a hidden kind is an empty list).
struct MapScene
{
    QImage picture;
    int mode = 0; ///< 0 full size, 1 fitted keeping proportions, 2 stretched to the control
    bool gridVisible = false;
    oGrid grid;
    QList<oPlayer> players;
    QList<oObject> objects;
    QList<oNote> notes;
};

} // namespace Velmora
