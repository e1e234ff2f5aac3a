#pragma once

#include "core/maps/MapCollection.h"
#include "core/maps/oGrid.h"

#include <QList>
#include <QString>

namespace Velmora {

/// What a map view is given to show one map: its picture, display mode, grid and the markers of
/// the kinds that are visible (a hidden kind comes as an empty list; objects always show).
struct MapViewContent
{
    QString path;
    int mode = 2; // 2 fitted to the view (row checked, "FITTED"), 0 full size ("FULL")
    bool gridVisible = false;
    oGrid grid;
    QList<oPlayer> players;
    QList<oObject> objects;
    QList<oNote> notes;

    bool operator==(const MapViewContent &) const = default;
};

} // namespace Velmora
