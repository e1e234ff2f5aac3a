#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <array>

namespace Velmora {

/// The last generated town (block TOWN): the two texts the game master typed and the thirteen
/// results of the draw, all as shown. A new campaign has every value empty.
struct TownValues
{
    struct PowerCentre
    {
        QString type;      // "Conventional", "Nonstandard", "Magical" or "" (no such centre)
        QString alignment; // "Lawful good" ... "Chaotic evil", or ""
        bool operator==(const PowerCentre &) const = default;
    };

    static constexpr int ItemCount = 15;

    QString townName;                        // typed
    QString continent;                       // typed
    QString size;                            // size class: "Thorp" ... "Metropolis"
    QString population;                      // population range: "20-80" ...
    QString gpLimit;                         // gold-piece limit: "40 gp" ...
    std::array<PowerCentre, 4> powerCentres; // power centres 1 to 4
    QString racialMix;                       // "Isolated", "Mixed" or "Integrated"
    QString dominantRace;                    // "Humans" ...

    static TownValues defaults() { return {}; }

    /// The 15 items in order: town name, continent, size class, population, GP limit, type and
    /// alignment of centres 1 to 4, racial mix, dominant race. Missing items leave their values
    /// as they were; false when the block does not hold exactly 15 items.
    bool load(const QStringList &items);
    QStringList toItems() const;
    QJsonObject toJson() const;

    bool operator==(const TownValues &) const = default;
};

} // namespace Velmora
