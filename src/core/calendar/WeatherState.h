#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace Velmora {

/// The weather frame as a campaign keeps it: the chosen climate and the weather text last shown.
struct WeatherState
{
    /// No climate option selected (written as "").
    static constexpr int NoClimate = -1;
    static constexpr int ClimateCount = 3;

    int climate = 0; ///< climate option: 0 cold, 1 temperate, 2 desert, or NoClimate
    QString text;    ///< the weather text shown in the frame, as generated or restored

    /// A new campaign: the first climate and no weather rolled yet (the text stays empty until
    /// the first roll).
    static WeatherState defaults();

    /// Takes the two items, climate then text. A climate other than "", "0", "1" or "2" is not
    /// taken; a block of other than two items takes what it has and reports false.
    bool load(const QStringList &items);
    QStringList toItems() const;
    QJsonObject toJson() const;

    bool operator==(const WeatherState &) const = default;
};

} // namespace Velmora
