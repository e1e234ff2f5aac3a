#include "core/calendar/CampaignClock.h"
#include "core/calendar/CampaignWeather.h"
#include "gui/calendar/DateWeatherFrame.h"
#include "support/gui/GuiHarness.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

/// The weather frame over a fresh clock, in an application folder with or without the icons.
struct Frame : SoundsFixture
{
    CampaignClock clock;
    CampaignWeather weather{platform.scriptedRandom()};
    DateWeatherFrame frame{weather, clock, home.folder(), sounds};

    using SoundsFixture::SoundsFixture;
    QRadioButton *option(int index) { return requireChild<QRadioButton>(frame, u"optClimate"_s, index); }
    /// "<checked option's caption>: <weather text>, <icon file shown>" ("none" where nothing is).
    QString shown()
    {
        QStringList checked;
        for (int index = 0; index < 3; ++index)
            if (option(index)->isChecked())
                checked << option(index)->text();
        const QImage picture = requireChild<QLabel>(frame, u"WeatherPicture"_s)->pixmap().toImage();
        QString icon = u"none"_s;
        for (const QString &name : {u"Cold.ICO"_s, u"Earth.ICO"_s, u"Fire.ICO"_s, u"Cloud.ICO"_s, u"Pour.ICO"_s})
            if (!picture.isNull() && picture == QPixmap(home.folder().file(u"\\Icons\\"_s + name)).toImage())
                icon = name;
        return (checked.isEmpty() ? u"none"_s : checked.join(u'+')) + u": "_s
            + requireChild<QLabel>(frame, u"WeatherLabel"_s)->text() + u", "_s + icon;
    }
};

} // namespace

class TestDateWeatherFrame : public QObject
{
    Q_OBJECT

private slots:
    void climateClick_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("updating");
        QTest::addColumn<QString>("shown");

        // The rolls are 75, then 30: a heat wave under the cold climate, windy heat in the desert.
        QTest::newRow("cold") << 0 << false << u"Cold climate: Heat wave, Fire.ICO"_s;
        QTest::newRow("desert while updating") << 2 << true << u"Desert: Blizzard, Cold.ICO"_s;
    }

    void climateClick()
    {
        QFETCH(int, index);
        QFETCH(bool, updating);
        QFETCH(QString, shown);

        Frame f(TestHome::Shipped);
        f.weather.load({1, u"Blizzard"_s});
        f.platform.scriptedRandom().script({0.745f, 0.295f});
        f.clock.setUpdating(updating);
        QTest::mouseClick(f.option(index), Qt::LeftButton);
        QCOMPARE(f.shown(), shown);
        QCOMPARE(f.platform.sounds(), updating ? QStringList() : QStringList{u"Click.wav"_s});
    }

    void load_data()
    {
        QTest::addColumn<bool>("icons");
        QTest::addColumn<int>("climate");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");

        QTest::newRow("shipped icon") << true << 1 << u"Normal for season **"_s
                                      << u"Temperate Climate *: Normal for season **, Earth.ICO"_s;
        QTest::newRow("icon file missing") << false << 0 << u"Blizzard"_s << u"Cold climate: Blizzard, none"_s;
        QTest::newRow("no climate") << true << int(WeatherState::NoClimate) << u"Downpour"_s << u"none: Downpour, Pour.ICO"_s;
    }

    void load()
    {
        QFETCH(bool, icons);
        QFETCH(int, climate);
        QFETCH(QString, text);
        QFETCH(QString, shown);

        Frame f(icons ? TestHome::Shipped : TestHome::Empty);
        f.weather.load({2, u"Hot (windy)"_s}); // something shown before
        f.weather.load({climate, text});
        QCOMPARE(f.shown(), shown);
        QVERIFY(f.platform.sounds().isEmpty());
    }
};

QTEST_MAIN(TestDateWeatherFrame)
#include "TestDateWeatherFrame.moc"
