#include "core/generators/TownGenerator.h"

#include "core/common/RandomSource.h"

#include <span>

namespace Velmora {

namespace {

// A row of a table: the highest roll that gives `text`.
struct Band
{
    int upTo;
    const char *text;
};

QString lookUp(std::span<const Band> table, int roll)
{
    for (const Band &band : table) {
        if (roll <= band.upTo)
            return TownGenerator::tr(band.text);
    }
    return TownGenerator::tr(table.back().text);
}

struct SizeClass
{
    int upTo;
    const char *size;
    const char *population;
    const char *gpLimit;
    int powerCentres;
};

constexpr SizeClass Sizes[] = {
    { 10, QT_TRANSLATE_NOOP("TownGenerator", "Thorp"), "20-80", QT_TRANSLATE_NOOP("TownGenerator", "40 gp"), 1 },
    { 30, QT_TRANSLATE_NOOP("TownGenerator", "Hamlet"), "81-400", QT_TRANSLATE_NOOP("TownGenerator", "100 gp"), 1 },
    { 50, QT_TRANSLATE_NOOP("TownGenerator", "Village"), "401-900", QT_TRANSLATE_NOOP("TownGenerator", "200 gp"), 1 },
    { 70, QT_TRANSLATE_NOOP("TownGenerator", "Small Town"), "901-2000", QT_TRANSLATE_NOOP("TownGenerator", "800 gp"),
        1 },
    { 85, QT_TRANSLATE_NOOP("TownGenerator", "Large Town"), "2,001-5,000",
        QT_TRANSLATE_NOOP("TownGenerator", "3,000 gp"), 1 },
    { 95, QT_TRANSLATE_NOOP("TownGenerator", "Small City"), "5,001-12,000",
        QT_TRANSLATE_NOOP("TownGenerator", "15,000 gp"), 2 },
    { 99, QT_TRANSLATE_NOOP("TownGenerator", "Large City"), "12,001-25,000",
        QT_TRANSLATE_NOOP("TownGenerator", "40,000 gp"), 3 },
    { 100, QT_TRANSLATE_NOOP("TownGenerator", "Metropolis"), QT_TRANSLATE_NOOP("TownGenerator", "25,001 or more"),
        QT_TRANSLATE_NOOP("TownGenerator", "100,000 gp"), 4 },
};

constexpr Band Types[] = {
    { 13, QT_TRANSLATE_NOOP("TownGenerator", "Conventional") },
    { 18, QT_TRANSLATE_NOOP("TownGenerator", "Nonstandard") },
    { 20, QT_TRANSLATE_NOOP("TownGenerator", "Magical") },
};

constexpr Band Alignments[] = {
    { 35, QT_TRANSLATE_NOOP("TownGenerator", "Lawful good") },
    { 39, QT_TRANSLATE_NOOP("TownGenerator", "Neutral good") },
    { 41, QT_TRANSLATE_NOOP("TownGenerator", "Chaotic good") },
    { 61, QT_TRANSLATE_NOOP("TownGenerator", "Lawful neutral") },
    { 63, QT_TRANSLATE_NOOP("TownGenerator", "True neutral") },
    { 64, QT_TRANSLATE_NOOP("TownGenerator", "Chaotic neutral") },
    { 90, QT_TRANSLATE_NOOP("TownGenerator", "Lawful evil") },
    { 98, QT_TRANSLATE_NOOP("TownGenerator", "Neutral evil") },
    { 100, QT_TRANSLATE_NOOP("TownGenerator", "Chaotic evil") },
};

constexpr Band Mixes[] = {
    { 25, QT_TRANSLATE_NOOP("TownGenerator", "Isolated") },
    { 70, QT_TRANSLATE_NOOP("TownGenerator", "Mixed") },
    { 100, QT_TRANSLATE_NOOP("TownGenerator", "Integrated") },
};

// The table names every common race but the elves, and leaves rolls 37 to 51 between the
// halflings and the dwarves without a race: those rolls give "Elves", the race that belongs there.
constexpr Band Races[] = {
    { 26, QT_TRANSLATE_NOOP("TownGenerator", "Humans") },
    { 36, QT_TRANSLATE_NOOP("TownGenerator", "Halflings") },
    { 51, QT_TRANSLATE_NOOP("TownGenerator", "Elves") },
    { 61, QT_TRANSLATE_NOOP("TownGenerator", "Dwarves") },
    { 71, QT_TRANSLATE_NOOP("TownGenerator", "Gnomes") },
    { 76, QT_TRANSLATE_NOOP("TownGenerator", "Half Elves") },
    { 79, QT_TRANSLATE_NOOP("TownGenerator", "Half-Orcs") },
    { 86, QT_TRANSLATE_NOOP("TownGenerator", "Random race from Monster Manual 1") },
    { 93, QT_TRANSLATE_NOOP("TownGenerator", "Random race from Monster Manual 2") },
    { 100, QT_TRANSLATE_NOOP("TownGenerator", "Random race from Monster Manual 3") },
};

const SizeClass &sizeClass(int roll)
{
    for (const SizeClass &size : Sizes) {
        if (roll <= size.upTo)
            return size;
    }
    return Sizes[std::size(Sizes) - 1];
}

} // namespace

QString TownGenerator::GetTownPowerCenterType(RandomSource &random) { return lookUp(Types, random.roll(20)); }

QString TownGenerator::GetAlignment(RandomSource &random) { return lookUp(Alignments, random.roll(100)); }

TownValues TownGenerator::Generate(RandomSource &random, TownValues town)
{
    TownValues drawn = TownValues::defaults();
    drawn.townName = town.townName;
    drawn.continent = town.continent;
    const SizeClass &size = sizeClass(random.roll(100));
    drawn.size = tr(size.size);
    drawn.population = tr(size.population);
    drawn.gpLimit = tr(size.gpLimit);
    for (int centre = 0; centre < size.powerCentres; ++centre)
        drawn.powerCentres[size_t(centre)].type = GetTownPowerCenterType(random);
    for (TownValues::PowerCentre &centre : drawn.powerCentres) {
        if (!centre.type.isEmpty())
            centre.alignment = GetAlignment(random);
    }
    drawn.racialMix = lookUp(Mixes, random.roll(100));
    drawn.dominantRace = lookUp(Races, random.roll(100));
    return drawn;
}

} // namespace Velmora
