#include "core/calendar/WeatherGenerator.h"

#include "support/ScriptedRandomSource.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestWeatherGenerator : public QObject
{
    Q_OBJECT

private slots:
    void rolls_data()
    {
        QTest::addColumn<int>("climate");
        QTest::addColumn<QList<int>>("dice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("icon");

        QTest::newRow("cold 70") << 0 << QList<int>{70} << u"Cold (calm)"_s << u"Cold"_s;
        QTest::newRow("cold 75, 30") << 0 << QList<int>{75, 30} << u"Heat wave"_s << u"Fire"_s;
        QTest::newRow("cold 80, 31") << 0 << QList<int>{80, 31} << u"Cold snap"_s << u"Cold"_s;
        QTest::newRow("cold 81") << 0 << QList<int>{81} << u"Precipitation (snow)"_s << u"Rain"_s;
        QTest::newRow("cold 100") << 0 << QList<int>{100} << u"Blizzard"_s << u"Cold"_s;
        QTest::newRow("temperate 1") << 1 << QList<int>{1} << u"Normal for season **"_s << u"Earth"_s;
        QTest::newRow("temperate 71, 50") << 1 << QList<int>{71, 50} << u"Heat wave"_s << u"Fire"_s;
        QTest::newRow("temperate 71, 51") << 1 << QList<int>{71, 51} << u"Cold snap"_s << u"Cold"_s;
        QTest::newRow("temperate 99") << 1 << QList<int>{99} << u"Thunderstorm / snowstorm"_s << u"Storm"_s;
        QTest::newRow("temperate 100") << 1 << QList<int>{100} << u"Windstorm / blizzard / hurricane / tornado"_s
                                       << u"Cloud"_s;
        QTest::newRow("desert 70") << 2 << QList<int>{70} << u"Hot (calm)"_s << u"Sun"_s;
        QTest::newRow("desert 71") << 2 << QList<int>{71} << u"Hot (windy)"_s << u"Cloud"_s;
        QTest::newRow("desert 91") << 2 << QList<int>{91} << u"Duststorm"_s << u"Storm"_s;
        QTest::newRow("desert 100") << 2 << QList<int>{100} << u"Downpour"_s << u"Pour"_s;
        QTest::newRow("no climate selected") << -1 << QList<int>{} << QString() << QString();
    }

    void rolls()
    {
        QFETCH(int, climate);
        QFETCH(QList<int>, dice);
        QFETCH(QString, text);
        QFETCH(QString, icon);

        QList<float> values;
        for (int roll : dice)
            values << (float(roll) - 0.5f) / 100.0f; // rolls `roll` on percentile dice
        values << 0.0f; // a roll too many shows in `calls`
        ScriptedRandomSource random(values);
        const std::optional<Weather> weather = WeatherGenerator(random).Generate(climate);
        QCOMPARE(random.calls, dice.size());
        QCOMPARE(weather.has_value(), !text.isEmpty());
        if (weather)
            QCOMPARE(*weather, (Weather{text, u"\\Icons\\"_s + icon + u".ICO"_s}));
    }

    void restoredText()
    {
        // A campaign keeps only the text: the icon comes back from it, for a text of a second roll
        // too. (The climates' captions are checked where the weather frame shows them.)
        QCOMPARE(WeatherGenerator::IconForText(u"Heat wave"_s), u"\\Icons\\Fire.ICO"_s);
        QCOMPARE(WeatherGenerator::IconForText(u"heat wave"_s), QString());
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestWeatherGenerator)
#include "TestWeatherGenerator.moc"
