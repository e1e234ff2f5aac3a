#include "gui/calendar/DateWeatherFrame.h"

#include "core/calendar/CampaignClock.h"
#include "core/calendar/CampaignWeather.h"
#include "core/calendar/WeatherGenerator.h"
#include "gui/options/SoundCuePlayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

DateWeatherFrame::DateWeatherFrame(CampaignWeather &weather, CampaignClock &clock, const AppFolder &folder,
                                   const SoundCuePlayer &sounds, QWidget *parent)
    : QGroupBox(tr("Weather"), parent)
    , m_weather(weather)
    , m_clock(clock)
    , m_folder(folder)
    , m_sounds(sounds)
    , m_text(new QLabel(this))
    , m_picture(new QLabel(this))
{
    setObjectName(u"DateWeatherFrame"_s);
    m_text->setObjectName(u"WeatherLabel"_s);
    m_text->setWordWrap(true);
    m_picture->setObjectName(u"WeatherPicture"_s);
    m_picture->setFixedSize(32, 32);
    m_picture->setScaledContents(true);
    for (int index = 0; index < WeatherGenerator::ClimateCount; ++index) {
        auto *option = new QRadioButton(WeatherGenerator::ClimateCaption(index), this);
        option->setObjectName(u"optClimate"_s);
        option->setProperty("index", index);
        connect(option, &QRadioButton::clicked, this, [this, index] { optClimate_Click(index); });
        m_climates << option;
    }
    buildLayout();
    showWeather(m_weather.text(), m_weather.icon());
    showClimate(m_weather.climate());

    connect(&m_weather, &CampaignWeather::weatherChanged, this, &DateWeatherFrame::showWeather);
    connect(&m_weather, &CampaignWeather::climateChanged, this, &DateWeatherFrame::showClimate);
}

void DateWeatherFrame::buildLayout()
{
    auto *shown = new QHBoxLayout;
    shown->addWidget(m_picture);
    shown->addWidget(m_text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(shown);
    for (QRadioButton *option : std::as_const(m_climates))
        layout->addWidget(option);
}

void DateWeatherFrame::optClimate_Click(int index)
{
    const bool updating = m_clock.isUpdating();
    m_weather.selectClimate(index, updating);
    if (!updating)
        m_sounds.play(SoundEvent::Click);
}

void DateWeatherFrame::showWeather(const QString &text, const QString &icon)
{
    m_text->setText(text);
    // A missing or unreadable icon file shows no picture, without a word.
    const QPixmap picture = icon.isEmpty() ? QPixmap() : QPixmap(m_folder.file(icon));
    if (picture.isNull())
        m_picture->clear();
    else
        m_picture->setPixmap(picture);
}

void DateWeatherFrame::showClimate(int climate)
{
    for (QRadioButton *option : std::as_const(m_climates)) {
        const QSignalBlocker blocker(option);
        // With no climate chosen every option is clear, which an exclusive set cannot be.
        option->setAutoExclusive(false);
        option->setChecked(option->property("index").toInt() == climate);
        option->setAutoExclusive(true);
    }
}

} // namespace Velmora
