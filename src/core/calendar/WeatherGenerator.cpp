#include "core/calendar/WeatherGenerator.h"

#include "core/common/RandomSource.h"

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QString ColdIcon = u"\\Icons\\Cold.ICO"_s;
const QString EarthIcon = u"\\Icons\\Earth.ICO"_s;
const QString SunIcon = u"\\Icons\\Sun.ICO"_s;
const QString FireIcon = u"\\Icons\\Fire.ICO"_s;
const QString CloudIcon = u"\\Icons\\Cloud.ICO"_s;
const QString RainIcon = u"\\Icons\\Rain.ICO"_s;
const QString StormIcon = u"\\Icons\\Storm.ICO"_s;
const QString PourIcon = u"\\Icons\\Pour.ICO"_s;

// The rows of the table: rolls 1-70, 71-80, 81-90, 91-99 and 100.
int band(int roll)
{
    if (roll <= 70)
        return 0;
    if (roll <= 80)
        return 1;
    if (roll <= 90)
        return 2;
    if (roll <= 99)
        return 3;
    return 4;
}

Weather coldSnapOrHeatWave(int secondRoll, int heatWaveUpTo)
{
    if (secondRoll <= heatWaveUpTo)
        return {u"Heat wave"_s, FireIcon};
    return {u"Cold snap"_s, ColdIcon};
}

Weather cold(int roll, int secondRoll)
{
    switch (band(roll)) {
    case 0: return {u"Cold (calm)"_s, ColdIcon};
    case 1: return coldSnapOrHeatWave(secondRoll, 30);
    case 2: return {u"Precipitation (snow)"_s, RainIcon};
    case 3: return {u"Snowstorm"_s, RainIcon};
    default: return {u"Blizzard"_s, ColdIcon};
    }
}

Weather temperate(int roll, int secondRoll)
{
    switch (band(roll)) {
    case 0: return {u"Normal for season **"_s, EarthIcon};
    case 1: return coldSnapOrHeatWave(secondRoll, 50);
    case 2: return {u"Precipitation (normal for season)"_s, RainIcon};
    case 3: return {u"Thunderstorm / snowstorm"_s, StormIcon};
    default: return {u"Windstorm / blizzard / hurricane / tornado"_s, CloudIcon};
    }
}

Weather desert(int roll)
{
    switch (band(roll)) {
    case 0: return {u"Hot (calm)"_s, SunIcon};
    case 1:
    case 2: return {u"Hot (windy)"_s, CloudIcon};
    case 3: return {u"Duststorm"_s, StormIcon};
    default: return {u"Downpour"_s, PourIcon};
    }
}

} // namespace

WeatherGenerator::WeatherGenerator(RandomSource &random)
    : m_random(random)
{
}

std::optional<Weather> WeatherGenerator::Generate(int climate)
{
    if (climate < 0 || climate >= ClimateCount)
        return std::nullopt;
    const int roll = m_random.roll(100);
    const int secondRoll = NeedsSecondRoll(climate, roll) ? m_random.roll(100) : 0;
    return ForRolls(climate, roll, secondRoll);
}

std::optional<Weather> WeatherGenerator::ForRolls(int climate, int roll, int secondRoll)
{
    switch (climate) {
    case Cold: return cold(roll, secondRoll);
    case Temperate: return temperate(roll, secondRoll);
    case Desert: return desert(roll);
    default: return std::nullopt;
    }
}

bool WeatherGenerator::NeedsSecondRoll(int climate, int roll)
{
    return (climate == Cold || climate == Temperate) && band(roll) == 1;
}

QString WeatherGenerator::ClimateCaption(int climate)
{
    switch (climate) {
    case Cold: return tr("Cold climate");
    case Temperate: return tr("Temperate Climate *");
    case Desert: return tr("Desert");
    default: return QString();
    }
}

QString WeatherGenerator::IconForText(const QString &text)
{
    // Every text of the table comes with one icon only, whatever the climate.
    static const int rolls[] = {1, 75, 85, 95, 100};
    for (int climate = 0; climate < ClimateCount; ++climate) {
        for (int roll : rolls) {
            for (int secondRoll : {1, 100}) {
                const Weather weather = *ForRolls(climate, roll, secondRoll);
                if (weather.text == text)
                    return weather.icon;
            }
        }
    }
    return QString();
}

} // namespace Velmora
