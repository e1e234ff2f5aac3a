#include "core/calendar/CalendarState.h"
#include "core/calendar/oCalendar.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

oCalendar calendarOf(const QString &definition, const QString &startDate = u"2007:1:1"_s)
{
    oCalendar calendar;
    if (const std::optional<CalendarError> error = calendar.init(definition, startDate))
        qFatal("calendar refused: %s", qPrintable(error->detail));
    return calendar;
}

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT

private slots:
    void lookups_data()
    {
        QTest::addColumn<QString>("startDate");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("dayNumber");
        QTest::addColumn<int>("status");

        const QString start = u"2007:1:1"_s;
        QTest::newRow("first day") << start << u"2007:1:1"_s << 1 << oCalendar::StatusFound;
        QTest::newRow("last day") << start << u"2007:12:31"_s << 365 << oCalendar::StatusFound;
        QTest::newRow("next year") << start << u"2008:1:1"_s << 0 << oCalendar::StatusNoDayNumber;
        QTest::newRow("start in June") << u"2007:6:15"_s << u"2007:1:1"_s << 1 << oCalendar::StatusFound;
        QTest::newRow("year kept as written") << u"0099:1:1"_s << u"0099:3:1"_s << 60 << oCalendar::StatusFound;
    }

    void lookups()
    {
        QFETCH(QString, startDate);
        QFETCH(QString, date);
        QFETCH(int, dayNumber);
        QFETCH(int, status);

        const oCalendar calendar = calendarOf(oCalendar::defaultDefinition(), startDate);
        const oCalendar::OrdinalLookup found = calendar.GetOrdinalFromDate(date);
        QCOMPARE(found.dayNumber, dayNumber);
        QCOMPARE(found.status, status);
        if (status == oCalendar::StatusFound)
            QCOMPARE(calendar.GetDateFromOrdinal(dayNumber).date, date);
    }

    void everyDayBothWays()
    {
        // Every day of an uneven calendar: both tables agree, and one day on is the next day number.
        const oCalendar calendar = calendarOf(u"4;Ice_1;Thaw_45;Sun_2;Dark_30"_s, u"312:2:2"_s);
        QCOMPARE(calendar.YearLenght(), 78);
        for (int n = 1; n < calendar.YearLenght(); ++n) {
            const QString date = calendar.GetDateFromOrdinal(n).date;
            const QString next = calendar.GetDateFromOrdinal(n + 1).date;
            QCOMPARE(calendar.GetOrdinalFromDate(date).dayNumber, n);
            QCOMPARE(calendar.NextDate(date, +1), next);
            QCOMPARE(calendar.NextDate(next, -1), date);
        }
        QCOMPARE(calendar.GetDateFromOrdinal(2).date, u"312:2:1"_s);
        QCOMPARE(calendar.GetDateFromOrdinal(0).status, oCalendar::StatusNoDayNumber);
        QCOMPARE(calendar.GetDateFromOrdinal(79).status, oCalendar::StatusNoSuchDay);
        QCOMPARE(calendar.GetDateFromOrdinal(-1).status, oCalendar::StatusNoSuchDay);
    }

    void refusedDefinitions_data()
    {
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QString>("startDate");
        QTest::addColumn<CalendarError::Code>("code");

        using Code = CalendarError::Code;
        const QString start = u"2010:1:1"_s;
        QTest::newRow("count not a number") << u"twelve;January_31"_s << start << Code::CountNotNumber;
        QTest::newRow("days not a number") << u"2;January_31;February_x"_s << start << Code::DaysNotNumber;
        QTest::newRow("no days") << u"1;January"_s << start << Code::DaysNotNumber;
        QTest::newRow("days past 16 bits") << u"1;January_32768"_s << start << Code::DaysNotNumber;
        QTest::newRow("same name") << u"2;January_31;january_30"_s << start << Code::DuplicateName;
        QTest::newRow("colon in a name") << u"1;Jan:uary_31"_s << start << Code::BadMonthName;
        QTest::newRow("start date too short") << u"1;January_31"_s << u"2007035"_s << Code::BadStartDate;
    }

    void refusedDefinitions()
    {
        QFETCH(QString, definition);
        QFETCH(QString, startDate);
        QFETCH(CalendarError::Code, code);

        oCalendar calendar = oCalendar::newCampaignCalendar();
        const std::optional<CalendarError> error = calendar.init(definition, startDate);
        QVERIFY(error);
        QCOMPARE(error->code, code);
        // A refused definition leaves the calendar as it was.
        QCOMPARE(calendar.StartDate(), u"2007:1:1"_s);
        QCOMPARE(calendar.GetOrdinalFromDate(u"2007:12:31"_s).dayNumber, 365);
    }

    void monthLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("months");

        QStringList twelve = CalendarState::defaults().toItems();
        twelve.last() = u"2007:1:1;2008:5:6"_s;
        QTest::newRow("13 lines") << twelve << oCalendar::newCampaignCalendar().MonthLines();
        QTest::newRow("same name in other case dropped")
            << QStringList{u"Ice;10"_s, u"ICE;5"_s, u"Sun;3"_s, u"dates"_s} << QStringList{u"Ice;10"_s, u"Sun;3"_s};
        QTest::newRow("days not a number") << QStringList{u"Ice;x"_s, u"Sun;3"_s, u"Dark"_s, u"dates"_s}
                                           << QStringList{u"Ice;0"_s, u"Sun;3"_s, u"Dark;0"_s};
        QTest::newRow("names a month cannot have")
            << QStringList{u"Ice_cold;10"_s, u"Sun:hot;3"_s, u";4"_s, u"Dark;2;x"_s, u"dates"_s} << QStringList{u"Dark;2"_s};
        QTest::newRow("only the dates line") << QStringList{u"2007:1:1;2007:1:1"_s} << QStringList{};
        // No line at all keeps the months and renews only the start date and the tables.
        QTest::newRow("empty array") << QStringList{} << oCalendar::newCampaignCalendar().MonthLines();
    }

    void monthLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, months);

        oCalendar calendar = oCalendar::newCampaignCalendar();
        calendar.Init_4(lines, u"20100305"_s);
        QCOMPARE(calendar.MonthLines(), months);
        // The start date is kept as it stands, compact or not, and its whole text is the year.
        QCOMPARE(calendar.StartDate(), u"20100305"_s);
        if (calendar.YearLenght() > 0)
            QVERIFY(calendar.GetDateFromOrdinal(1).date.startsWith(u"20100305:"_s));
        QCOMPARE(calendar.GetOrdinalFromDate(u"2007:1:1"_s).status, oCalendar::StatusNoDayNumber);
    }

    void nextDate_data()
    {
        QTest::addColumn<QString>("date"); // in the default calendar
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("next");

        QTest::newRow("into the next year") << u"2007:12:31"_s << 1 << u"2008:1:1"_s;
        QTest::newRow("back into the last year") << u"2008:1:1"_s << -1 << u"2007:12:31"_s;
        QTest::newRow("back into February") << u"2007:3:1"_s << -1 << u"2007:2:28"_s;
        QTest::newRow("written plainly") << u"02007:01:09"_s << 1 << u"2007:1:10"_s;
        QTest::newRow("year 1 back to 0") << u"1:1:1"_s << -1 << u"0:12:31"_s;
        QTest::newRow("year past 16 bits") << u"32767:12:31"_s << 1 << u"32767:12:31"_s;
        QTest::newRow("not a date") << u"2007:1"_s << 1 << u"2007:1"_s;
    }

    void nextDate()
    {
        QFETCH(QString, date);
        QFETCH(int, step);
        QFETCH(QString, next);

        QCOMPARE(oCalendar::newCampaignCalendar().NextDate(date, step), next);
    }

    void monthsAndDisplay()
    {
        const oCalendar calendar = oCalendar::newCampaignCalendar();
        QCOMPARE(calendar.YearLenght(), 365);
        QCOMPARE(calendar.NumberOfMonths(), 12);
        // The calendar a campaign file keeps is the same calendar.
        QCOMPARE(oCalendar::fromState(CalendarState::defaults()).MonthLines(), calendar.MonthLines());
        // The compact start date: the year as written, month and day as numbers.
        QCOMPARE(calendarOf(oCalendar::defaultDefinition(), u"20070305"_s).StartDate(), u"2007:3:5"_s);
        QCOMPARE(calendarOf(oCalendar::defaultDefinition(), u"00991231"_s).StartDate(), u"0099:12:31"_s);
        QCOMPARE(calendar.CheckMonthDate(2, 31), 28);
        QCOMPARE(calendar.CheckMonthDate(2, 10), 10);
        QCOMPARE(calendar.CheckMonthDate(13, 1), std::nullopt);
        QCOMPARE(calendar.GetMonthName(0), std::nullopt);
        QCOMPARE(calendar.GetMonthDays(13), std::nullopt);
        QCOMPARE(oCalendar::FormatDateNumeric(u"2007:1:1"_s), u"2007/1/1"_s);
        QCOMPARE(calendar.FormatDateWithMonthName(u"2007:1:1"_s), u"2007/January/1"_s);
        QCOMPARE(calendar.FormatDateWithMonthName(u"2010:13:15"_s), u"2010//15"_s);

        // Day numbers are 16-bit: a longer year has days without one.
        const oCalendar longYear = calendarOf(u"2;Long_20000;Longer_20000"_s);
        QCOMPARE(longYear.YearLenght(), 40000);
        QCOMPARE(longYear.GetDateFromOrdinal(32767).date, u"2007:2:12767"_s);
        QCOMPARE(longYear.GetOrdinalFromDate(u"2007:2:12768"_s).status, oCalendar::StatusNoDayNumber);
        QCOMPARE(longYear.NextDate(u"2007:2:19999"_s, 1), u"2007:2:20000"_s);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCalendar)
#include "TestCalendar.moc"
