#include "core/calendar/CampaignWeather.h"

#include "core/calendar/CampaignClock.h"

#include "support/ScriptedRandomSource.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestCampaignWeather : public QObject
{
    Q_OBJECT

private slots:
    void climateClick_data()
    {
        QTest::addColumn<int>("climate");
        QTest::addColumn<QList<int>>("dice");
        QTest::addColumn<bool>("updating");
        QTest::addColumn<QString>("shown"); // text, then icon

        // The rolls themselves are the generator's (TestWeatherGenerator).
        QTest::newRow("desert 71") << 2 << QList<int>{71} << false << u"Hot (windy) \\Icons\\Cloud.ICO"_s;
        QTest::newRow("cold 75, 30") << 0 << QList<int>{75, 30} << false << u"Heat wave \\Icons\\Fire.ICO"_s;
        // While the clock rewrites its fields a click only takes the climate.
        QTest::newRow("updating") << 2 << QList<int>{} << true << u"Snowstorm \\Icons\\Rain.ICO"_s;
        QTest::newRow("no such option") << 3 << QList<int>{} << false << u"Snowstorm \\Icons\\Rain.ICO"_s;
    }

    void climateClick()
    {
        QFETCH(int, climate);
        QFETCH(QList<int>, dice);
        QFETCH(bool, updating);
        QFETCH(QString, shown);

        QList<float> values;
        for (int roll : dice)
            values << (float(roll) - 0.5f) / 100.0f;
        ScriptedRandomSource random(values);
        CampaignWeather weather(random);
        weather.load({WeatherState::NoClimate, u"Snowstorm"_s});
        QSignalSpy shownSpy(&weather, &CampaignWeather::weatherChanged);
        QSignalSpy modified(&weather, &CampaignWeather::modified);

        weather.selectClimate(climate, updating);
        const bool taken = climate < WeatherState::ClimateCount;
        QCOMPARE(random.calls, dice.size());
        QCOMPARE(weather.text() + u' ' + weather.icon(), shown);
        QCOMPARE(weather.toState(), (WeatherState{taken ? climate : WeatherState::NoClimate, weather.text()}));
        QCOMPARE(modified.count(), taken && !updating ? 1 : 0);
        QCOMPARE(shownSpy.count(), dice.isEmpty() ? 0 : 1);
    }

    void loadAndRegenerate()
    {
        ScriptedRandomSource random({0.945f, 0.095f});
        CampaignWeather weather(random);
        QSignalSpy shown(&weather, &CampaignWeather::weatherChanged);
        QSignalSpy modified(&weather, &CampaignWeather::modified);

        // Loading restores the text and the icon that goes with it, without a roll.
        weather.load({WeatherState::NoClimate, u"Thunderstorm / snowstorm"_s});
        QCOMPARE(shown.takeFirst(), (QVariantList{u"Thunderstorm / snowstorm"_s, u"\\Icons\\Storm.ICO"_s}));
        weather.regenerate(); // no climate: nothing changes
        QCOMPARE(weather.text(), u"Thunderstorm / snowstorm"_s);
        weather.load({0, u"Fog"_s});
        QCOMPARE(weather.icon(), QString());
        QCOMPARE(random.calls, 0);

        // Each new date of the clock it follows rolls afresh.
        CampaignClock clock;
        clock.load(oCalendar::newCampaignCalendar(), CalendarState::defaults(), ClockTime{});
        weather.follow(clock);
        clock.stepDay(1);
        const QString first = weather.text();
        clock.stepDay(1);
        QCOMPARE(first + u", "_s + weather.text(), u"Snowstorm, Cold (calm)"_s);
        QCOMPARE(random.calls, 2);
        QCOMPARE(modified.count(), 0);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCampaignWeather)
#include "TestCampaignWeather.moc"
