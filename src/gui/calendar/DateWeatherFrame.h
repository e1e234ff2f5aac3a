#pragma once

#include "core/common/AppFolder.h"

#include <QGroupBox>
#include <QList>

class QLabel;
class QRadioButton;

namespace Velmora {

class CampaignClock;
class CampaignWeather;
class SoundCuePlayer;

/// The date and weather frame: the day's weather text and icon, and the three climate options.
///
/// It shows the CampaignWeather, which follows the clock's dates itself (CampaignWeather::follow).
/// A click on a climate option rolls and clicks unless the clock is rewriting its fields; the
/// weather's modified() marks the campaign (the main window connects it).
class DateWeatherFrame : public QGroupBox
{
    Q_OBJECT

public:
    DateWeatherFrame(CampaignWeather &weather, CampaignClock &clock, const AppFolder &folder,
                     const SoundCuePlayer &sounds, QWidget *parent = nullptr);

private:
    void buildLayout();
    void optClimate_Click(int index);
    void showWeather(const QString &text, const QString &icon);
    void showClimate(int climate);

    CampaignWeather &m_weather;
    CampaignClock &m_clock;
    AppFolder m_folder;
    const SoundCuePlayer &m_sounds;

    QLabel *m_text;
    QLabel *m_picture;
    QList<QRadioButton *> m_climates;
};

} // namespace Velmora
