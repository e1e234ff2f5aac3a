#pragma once

#include "core/calendar/WeatherGenerator.h"
#include "core/calendar/WeatherState.h"

#include <QObject>
#include <QString>

namespace Velmora {

class CampaignClock;
class RandomSource;

/// The day's weather as the date and weather frame shows it: the chosen climate, the weather
/// text and its icon. New weather comes from the generator under the chosen climate; a campaign
/// restores the climate and the text, and the icon that goes with the text.
///
/// Loading is silent (no roll, no modified()); a click on a climate option rolls and marks the
/// campaign modified unless the clock is rewriting its fields.
class CampaignWeather : public QObject
{
    Q_OBJECT

public:
    explicit CampaignWeather(RandomSource &random, QObject *parent = nullptr);

    /// Takes a campaign's climate and weather text without rolling; announces both.
    void load(const WeatherState &state);
    WeatherState toState() const;

    /// 0 cold, 1 temperate, 2 desert, or WeatherState::NoClimate.
    int climate() const { return m_climate; }
    const QString &text() const { return m_text; }
    /// The icon as the application folder names it ("\Icons\Cold.ICO"), "" when there is none.
    QString icon() const { return m_icon; }

    /// Rolls new weather under the chosen climate; with no climate nothing changes.
    void regenerate();
    /// Every new date of `clock` (its weatherDue) rolls new weather from now on. Called once.
    void follow(const CampaignClock &clock);
    /// A click on a climate option. While the clock is updating only the choice is taken;
    /// otherwise new weather is rolled and the campaign marked modified.
    void selectClimate(int climate, bool updating);

signals:
    void weatherChanged(const QString &text, const QString &icon);
    void climateChanged(int climate);
    /// Campaign data changed: mark the campaign modified.
    void modified();

private:
    void setClimate(int climate);

    WeatherGenerator m_generator;
    int m_climate = WeatherState::defaults().climate;
    QString m_text;
    QString m_icon;
};

} // namespace Velmora
