#pragma once

namespace Velmora {

/// Which items of the Maps menu are enabled (each named after its menu item, mnuMaps...). The
/// window applies the flags; the rules decide them from counts alone.
struct MapMenuState
{
    bool mapsImport = false;
    bool mapsExport = false;
    bool mapsAdd = false;
    bool mapsEdit = false;
    bool mapsRemove = false;
    bool mapsPrintActive = false;
    bool mapsSaveAs = false;
    bool objectAdd = false;
    bool objectEdit = false;
    bool objectRemove = false;
    bool playerAdd = false;
    bool playerEdit = false;
    bool playerRemove = false;
    bool noteAdd = false;
    bool noteEdit = false;
    bool noteRemove = false;

    /// With no map only Import and Add; otherwise Import, Export, Add, Print and Save, Edit and
    /// Remove while a map row is selected, the three marker adds, and each marker edit and remove
    /// while its list holds at least one marker.
    static MapMenuState UpdateMapMenus(int mapCount, bool mapSelected, int playerCount, int objectCount, int noteCount);

    bool operator==(const MapMenuState &) const = default;
};

/// The three check items of a map's pop-up menu: checked from the map's visibility flags; the
/// players and notes items are unchecked and disabled while the map has no marker of their kind.
struct MapPopupState
{
    bool gridChecked = false;
    bool playersChecked = false;
    bool playersEnabled = false;
    bool notesChecked = false;
    bool notesEnabled = false;

    bool operator==(const MapPopupState &) const = default;
};

} // namespace Velmora
