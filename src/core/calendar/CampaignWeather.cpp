#include "core/calendar/CampaignWeather.h"

#include "core/calendar/CampaignClock.h"

namespace Velmora {

CampaignWeather::CampaignWeather(RandomSource &random, QObject *parent)
    : QObject(parent)
    , m_generator(random)
{
}

void CampaignWeather::load(const WeatherState &state)
{
    m_climate = state.climate;
    m_text = state.text;
    // A campaign keeps only the text; the icon follows from it.
    m_icon = WeatherGenerator::IconForText(m_text);
    emit climateChanged(m_climate);
    emit weatherChanged(m_text, m_icon);
}

WeatherState CampaignWeather::toState() const
{
    return WeatherState{m_climate, m_text};
}

void CampaignWeather::regenerate()
{
    const std::optional<Weather> weather = m_generator.Generate(m_climate);
    if (!weather)
        return;
    m_text = weather->text;
    m_icon = weather->icon;
    // Announced even when the text repeats: it is a new day's weather all the same.
    emit weatherChanged(m_text, m_icon);
}

void CampaignWeather::follow(const CampaignClock &clock)
{
    connect(&clock, &CampaignClock::weatherDue, this, &CampaignWeather::regenerate);
}

void CampaignWeather::selectClimate(int climate, bool updating)
{
    // Only the three options can be clicked; anything else is no click at all.
    if (climate < 0 || climate >= WeatherState::ClimateCount)
        return;
    setClimate(climate);
    if (updating)
        return;
    regenerate();
    emit modified();
}

void CampaignWeather::setClimate(int climate)
{
    if (climate == m_climate)
        return;
    m_climate = climate;
    emit climateChanged(m_climate);
}

} // namespace Velmora
