#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace Velmora {

class RandomSource;

/// The day's weather: the text shown in the weather frame and its icon, named the way the
/// application folder holds it ("\Icons\Cold.ICO", found through AppFolder::file).
struct Weather
{
    QString text;
    QString icon;

    bool operator==(const Weather &) const = default;
};

/// Rolls the day's weather under one of three climates: percentile dice, and under the cold and
/// temperate climates a second roll that tells a cold snap from a heat wave. Neither the date
/// nor the season enters; nothing of past weather is kept.
class WeatherGenerator
{
    Q_DECLARE_TR_FUNCTIONS(WeatherGenerator)

public:
    enum Climate { Cold = 0, Temperate = 1, Desert = 2 };
    static constexpr int ClimateCount = 3;

    explicit WeatherGenerator(RandomSource &random);

    /// One or two rolls of 1 to 100 from the program-wide generator. std::nullopt, without a
    /// roll, when `climate` is not one of the three (no climate selected: nothing changes).
    std::optional<Weather> Generate(int climate);

    /// The weather for a first roll (1 to 100) and, where the climate asks for one, a second
    /// roll. std::nullopt for a climate that is not one of the three.
    static std::optional<Weather> ForRolls(int climate, int roll, int secondRoll);
    /// Whether `roll` under `climate` needs the second roll.
    static bool NeedsSecondRoll(int climate, int roll);
    /// The option caption: "Cold climate", "Temperate Climate *", "Desert"; "" for others.
    static QString ClimateCaption(int climate);
    /// The icon that goes with a weather text (a campaign file keeps only the text); "" for a
    /// text the generator never produces.
    static QString IconForText(const QString &text);

private:
    RandomSource &m_random;
};

} // namespace Velmora
