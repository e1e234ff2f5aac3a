#include "core/calendar/MoonEditRules.h"
#include "core/calendar/oCalendar.h"
#include "core/calendar/oMoon.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QList<MoonRecord> TwoMoons{{u"Luna"_s, 28, u"2007:2:3"_s}, {u"Mira"_s, 10, u"2007:1:9"_s}};

/// The Moons dialog's rules over TwoMoons after the steps: "select ROW", "add NAME PERIOD MONTH
/// DAY" ("_" stands for a blank), "remove".
MoonEditRules run(const QStringList &steps)
{
    MoonEditRules rules;
    rules.load(TwoMoons, oCalendar::newCampaignCalendar().MonthNames(), u"2007"_s, false);
    for (const QString &step : steps) {
        const QStringList words = step.split(u' ');
        if (words.first() == u"select"_s)
            rules.select(words.at(1).toInt());
        else if (words.first() == u"add"_s)
            rules.add(QString(words.at(1)).replace(u'_', u' '), words.at(2), words.at(3).toInt(), words.at(4).toInt());
        else
            rules.removeSelected();
    }
    return rules;
}

oMoon moonOf(int period, const QString &fullDate, const oCalendar &calendar)
{
    oMoon moon;
    moon.init(u"Luna"_s, period, fullDate);
    moon.BuildPhaseTable(calendar);
    return moon;
}

} // namespace

class TestMoons : public QObject
{
    Q_OBJECT

private slots:
    void phaseTable_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("fullDate");
        QTest::addColumn<QString>("first"); // "day number=phase", day numbers of the default calendar
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("last");

        // Boundaries fall on eighths of the period; days round half to even (6.5 gives 6, 13.5 14).
        QTest::newRow("period 28, day 3") << 28 << u"2007:1:3"_s
                                          << u"3=1 6=2 10=3 14=4 17=5 20=6 24=7 28=8 31=1 34=2 38=3 42=4 45=5"_s << 104
                                          << u"364=8"_s;
        QTest::newRow("period 29, day 10") << 29 << u"2007:6:10"_s << u"3=7 6=8 10=1 14=2 17=3 21=4 24=5 28=6 32=7"_s
                                           << 101 << u"365=3"_s;
        QTest::newRow("longer than a year") << 400 << u"2007:1:3"_s << u"3=1 53=2 103=3 153=4 203=5 253=6 303=7 353=8"_s
                                            << 8 << u"353=8"_s;
        QTest::newRow("day past the period") << 8 << u"2007:1:20"_s << u"13=2 14=3 15=4 16=5 17=6 18=7 19=8 20=1"_s
                                             << 353 << u"365=2"_s;
        QTest::newRow("one-day period") << 1 << u"2007:1:1"_s << u"1=6 1=7 1=8 1=1 1=2 1=3 1=4 2=5"_s << 2919
                                        << u"365=4"_s;
        QTest::newRow("day 0") << 28 << u"2007:1:0"_s << QString() << 0 << QString();
        QTest::newRow("day past 16 bits") << 28 << u"2007:1:99999"_s << QString() << 0 << QString();
        QTest::newRow("period 0") << 0 << u"2007:1:3"_s << QString() << 0 << QString();
    }

    void phaseTable()
    {
        QFETCH(int, period);
        QFETCH(QString, fullDate);
        QFETCH(QString, first);
        QFETCH(int, count);
        QFETCH(QString, last);

        const oCalendar calendar = oCalendar::newCampaignCalendar();
        QStringList days;
        const oMoon moon = moonOf(period, fullDate, calendar);
        for (const oPhase &phase : moon.Phases()) {
            const int dayNumber = calendar.GetOrdinalFromDate(phase.PhaseDate()).dayNumber;
            days << QString::number(dayNumber) + u'=' + QString::number(phase.PhaseNumber());
        }
        QCOMPARE(days.mid(0, first.count(u'=')).join(u' '), first);
        QCOMPARE(days.size(), count);
        QCOMPARE(days.value(days.size() - 1), last);
    }

    void workingCalendar()
    {
        // The table runs through the year of the first full moon under the campaign's months,
        // whatever the campaign's own start date.
        oCalendar calendar;
        calendar.Init_4({u"Ice;20"_s, u"Sun;10"_s, u"dates"_s}, u"2007:2:5"_s);
        const oMoon moon = moonOf(8, u"2010:2:5"_s, calendar);
        QCOMPARE(moon.Phases().size(), 30);
        QCOMPARE(moon.Phases().first(), oPhase(u"2010:1:1"_s, 5));
        QCOMPARE(moon.Phases().last(), oPhase(u"2010:2:10"_s, 2));

        // Only the day of the first full moon counts: day 3 of April draws the table of January 3.
        const oCalendar twelve = oCalendar::newCampaignCalendar();
        QCOMPARE(moonOf(28, u"2007:4:3"_s, twelve).Phases(), moonOf(28, u"2007:1:3"_s, twelve).Phases());
    }

    void editRules()
    {
        using R = MoonEditRules;
        const auto day = [](int selected, int period) {
            const R::DayCheck check = R::CheckDay(selected, period);
            return QString::number(check.day) + (check.allowed ? u" allowed"_s : u""_s) + (check.warn ? u" warn"_s : u""_s);
        };
        QCOMPARE(day(27, 28), u"27 allowed"_s);
        QCOMPARE(day(30, 28), u"2 warn"_s);
        QCOMPARE(day(28, 28), u"28 warn"_s); // no day left a period earlier

        QCOMPARE(R::AddOne(u"8"_s), 9);
        QCOMPARE(R::AddOne(u"150"_s), 99);
        QCOMPARE(R::AddOne(QString()), 1);
        const auto down = [](const QString &period, int selected) {
            const R::PeriodStep step = R::SubstractOne(period, selected);
            return QString::number(step.period) + (step.warn ? u" warn"_s : u""_s);
        };
        QCOMPARE(down(u"8"_s, 1), u"8"_s);
        QCOMPARE(down(QString(), 1), u"8"_s);
        QCOMPARE(down(u"12"_s, 11), u"11"_s);
        QCOMPARE(down(u"12"_s, 12), u"13 warn"_s);
    }

    void moonList_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("rows"); // the texts of each row joined by "|"
        QTest::addColumn<bool>("applies");        // OK may be clicked

        const QString luna = u"Luna|28|03 / February / 2007|2007:2:3"_s;
        const QString mira = u"Mira|10|09 / January / 2007|2007:1:9"_s;
        QTest::newRow("opened") << QStringList{} << QStringList{luna, mira} << false;
        QTest::newRow("add") << QStringList{u"add _Selune_ 28 3 5"_s}
                             << QStringList{luna, mira, u"Selune|28|05 / March / 2007|2007:3:5"_s} << true;
        QTest::newRow("edit the clicked row") << QStringList{u"select 0"_s, u"add Luna 30 2 3"_s}
                                              << QStringList{u"Luna|30|03 / February / 2007|2007:2:3"_s, mira} << true;
        QTest::newRow("a name in the list is its row") << QStringList{u"add Mira 12 1 1"_s}
                                                       << QStringList{luna, u"Mira|12|01 / January / 2007|2007:1:1"_s}
                                                       << true;
        QTest::newRow("renamed to another's name: one row") << QStringList{u"select 1"_s, u"add Luna 12 1 1"_s}
                                                            << QStringList{u"Luna|12|01 / January / 2007|2007:1:1"_s}
                                                            << true;
        QTest::newRow("remove the clicked row") << QStringList{u"select 0"_s, u"remove"_s} << QStringList{mira} << true;
        QTest::newRow("remove without a click") << QStringList{u"remove"_s} << QStringList{luna, mira} << false;
    }

    void moonList()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, rows);
        QFETCH(bool, applies);

        const MoonEditRules rules = run(steps);
        QStringList shown;
        for (int row = 0; row < rules.moons().size(); ++row)
            shown << rules.rowTexts(row).join(u'|');
        QCOMPARE(shown, rows);
        QCOMPARE(rules.selectedRow(), -1);
        QVERIFY(!rules.canRemove());
        QCOMPARE(rules.canApply(), applies);
    }

    void rowBeingEdited()
    {
        MoonEditRules rules = run({});
        const MoonEditRules::Edit edit = rules.select(0);
        QCOMPARE(edit.name + u' ' + edit.period, u"Luna 28"_s);
        QCOMPARE(std::pair(edit.month, edit.day), std::pair(2, 3));
        QCOMPARE(rules.selectedRow(), 0);
        QVERIFY(rules.canRemove());
        rules.resetEdit();
        QCOMPARE(rules.selectedRow(), -1);
        // The show-moons option changed is a change to apply; changed back, it is none.
        rules.setShowMoons(true);
        QVERIFY(rules.canApply());
        rules.setShowMoons(false);
        QVERIFY(!rules.canApply());

        // A stored first full moon outside the calendar's months and days shows within them.
        rules.load({{u"Odd"_s, 8, u"2007:13:0"_s}}, {u"Ice"_s, u"Sun"_s}, u"2007"_s, true);
        const MoonEditRules::Edit odd = rules.select(0);
        QCOMPARE(std::pair(odd.month, odd.day), std::pair(2, 1));
        QCOMPARE(rules.rowTexts(0).at(2), u"00 /  / 2007"_s);
    }

    void addEnabled()
    {
        MoonEditRules rules = run({});
        QVERIFY(!rules.canAdd(u"Luna"_s, u"28"_s, 27)); // nothing typed or chosen yet
        rules.markChanged();
        QVERIFY(rules.canAdd(u"Luna"_s, u"28"_s, 27));
        QVERIFY(!rules.canAdd(u" "_s, u"28"_s, 1));
        QVERIFY(!rules.canAdd(u"Luna"_s, QString(), 1));
        QVERIFY(!rules.canAdd(u"Luna"_s, u"28"_s, 28)); // the day must be before the period
        QVERIFY(!rules.canAdd(u"Luna"_s, u"32768"_s, 1));
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestMoons)
#include "TestMoons.moc"
