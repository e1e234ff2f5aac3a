#pragma once

#include "core/generators/TownValues.h"

#include <QCoreApplication>
#include <QString>

namespace Velmora {

class RandomSource;

/// The Town Generator's draw: size class with its population and gold-piece limit, one to four
/// power centres with a type and an alignment, racial mix and dominant race, rolled in that order
/// from the program-wide random source.
class TownGenerator
{
    Q_DECLARE_TR_FUNCTIONS(TownGenerator)

public:
    /// A new draw for `town`: every result replaced, the typed name and continent kept.
    /// Rolls: d100 size, d20 type of each centre the size gives, d100 alignment of each centre
    /// with a type, d100 racial mix, d100 dominant race.
    static TownValues Generate(RandomSource &random, TownValues town);
    /// One d20: "Conventional", "Nonstandard" or "Magical".
    static QString GetTownPowerCenterType(RandomSource &random);
    /// One d100: "Lawful good" ... "Chaotic evil".
    static QString GetAlignment(RandomSource &random);
};

} // namespace Velmora
