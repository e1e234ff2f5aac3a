#include "core/common/SharedValues.h"
#include "core/table/BattleBoxEntry.h"
#include "core/table/StatsRow.h"
#include "core/table/XpRow.h"

#include "support/ItemRoundTrip.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestTableRecords : public QObject
{
    Q_OBJECT

private slots:
    void xpItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("name"); // null when the item is refused
        QTest::addColumn<QString>("xp");
        QTest::newRow("player") << u"Aragorn;12000;3000"_s << u"Aragorn"_s << u"12000"_s;
        QTest::newRow("leading zeros kept") << u"Mérovée;007;0100"_s << u"Mérovée"_s << u"007"_s;
        QTest::newRow("empty values") << u";;"_s << u""_s << u""_s;
        QTest::newRow("empty item") << QString() << QString() << QString();
        QTest::newRow("two fields") << u"Aragorn;12000"_s << QString() << QString();
        QTest::newRow("four fields") << u"Aragorn;12000;3000;1"_s << QString() << QString();
    }

    void xpItems()
    {
        QFETCH(QString, item);
        QFETCH(QString, name);
        QFETCH(QString, xp);
        std::optional<XpRow> row;
        QCOMPARE(itemRoundTrip(item, &row), name.isNull() ? QString() : item);
        QCOMPARE(row.value_or(XpRow()).name, name);
        QCOMPARE(row.value_or(XpRow()).xp, xp);
    }

    void statsRoundTrip()
    {
        const QString item = u"Lidda;Rogue 3;3;Small;F;CN;Olidammara;2 ft. 11 in.;35 lb.;Halfling;"
                             "10;17;12;14;10;8;16;20 ft.;+3;+2;+7;+1;16"_s;
        std::optional<StatsRow> row;
        QCOMPARE(itemRoundTrip(item, &row), item);
        QCOMPARE((QStringList{row->name, row->classAndLevel, row->deity, row->race, row->strength, row->charisma,
                              row->hitPoints, row->initiativeModifier, row->reflex, row->armourClass}),
                 (QStringList{u"Lidda"_s, u"Rogue 3"_s, u"Olidammara"_s, u"Halfling"_s, u"10"_s, u"8"_s, u"16"_s,
                              u"+3"_s, u"+7"_s, u"16"_s}));
        QCOMPARE(row->values(), item.split(u';'));
        QCOMPARE(StatsRow::fromValues(row->values()), *row);

        const QString jozan =
            u"Jozan;Cleric 3;3;Medium;M;NG;Pelor;5 ft.;170 lb.;Human;12;8;14;10;16;13;21;20 ft.;-1;+4;+0;+6;17"_s;
        // Read with the same shared values, rows share the values they have in common (from the
        // second time a value is met).
        SharedValues shared;
        const std::optional<StatsRow> first = StatsRow::fromItem(item, &shared);
        const std::optional<StatsRow> next = StatsRow::fromItem(jozan, &shared);
        const std::optional<StatsRow> third = StatsRow::fromItem(item, &shared);
        QCOMPARE(next->toItem(), jozan);
        QCOMPARE(third->speed.constData(), next->speed.constData());
        QVERIFY(third->size.constData() != next->size.constData());

        // A short CSV line fills the first values and leaves the rest empty.
        const StatsRow shortRow = StatsRow::fromValues({u"Jozan"_s, u"Cleric 3"_s});
        QCOMPARE(shortRow.toItem(), u"Jozan;Cleric 3"_s + QString(21, u';'));
    }

    void statsRefused_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("22 fields") << QString(21, u';');
        QTest::newRow("24 fields") << QString(23, u';');
        QTest::newRow("name only") << u"Lidda"_s;
    }

    void statsRefused()
    {
        QFETCH(QString, item);
        QCOMPARE(itemRoundTrip<StatsRow>(item), QString());
    }

    void battleBox_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("written"); // null: the item as it was
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("name"); // none: the entry is not written
        QTest::addColumn<QString>("sortKey");
        QTest::addColumn<QString>("icon");
        QTest::newRow("ticked orc") << u"T;15;Orc (3);+4;+1;-1;Darkvision 60 ft.;30;13;+4;1d12+4;+1;1d6;12;Icons\\Orc.ico"_s
                                    << QString() << true << u"Orc (3)"_s << u"000015"_s << u"Icons\\Orc.ico"_s;
        QTest::newRow("unticked, no icon") << u"F;-2;Kobold;+1;+1;+0;;30;15;-1;1d6-1;+1;1d4;4;"_s << QString() << false
                                           << u"Kobold"_s << u"0000-2"_s << QString();
        QTest::newRow("only a name") << u"F;;Ghost;;;;;;;;;;;;"_s << QString() << false << u"Ghost"_s << u"000000"_s << QString();
        QTest::newRow("missing fields stay empty") << u"T;3;Kobold"_s << u"T;3;Kobold;;;;;;;;;;;;"_s << true << u"Kobold"_s
                                                   << u"000003"_s << QString();
        QTest::newRow("unknown mark is unticked") << u"X;3;Kobold"_s << u"F;3;Kobold;;;;;;;;;;;;"_s << false << u"Kobold"_s
                                                  << u"000003"_s << QString();
        QTest::newRow("lower-case t is unticked") << u"t;3;Kobold"_s << u"F;3;Kobold;;;;;;;;;;;;"_s << false << u"Kobold"_s
                                                  << u"000003"_s << QString();
        QTest::newRow("extra fields go to the icon") << u"F;1;Imp;;;;;;;;;;;;a;b"_s << QString() << false << u"Imp"_s
                                                     << u"000001"_s << u"a;b"_s;
        QTest::newRow("no name") << u"T;12;;+1"_s << u"T;12;;+1;;;;;;;;;;;"_s << true << QString() << u"000012"_s << QString();
        QTest::newRow("empty item") << QString() << u"F;;;;;;;;;;;;;;"_s << false << QString() << u"000000"_s << QString();
    }

    void battleBox()
    {
        QFETCH(QString, item);
        QFETCH(QString, written);
        QFETCH(bool, ticked);
        QFETCH(QString, name);
        QFETCH(QString, sortKey);
        QFETCH(QString, icon);
        std::optional<BattleBoxEntry> entry;
        QCOMPARE(itemRoundTrip(item, &entry), written.isNull() ? item : written);
        QCOMPARE(entry->ticked, ticked);
        QCOMPARE(entry->name, name);
        QCOMPARE(entry->sortKey(), sortKey);
        QCOMPARE(entry->icon, icon);
        QCOMPARE(entry->isWritten(), !name.isEmpty());
        // Copies read with the same shared values share their values from the second on.
        SharedValues shared;
        (void)BattleBoxEntry::fromItem(item, &shared);
        const std::optional<BattleBoxEntry> second = BattleBoxEntry::fromItem(item, &shared);
        if (!name.isEmpty())
            QCOMPARE(BattleBoxEntry::fromItem(item, &shared)->name.constData(), second->name.constData());
    }

    void sortKey_data()
    {
        QTest::addColumn<QString>("initiative");
        QTest::addColumn<QString>("sortKey");
        QTest::addColumn<QString>("lower"); // an initiative that sorts below it
        QTest::newRow("7") << u"7"_s << u"000007"_s << u"-2"_s;
        QTest::newRow("12 above 7") << u"12"_s << u"000012"_s << u"7"_s;
        QTest::newRow("0 above -2") << u"0"_s << u"000000"_s << u"-2"_s;
        QTest::newRow("six characters unchanged") << u"123456"_s << u"123456"_s << u"99999"_s;
        QTest::newRow("longer unchanged") << u"1234567"_s << u"1234567"_s << u"123456"_s;
    }

    void sortKey()
    {
        QFETCH(QString, initiative);
        QFETCH(QString, sortKey);
        QFETCH(QString, lower);
        BattleBoxEntry entry;
        entry.initiative = initiative;
        QCOMPARE(entry.sortKey(), sortKey);
        BattleBoxEntry below;
        below.initiative = lower;
        QVERIFY(below.sortKey() < entry.sortKey());
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestTableRecords)
#include "TestTableRecords.moc"
