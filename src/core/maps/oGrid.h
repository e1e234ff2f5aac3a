#pragma once

namespace Velmora {

/// A map's grid as the map dialog edits it and the map view draws it.
struct oGrid
{
    int X = 0;               // horizontal divisions; fewer than 2 draws no grid
    int Y = 0;               // vertical divisions; 0 makes square cells (as wide as along X)
    int Colour = 16777215;   // 0x00BBGGRR, white for a new grid

    bool operator==(const oGrid &) const = default;
};

} // namespace Velmora
