#pragma once

#include "core/maps/MapCollection.h"

namespace Velmora {

class AppFolder;
struct CampaignModel;

/// The campaign's four map lists seen as one map collection, and a collection put back into them.
class CampaignMaps
{
public:
    /// The campaign's maps and markers. The campaign does not keep a map's name: each map is
    /// named and keyed by its picture's base name, as a loaded campaign shows it.
    static MapCollection collection(const CampaignModel &model);
    /// Replaces the campaign's four lists with the collection's rows, in order. The campaign keys
    /// a map by its picture's base name; a marker naming its map by an id that differs from it
    /// is moved to that key, so that it stays on its map. Paths (pictures, icons) are stored by
    /// the application folder's rule (AppFolder::storedPath); a ";" in any other value is
    /// dropped, as the records cannot hold it.
    static void store(const MapCollection &collection, CampaignModel &model, const AppFolder &folder);
};

} // namespace Velmora
