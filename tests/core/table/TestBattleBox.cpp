#include "core/table/BattleBoxCounters.h"
#include "core/table/BattleBoxList.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// "Orc:12 Elf:7*" : one entry per word, name ":" initiative, "*" for a ticked entry.
void fill(BattleBoxList &list, const QString &rows)
{
    QList<BattleBoxEntry> entries;
    for (const QString &row : rows.split(u' ', Qt::SkipEmptyParts)) {
        BattleBoxEntry entry;
        entry.ticked = row.endsWith(u'*');
        const QStringList parts = row.chopped(entry.ticked ? 1 : 0).split(u':');
        entry.name = parts.at(0).split(u'_').join(u' ');
        entry.initiative = parts.value(1);
        entry.icon = u"orc.ico"_s;
        entries << entry;
    }
    list.setEntries(entries);
}

// The names in list order, with "*" after a ticked one.
QString names(const BattleBoxList &list)
{
    QStringList names;
    for (int row = 0; row < list.rowCount(); ++row) {
        const bool ticked = list.data(list.index(row, BattleBoxList::Turn), Qt::CheckStateRole) == int(Qt::Checked);
        names << list.data(list.index(row, BattleBoxList::Name)).toString() + (ticked ? u"*"_s : QString());
    }
    return names.join(u'|');
}

// Round, durations and situations joined by "|".
QString values(const BattleBoxCounters &counters)
{
    return QStringList{counters.round(), counters.duration(0), counters.duration(1), counters.situation(0),
                       counters.situation(1)}
        .join(u'|');
}

} // namespace

class TestBattleBox : public QObject
{
    Q_OBJECT

private slots:
    void sorting_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QList<int>>("clicks"); // header clicks; -1 is a round advance
        QTest::addColumn<QString>("order");
        const QString fight = u"Orc:7 Elf:12* Imp:-2 Rat:0*"_s;
        QTest::newRow("initiative descending") << fight << QList<int>{1} << u"Elf*|Orc|Rat*|Imp"_s;
        QTest::newRow("initiative ascending") << fight << QList<int>{1, 1} << u"Imp|Rat*|Orc|Elf*"_s;
        QTest::newRow("round advance") << fight << QList<int>{-1} << u"Elf|Orc|Rat|Imp"_s;
        QTest::newRow("round advance after ascending") << fight << QList<int>{1, 1, -1} << u"Elf|Orc|Rat|Imp"_s;
        QTest::newRow("name as text, case ignored") << u"orc Elf imp Zed"_s << QList<int>{2} << u"Zed|orc|imp|Elf"_s;
        QTest::newRow("hidden columns") << fight << QList<int>{14, 15} << u"Orc|Elf*|Imp|Rat*"_s;
        QTest::newRow("turn column keeps equal rows") << fight << QList<int>{0} << u"Orc|Elf*|Imp|Rat*"_s;
    }

    void sorting()
    {
        QFETCH(QString, rows);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, order);
        BattleBoxList list;
        fill(list, rows);
        for (int click : clicks) {
            if (click < 0)
                list.advanceRound();
            else
                QCOMPARE(list.headerClicked(click), click < BattleBoxList::SortKey);
        }
        QCOMPARE(names(list), order);
    }

    void staysSorted()
    {
        BattleBoxList list;
        fill(list, u"Orc:7 Elf:12"_s);
        list.headerClicked(BattleBoxList::Initiative);
        const QPersistentModelIndex orc = list.index(1, BattleBoxList::Name);
        BattleBoxEntry imp = list.entry(0);
        imp.initiative = u"9"_s;
        imp.name = u"Imp"_s;
        QCOMPARE(list.addEntry(imp), 1);
        QCOMPARE(orc.row(), 2);
        // An edit keeps its row until the next sort.
        QVERIFY(list.setData(list.index(2, BattleBoxList::Initiative), u"15"_s));
        QCOMPARE(list.data(list.index(2, BattleBoxList::SortKey)).toString(), u"000015"_s);
        QCOMPARE(names(list), u"Elf|Imp|Orc"_s);
        list.advanceRound();
        QCOMPARE(names(list), u"Orc|Elf|Imp"_s);
        QCOMPARE(orc.row(), 0);
        QVERIFY(!list.setData(list.index(0, BattleBoxList::SortKey), u"1"_s));
        QVERIFY(!list.setData(list.index(0, BattleBoxList::Icon), u"x"_s));
    }

    void replicate_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("after");
        QTest::newRow("Goblin x3") << u"Goblin"_s << 0 << 3 << u"Goblin_(1)|Goblin_(2)|Goblin_(3)|Goblin_(4)"_s;
        QTest::newRow("copy of Goblin (4)") << u"Goblin_(1) Goblin_(2) Goblin_(3) Goblin_(4)"_s << 3 << 1
                                            << u"Goblin_(1)|Goblin_(2)|Goblin_(3)|Goblin_(4)|Goblin_(5)"_s;
        QTest::newRow("after the highest")
            << u"Orc_(1) Orc_(2) Orc_(3)"_s << 1 << 1 << u"Orc_(1)|Orc_(2)|Orc_(3)|Orc_(4)"_s;
        QTest::newRow("base without case") << u"orc_(7) Orc_(2)"_s << 1 << 1 << u"orc_(7)|Orc_(2)|Orc_(8)"_s;
        QTest::newRow("no number contributes none") << u"Orc_(x) Orc_(2)"_s << 1 << 1 << u"Orc_(x)|Orc_(2)|Orc_(3)"_s;
        QTest::newRow("beyond 16 bits contributes none")
            << u"Orc_(40000) Orc_(2)"_s << 1 << 1 << u"Orc_(40000)|Orc_(2)|Orc_(3)"_s;
        QTest::newRow("( without )") << u"Orc_(2"_s << 0 << 2 << u"Orc_(2"_s;
    }

    void replicate()
    {
        QFETCH(QString, rows);
        QFETCH(int, source);
        QFETCH(int, count);
        QFETCH(QString, after);
        BattleBoxList list;
        fill(list, rows);
        const int before = list.rowCount();
        const int added = list.ReplicateEntry(source, count);
        QCOMPARE(added, list.rowCount() - before);
        QCOMPARE(names(list), after.replace(u'_', u' '));
    }

    void replicateFillsTheList()
    {
        BattleBoxList list;
        fill(list, u"Orc:7* Elf:12"_s);
        QCOMPARE(list.ReplicateEntry(0, BattleBoxList::MaxEntries), BattleBoxList::MaxEntries - 2);
        QCOMPARE(list.rowCount(), BattleBoxList::MaxEntries);
        const BattleBoxEntry &last = list.entries().last();
        QCOMPARE(last.name, u"Orc (32766)"_s);
        QCOMPARE(last.initiative, u"7"_s);
        QVERIFY(!last.ticked);
        QCOMPARE(last.icon, QString());
        QCOMPARE(list.ReplicateEntry(1, 1), 0);
        QCOMPARE(list.entry(1).name, u"Elf"_s);
        QCOMPARE(list.addEntry(BattleBoxEntry()), -1);
        QVERIFY(!list.insertRows(0, 1));
    }

    void nameCheck_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("editedRow");
        QTest::addColumn<bool>("taken");
        QTest::newRow("base name of a copy") << u"Orc"_s << -1 << true;
        QTest::newRow("case counts") << u"orc"_s << -1 << false;
        QTest::newRow("own name") << u"Elf"_s << 1 << false;
        QTest::newRow("another's name") << u"Elf"_s << 0 << true;
        QTest::newRow("numbered name") << u"Orc (2)"_s << -1 << false;
    }

    void nameCheck()
    {
        QFETCH(QString, name);
        QFETCH(int, editedRow);
        BattleBoxList list;
        fill(list, u"Orc_(2) Elf"_s);
        QTEST(list.isNameTaken(name, editedRow), "taken");
    }

    void counters_data()
    {
        QTest::addColumn<QString>("start"); // the five values joined by "|"
        QTest::addColumn<QString>("steps"); // advance, back, up0, down1, reset0, clear
        QTest::addColumn<QString>("after");
        QTest::newRow("advance counts durations down")
            << u"1|1|5|Bless|Haste"_s << u"advance"_s << u"2|1|4|Bless|Haste"_s;
        QTest::newRow("new campaign durations rise to 1") << QString() << u"advance advance"_s << u"3|1|1||"_s;
        QTest::newRow("back from 1 stays 1") << u"2|3|3||"_s << u"back back"_s << u"1|3|3||"_s;
        QTest::newRow("shortest text") << u"2.5|1|1||"_s << u"advance"_s << u"3.5|1|1||"_s;
        QTest::newRow("round not a number") << u"x|1|1||"_s << u"advance"_s << u"1|1|1||"_s;
        QTest::newRow("round stops at its top") << u"1e20|1|1||"_s << u"advance"_s << u"999999999999999|1|1||"_s;
        QTest::newRow("duration up, 32767 stays") << u"1|32767|9||"_s << u"up0 up1"_s << u"1|32767|10||"_s;
        QTest::newRow("down only from 2") << u"1|2|1||"_s << u"down0 down0 down1"_s << u"1|1|1||"_s;
        QTest::newRow("reset keeps the situation") << u"7|9|0|Bless|"_s << u"reset0 reset1"_s << u"7|1|1|Bless|"_s;
        QTest::newRow("clear all") << u"7|9|4|Bless|Haste"_s << u"clear"_s << u"1|1|1||"_s;
    }

    void counters()
    {
        QFETCH(QString, start);
        QFETCH(QString, steps);
        const QStringList v = start.split(u'|');
        BattleBoxCounters counters; // "" starts as a new campaign
        if (!start.isEmpty())
            counters = BattleBoxCounters(v.at(0), v.at(1), v.at(2), v.at(3), v.at(4));
        for (const QString &step : steps.split(u' ')) {
            const int which = step.right(1).toInt();
            if (step == u"advance")
                counters.advanceRound();
            else if (step == u"back")
                counters.stepRoundBack();
            else if (step.startsWith(u"up"))
                counters.durationUp(which);
            else if (step.startsWith(u"down"))
                counters.durationDown(which);
            else if (step.startsWith(u"reset"))
                counters.resetDuration(which);
            else
                counters.clearAll();
        }
        QTEST(values(counters), "after");
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestBattleBox)
#include "TestBattleBox.moc"
