#include "core/calendar/CalendarWizardRules.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QStringList Months = oCalendar::newCampaignCalendar().MonthLines();

/// The wizard's rules on the default calendar after the steps: "select ROW", "count TEXT",
/// "add NAME DAYS" ("_" stands for a blank), "up", "down", "remove", "clear".
CalendarWizardRules run(const QStringList &steps)
{
    CalendarWizardRules rules;
    rules.load(oCalendar::newCampaignCalendar());
    for (const QString &step : steps) {
        const QStringList words = step.split(u' ');
        const QString word = words.first();
        if (word == u"select"_s)
            rules.select(words.at(1).toInt());
        else if (word == u"count"_s)
            rules.setMonthCount(words.value(1));
        else if (word == u"add"_s)
            rules.add(QString(words.at(1)).replace(u'_', u' '), words.at(2));
        else if (word == u"up"_s || word == u"down"_s)
            rules.moveSelected(word == u"up"_s ? -1 : 1);
        else if (word == u"remove"_s)
            rules.removeSelected();
        else
            rules.clear();
    }
    return rules;
}

QStringList lines(const CalendarWizardRules &rules)
{
    QStringList lines;
    for (const CalendarWizardRules::Row &row : rules.rows())
        lines << row.name + u';' + row.days;
    return lines;
}

} // namespace

class TestCalendarWizardRules : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("selected");

        QStringList swapped = Months;
        swapped.swapItemsAt(1, 2);
        QStringList frost = Months;
        frost[1] = u"Frost;40"_s;
        const QStringList twoEmpty = Months + QStringList(2, u";"_s);

        QTest::newRow("opened") << QStringList{} << Months << -1;
        QTest::newRow("count 0") << QStringList{u"count 0"_s} << QStringList{} << -1;
        QTest::newRow("count 14: two empty rows") << QStringList{u"count 14"_s} << twoEmpty << -1;
        QTest::newRow("count 10: from the end") << QStringList{u"select 11"_s, u"count 10"_s} << Months.first(10) << -1;
        // An empty or unreadable count, or one beyond 16 bits, is 12.
        QTest::newRow("count left empty") << QStringList{u"count 14"_s, u"count"_s} << Months << -1;
        QTest::newRow("count beyond 16 bits") << QStringList{u"count 32768"_s} << Months << -1;
        QTest::newRow("add fills the first empty row")
            << QStringList{u"count 14"_s, u"add Undecimber 30"_s} << Months + QStringList{u"Undecimber;30"_s, u";"_s}
            << -1;
        QTest::newRow("add appends a counted row") << QStringList{u"add _Extra_ 99999"_s}
                                                   << Months + QStringList{u"Extra;32767"_s} << -1;
        QTest::newRow("add replaces the selected row") << QStringList{u"select 1"_s, u"add Frost 040"_s} << frost << -1;
        QTest::newRow("up") << QStringList{u"select 2"_s, u"up"_s} << swapped << 1;
        QTest::newRow("the first stays first") << QStringList{u"select 0"_s, u"up"_s} << Months << 0;
        QTest::newRow("the last stays last") << QStringList{u"select 11"_s, u"down"_s} << Months << 11;
        QTest::newRow("nothing selected moves nothing") << QStringList{u"up"_s, u"remove"_s} << Months << -1;
        QTest::newRow("remove") << QStringList{u"select 1"_s, u"remove"_s} << Months.mid(0, 1) + Months.mid(2) << -1;
        QTest::newRow("no such row") << QStringList{u"select 12"_s} << Months << -1;
        QTest::newRow("clear") << QStringList{u"select 3"_s, u"clear"_s} << QStringList{} << -1;
        QTest::newRow("clear, then months from 1") << QStringList{u"clear"_s, u"add Ice 10"_s, u"add Sun 20"_s}
                                                   << QStringList{u"Ice;10"_s, u"Sun;20"_s} << -1;
    }

    void rows()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, rows);
        QFETCH(int, selected);

        const CalendarWizardRules rules = run(steps);
        QCOMPARE(lines(rules), rows);
        QCOMPARE(rules.monthCount(), rows.size());
        QCOMPARE(rules.selectedRow(), selected);
        QCOMPARE(rules.canMoveOrRemove(), selected >= 0);
    }

    void acceptance()
    {
        QVERIFY(run({}).canAccept(u"2007"_s, 1, 1));
        QVERIFY(!run({u"count 0"_s}).canAccept(u"2007"_s, 1, 1));
        QVERIFY(!run({u"count 13"_s}).canAccept(u"2007"_s, 1, 1)); // a row without a name
        QVERIFY(!run({}).canAccept(u" "_s, 1, 1));
        QVERIFY(!run({}).canAccept(u"2007"_s, 0, 1)); // no month chosen
        QVERIFY(!run({}).canAccept(u"2007"_s, 1, 0)); // no day chosen
        // Cleared, three months make a calendar of three.
        QVERIFY(run({u"clear"_s, u"add Ice 10"_s, u"add Sun 20"_s, u"add Mud 30"_s}).canAccept(u"1"_s, 3, 30));
    }

    void startMonthsAndTheNewCalendar()
    {
        const CalendarWizardRules rules = run({u"count 3"_s, u"select 1"_s, u"add Frost 30"_s, u"count 4"_s,
                                               u"select 2"_s, u"add FROST 9"_s});
        QCOMPARE(rules.namedMonths(), (QStringList{u"January"_s, u"Frost"_s, u"FROST"_s}));
        QCOMPARE(rules.daysOf(u"Frost"_s), 30);
        QCOMPARE(rules.daysOf(QString()), 0);
        QCOMPARE(rules.repeatedName(), u"FROST"_s);
        QCOMPARE(run({}).repeatedName(), QString());

        // A name taken in another letter case is dropped; the calendar keeps the start date given.
        const oCalendar calendar = rules.newCalendar(u" 812 "_s, 2, 7, u"812:1:1"_s);
        QCOMPARE(calendar.MonthLines(), (QStringList{u"January;31"_s, u"Frost;30"_s}));
        QCOMPARE(calendar.StartDate(), u"812:1:1"_s);
        QCOMPARE(CalendarWizardRules::DateString(u" 812 "_s, 2, 7), u"812:2:7"_s);
        QCOMPARE(CalendarWizardRules::DisplayDate(u"Thaw 100%"_s, 7, u"812 "_s), u"Thaw 100% 7, 812"_s);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCalendarWizardRules)
#include "TestCalendarWizardRules.moc"
