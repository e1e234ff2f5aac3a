#include "core/generators/TownValues.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestTownValues : public QObject
{
    Q_OBJECT

private slots:
    void load_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("understood");
        QTest::addColumn<QStringList>("written");
        const QStringList city = {u"Saltmarsh"_s, u"Oerik"_s, u"Small City"_s, u"5,001-12,000"_s, u"15,000 gp"_s,
            u"Conventional"_s, u"Lawful good"_s, u"Magical"_s, u"Chaotic neutral"_s, QString(), QString(), QString(),
            QString(), u"Mixed"_s, u"Humans"_s};
        const QStringList empty(TownValues::ItemCount, QString());
        QTest::newRow("new campaign") << QStringList() << false << empty;
        QTest::newRow("small city") << city << true << city;
        QTest::newRow("only typed values") << city.mid(0, 2) << false << city.mid(0, 2) + empty.mid(2);
        QTest::newRow("one item too many") << city + QStringList{u"extra"_s} << false << city;
    }

    void load()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, understood);
        QFETCH(QStringList, written);
        TownValues town = TownValues::defaults();
        QCOMPARE(town.load(items), understood);
        QCOMPARE(town.toItems(), written);
        if (items.size() >= TownValues::ItemCount) {
            QCOMPARE(town.size, u"Small City"_s);
            QCOMPARE(town.powerCentres[0].alignment, u"Lawful good"_s);
            QCOMPARE(town.powerCentres[1].type, u"Magical"_s);
            QCOMPARE(town.dominantRace, u"Humans"_s);
        }
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestTownValues)
#include "TestTownValues.moc"
