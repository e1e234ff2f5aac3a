#pragma once

namespace Velmora {

class FoundMatch;

/// The places the whole-campaign search finds text in, grouped by the part that shows them.
enum class SearchPlaceKind { Notes, List, BattleBoxNotes, Calendar, MapNote };

/// What a part offers the whole-campaign search for one kind of place: it brings the place of a
/// match to the front in its own editor or viewer and has the match selected there through
/// FoundMatch. A part provides it through PartServices as SearchHitOpener<Kind>, so that the
/// search finds it without knowing the part's classes.
template <SearchPlaceKind Kind> class SearchHitOpener
{
public:
    virtual ~SearchHitOpener() = default;
    virtual void openHit(FoundMatch &match) = 0;
};

} // namespace Velmora
