#include "core/calendar/CampaignClock.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

/// A clock on the default calendar at the given date and time, loaded as a campaign would be.
void load(CampaignClock &clock, const QString &currentDate, const QString &time = u"12;00;AM"_s)
{
    CalendarState state = CalendarState::defaults();
    state.currentDate = currentDate;
    ClockTime clockTime;
    clockTime.load({time});
    clock.load(oCalendar::fromState(state), state, clockTime);
}

} // namespace

class TestCampaignClock : public QObject
{
    Q_OBJECT

private slots:
    void loadIsSilentAndRoundTrips()
    {
        CampaignClock clock;
        QCOMPARE(clock.toCalendarState(), CalendarState::defaults());
        QCOMPARE(clock.toClockTime(), ClockTime::defaults());

        QSignalSpy weather(&clock, &CampaignClock::weatherDue);
        QSignalSpy modified(&clock, &CampaignClock::modified);
        load(clock, u"0099:12:31"_s, u"7;5;PM"_s);
        QCOMPARE(weather.count(), 0);
        QCOMPARE(modified.count(), 0);
        // Typed texts come back as they were stored.
        QCOMPARE(clock.toCalendarState().currentDate, u"0099:12:31"_s);
        QCOMPARE(clock.toClockTime().toItems(), QStringList{u"7;5;PM"_s});
        QCOMPARE(clock.startDateLabel(), u"2007/1/1"_s);

        // A current month outside the calendar is its first month, in the clock and in the file.
        for (const QString &stored : {u"2010:0:5"_s, u"2010:13:5"_s}) {
            load(clock, stored);
            QCOMPARE(clock.toCalendarState().currentDate, u"2010:1:5"_s);
        }
        load(clock, u"2010:12:5"_s);
        clock.ensureMonthSelected(); // a month selected stays
        QCOMPARE(clock.monthIndex(), 11);
    }

    void dateChanges_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("updating");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("weatherRolls");
        QTest::addColumn<int>("modifications");

        // Every rewritten day or year field asks for weather. A day step picks the new month first,
        // and picking a month cuts the day to it: a field change of its own (31 to 28 in February).
        QTest::newRow("next day") << u"2007:1:5"_s << u"day +"_s << false << u"2007:1:6"_s << 1 << 1;
        QTest::newRow("new year") << u"2007:12:31"_s << u"day +"_s << false << u"2008:1:1"_s << 2 << 1;
        QTest::newRow("into February") << u"2007:1:31"_s << u"day +"_s << false << u"2007:2:1"_s << 2 << 1;
        QTest::newRow("year up") << u"2007:3:31"_s << u"year +"_s << false << u"2008:3:31"_s << 1 << 1;
        QTest::newRow("never below year 1") << u"1:3:31"_s << u"year -"_s << false << u"1:3:31"_s << 0 << 0;
        QTest::newRow("year not a number") << u"abc:3:31"_s << u"year +"_s << false << u"1:3:31"_s << 1 << 1;
        QTest::newRow("16-bit year") << u"32767:3:31"_s << u"year +"_s << false << u"32767:3:31"_s << 0 << 0;
        QTest::newRow("February with day 30") << u"2007:1:30"_s << u"month 1"_s << false << u"2007:2:28"_s << 2 << 1;
        QTest::newRow("month, day fits") << u"2007:1:15"_s << u"month 1"_s << false << u"2007:2:15"_s << 1 << 1;
        QTest::newRow("updating, day cut") << u"2007:1:30"_s << u"month 1"_s << true << u"2007:2:28"_s << 1 << 0;
        QTest::newRow("updating, day fits") << u"2007:1:15"_s << u"month 1"_s << true << u"2007:2:15"_s << 0 << 0;
        QTest::newRow("no such month") << u"2007:1:30"_s << u"month 12"_s << false << u"2007:1:30"_s << 0 << 0;
        QTest::newRow("typed year") << u"2007:1:1"_s << u"type year 2010"_s << false << u"2010:1:1"_s << 1 << 1;
        QTest::newRow("same year typed") << u"2007:1:1"_s << u"type year 2007"_s << false << u"2007:1:1"_s << 0 << 0;
        QTest::newRow("typed while updating") << u"2007:1:1"_s << u"type day 9"_s << true << u"2007:1:9"_s << 1 << 0;
    }

    void dateChanges()
    {
        QFETCH(QString, before);
        QFETCH(QString, action);
        QFETCH(bool, updating);
        QFETCH(QString, after);
        QFETCH(int, weatherRolls);
        QFETCH(int, modifications);

        CampaignClock clock;
        load(clock, before);
        QSignalSpy weather(&clock, &CampaignClock::weatherDue);
        QSignalSpy modified(&clock, &CampaignClock::modified);
        clock.setUpdating(updating);
        const QStringList words = action.split(u' ');
        if (words.first() == u"day"_s)
            clock.stepDay(words.last() == u"+"_s ? 1 : -1);
        else if (words.first() == u"year"_s)
            QCOMPARE(clock.stepYear(words.last() == u"+"_s ? 1 : -1), before != after);
        else if (words.first() == u"month"_s)
            clock.selectMonth(words.last().toInt());
        else if (words.at(1) == u"year"_s)
            clock.setYearText(words.last());
        else
            clock.setDayText(words.last());
        QCOMPARE(clock.currentDate(), after);
        QCOMPARE(weather.count(), weatherRolls);
        QCOMPARE(modified.count(), modifications);
    }

    void timeStep_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("hourStep");
        QTest::addColumn<int>("minuteStep");
        QTest::addColumn<QString>("after");

        // Time items: hour;minute;half.
        QTest::newRow("11:59 PM + 1 minute") << u"11;59;PM"_s << 0 << 1 << u"12;00;PM"_s;
        QTest::newRow("12:59 PM + 1 minute") << u"12;59;PM"_s << 0 << 1 << u"01;00;AM"_s;
        QTest::newRow("01:00 AM - 1 minute") << u"01;00;AM"_s << 0 << -1 << u"12;59;PM"_s;
        QTest::newRow("12 AM + 1 hour") << u"12;30;AM"_s << 1 << 0 << u"01;30;PM"_s;
        QTest::newRow("1 PM - 1 hour") << u"01;30;PM"_s << -1 << 0 << u"12;30;AM"_s;
        QTest::newRow("11 AM + 1 hour") << u"11;30;AM"_s << 1 << 0 << u"12;30;AM"_s;
        QTest::newRow("digits padded") << u"5;7;AM"_s << 0 << 1 << u"05;08;AM"_s;
        QTest::newRow("both steps: nothing") << u"5;7;AM"_s << 1 << 1 << u"5;7;AM"_s;
    }

    void timeStep()
    {
        QFETCH(QString, before);
        QFETCH(int, hourStep);
        QFETCH(int, minuteStep);
        QFETCH(QString, after);

        CampaignClock clock;
        load(clock, u"2007:12:31"_s, before);
        QSignalSpy modified(&clock, &CampaignClock::modified);
        QSignalSpy weather(&clock, &CampaignClock::weatherDue);
        clock.stepTime(hourStep, minuteStep);
        QCOMPARE(clock.toClockTime().toItems(), QStringList{after});
        QCOMPARE(clock.currentDate(), u"2007:12:31"_s); // the time never carries into the date
        QCOMPARE(weather.count(), 0);
        QCOMPARE(modified.count(), before == after ? 0 : 1);
    }

    void typedTimeFields()
    {
        CampaignClock clock;
        QSignalSpy modified(&clock, &CampaignClock::modified);
        clock.setHourText(u"3"_s);
        clock.setPm(true);
        clock.setPm(true); // no change, no mark
        clock.setUpdating(true);
        clock.setMinuteText(u"30"_s);
        QCOMPARE(modified.count(), 2);
        QCOMPARE(clock.toClockTime().toItems(), QStringList{u"3;30;PM"_s});
    }

    void newCalendar()
    {
        CampaignClock clock;
        load(clock, u"2007:12:25"_s);
        QSignalSpy names(&clock, &CampaignClock::monthNamesChanged);
        QSignalSpy modified(&clock, &CampaignClock::modified);

        oCalendar fourteen;
        fourteen.Init_4(oCalendar::newCampaignCalendar().MonthLines() << u"Extra;5"_s << u"More;6"_s << u"dates"_s,
                        u"2007:1:1"_s);
        clock.setCalendar(fourteen);
        QCOMPARE(names.count(), 1);
        QCOMPARE(names.at(0).at(0).toStringList().last(), u"More"_s);
        QCOMPARE(clock.monthIndex(), 11);

        // A shorter calendar keeps the clock on its last month.
        oCalendar two;
        two.Init_4({u"Ice;10"_s, u"Sun;5"_s, u"dates"_s}, u"2007:1:1"_s);
        clock.setCalendar(two);
        QCOMPARE(clock.toCalendarState().currentDate, u"2007:2:25"_s);
        QCOMPARE(modified.count(), 0);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCampaignClock)
#include "TestCampaignClock.moc"
