#include "core/generators/TownGenerator.h"

#include "support/ScriptedRandomSource.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The r that rolls `roll` on a die of `sides`: the middle of its interval.
float rolled(int roll, int sides) { return (float(roll) - 0.5f) / float(sides); }

} // namespace

class TestTownGenerator : public QObject
{
    Q_OBJECT

private slots:
    void generate_data()
    {
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QStringList>("items");
        // Rolls in order: size, the types, the alignments, racial mix, dominant race.
        QTest::newRow("metropolis: four centres, type 14 and 19, alignment 64 and 65, mix 25")
            << QList<float> { rolled(100, 100), rolled(1, 20), rolled(13, 20), rolled(14, 20), rolled(19, 20),
                   rolled(35, 100), rolled(36, 100), rolled(64, 100), rolled(65, 100), rolled(25, 100),
                   rolled(26, 100) }
            << QStringList { u"Saltmarsh"_s, u"Oerik"_s, u"Metropolis"_s, u"25,001 or more"_s, u"100,000 gp"_s,
                   u"Conventional"_s, u"Lawful good"_s, u"Conventional"_s, u"Neutral good"_s, u"Nonstandard"_s,
                   u"Chaotic neutral"_s, u"Magical"_s, u"Lawful evil"_s, u"Isolated"_s, u"Humans"_s };
        QTest::newRow("small city: two centres, mix 26, race from the gap")
            << QList<float> { rolled(86, 100), rolled(18, 20), rolled(20, 20), rolled(99, 100), rolled(98, 100),
                   rolled(26, 100), rolled(37, 100) }
            << QStringList { u"Saltmarsh"_s, u"Oerik"_s, u"Small City"_s, u"5,001-12,000"_s, u"15,000 gp"_s,
                   u"Nonstandard"_s, u"Chaotic evil"_s, u"Magical"_s, u"Neutral evil"_s, QString(), QString(),
                   QString(), QString(), u"Mixed"_s, u"Elves"_s };
        QTest::newRow("thorp: one centre")
            << QList<float> { rolled(1, 100), rolled(1, 20), rolled(1, 100), rolled(71, 100), rolled(52, 100) }
            << QStringList { u"Saltmarsh"_s, u"Oerik"_s, u"Thorp"_s, u"20-80"_s, u"40 gp"_s, u"Conventional"_s,
                   u"Lawful good"_s, QString(), QString(), QString(), QString(), QString(), QString(), u"Integrated"_s,
                   u"Dwarves"_s };
    }

    void generate()
    {
        QFETCH(QList<float>, script);
        QFETCH(QStringList, items);
        // The last draw's results all go; the typed name and continent stay.
        TownValues shown;
        shown.load(QStringList { u"Saltmarsh"_s, u"Oerik"_s } + QStringList(13, u"old"_s));
        ScriptedRandomSource random(script);
        QCOMPARE(TownGenerator::Generate(random, shown).toItems(), items);
        QCOMPARE(random.calls, script.size());
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestTownGenerator)
#include "TestTownGenerator.moc"
