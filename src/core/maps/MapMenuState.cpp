#include "core/maps/MapMenuState.h"

namespace Velmora {

MapMenuState MapMenuState::UpdateMapMenus(
    int mapCount, bool mapSelected, int playerCount, int objectCount, int noteCount)
{
    MapMenuState state;
    state.mapsImport = true;
    state.mapsAdd = true;
    if (mapCount <= 0)
        return state;
    state.mapsExport = state.mapsPrintActive = state.mapsSaveAs = true;
    state.mapsEdit = state.mapsRemove = mapSelected;
    state.objectAdd = state.playerAdd = state.noteAdd = true;
    state.objectEdit = state.objectRemove = objectCount > 0;
    state.playerEdit = state.playerRemove = playerCount > 0;
    state.noteEdit = state.noteRemove = noteCount > 0;
    return state;
}

} // namespace Velmora
