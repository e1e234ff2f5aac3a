#include "core/calendar/CalendarState.h"
#include "core/calendar/ClockTime.h"
#include "core/calendar/DatedLine.h"
#include "core/calendar/MoonRecord.h"
#include "core/calendar/WeatherState.h"
#include "core/calendar/oCalendar.h"

#include "support/ItemRoundTrip.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

// A new campaign's calendar, clock and weather are pinned by the default campaign (Default
// Data.vlt against velmora-cli new); these tests are about reading and writing items.
class TestCalendarRecords : public QObject
{
    Q_OBJECT

private slots:
    void weather_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("understood");
        QTest::addColumn<int>("climate");
        QTest::addColumn<QStringList>("written");

        // Every row starts from the temperate climate with the text "Before".
        QTest::newRow("cold") << QStringList{u"0"_s, u"Cold snap"_s} << true << 0 << QStringList{u"0"_s, u"Cold snap"_s};
        QTest::newRow("no climate chosen") << QStringList{QString(), u"Normal for season **"_s} << true
                                           << int(WeatherState::NoClimate)
                                           << QStringList{QString(), u"Normal for season **"_s};
        QTest::newRow("no such climate") << QStringList{u"3"_s, u"Hot (calm)"_s} << false << 1
                                         << QStringList{u"1"_s, u"Hot (calm)"_s};
        QTest::newRow("text missing") << QStringList{u"2"_s} << false << 2 << QStringList{u"2"_s, u"Before"_s};
        QTest::newRow("an item too many") << QStringList{u"0"_s, u"Snowstorm"_s, u"x"_s} << false << 0
                                          << QStringList{u"0"_s, u"Snowstorm"_s};
        QTest::newRow("empty block") << QStringList{} << false << 1 << QStringList{u"1"_s, u"Before"_s};
    }

    void weather()
    {
        QFETCH(int, climate);
        QCOMPARE(checkItemsRoundTrip(WeatherState{1, u"Before"_s}).climate, climate);
    }

    void clock_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("understood");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");

        // Every row starts from 11:30 PM.
        QTest::newRow("midnight") << u"12;00;AM"_s << true << u"12;00;AM"_s << 12 << 0;
        QTest::newRow("afternoon") << u"05;07;PM"_s << true << u"05;07;PM"_s << 5 << 7;
        QTest::newRow("half unknown") << u"09;15;XM"_s << false << u"09;15;PM"_s << 9 << 15;
        QTest::newRow("no half") << u"09;15"_s << false << u"11;30;PM"_s << 11 << 30;
        QTest::newRow("not numbers") << u"ab;cd;AM"_s << true << u"ab;cd;AM"_s << 0 << 0;
    }

    void clock()
    {
        QFETCH(QString, item);
        QFETCH(bool, understood);
        QFETCH(QString, written);
        QFETCH(int, hour);
        QFETCH(int, minute);

        ClockTime time{u"11"_s, u"30"_s, true};
        QCOMPARE(time.load({item}), understood);
        QCOMPARE(time.toItems(), QStringList{written});
        QCOMPARE(time.hourValue(), hour);
        QCOMPARE(time.minuteValue(), minute);
    }

    void calendar_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("understood");
        QTest::addColumn<QStringList>("written");

        // Every row starts from the default calendar.
        const QStringList defaults = CalendarState::defaults().toItems();
        const QStringList twoMonths = {u"Ice;40"_s, u"Thaw;20"_s, u"1200:2:5;1203:1:17"_s};
        QTest::newRow("own calendar") << twoMonths << true << twoMonths;
        QTest::newRow("repeated name, other case")
            << QStringList{u"Ice;40"_s, u"ICE;10"_s, u"Thaw;20"_s, u"1200:1:1;1200:1:1"_s} << false
            << QStringList{u"Ice;40"_s, u"Thaw;20"_s, u"1200:1:1;1200:1:1"_s};
        QTest::newRow("days not a number")
            << QStringList{u"Ice;many"_s, u"Thaw;20"_s, u"1200:1:1;1200:1:1"_s} << false
            << QStringList{u"Ice;0"_s, u"Thaw;20"_s, u"1200:1:1;1200:1:1"_s};
        QTest::newRow("name a month cannot have")
            << QStringList{u"Ice_Age;40"_s, u";5"_s, u"Thaw;20"_s, u"1200:1:1;1200:1:1"_s} << false
            << QStringList{u"Thaw;20"_s, u"1200:1:1;1200:1:1"_s};
        QStringList onlyDates = defaults;
        onlyDates.last() = u"1200:1:1;1200:3:3"_s;
        QTest::newRow("no month line keeps the months") << QStringList{u"1200:1:1;1200:3:3"_s} << false << onlyDates;
        QTest::newRow("last line not dates")
            << QStringList{u"Ice;40"_s, u"Thaw;20"_s} << false << QStringList{u"Ice;40"_s, u"2007:1:1;2007:1:1"_s};
        QTest::newRow("current date missing")
            << QStringList{u"Ice;40"_s, u"1200:1:1"_s} << false << QStringList{u"Ice;40"_s, u"1200:1:1;2007:1:1"_s};
        QTest::newRow("empty block") << QStringList{} << false << defaults;
    }

    void calendar()
    {
        checkItemsRoundTrip(CalendarState::defaults());
    }

    void dateString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isDate");

        QTest::newRow("new campaign") << u"2007:1:1"_s << true;
        QTest::newRow("year before zero") << u"-40:12:30"_s << true;
        QTest::newRow("compact form") << u"20070101"_s << false;
        QTest::newRow("two fields") << u"2007:1"_s << false;
        QTest::newRow("negative day") << u"2007:1:-1"_s << false;
        QTest::newRow("empty") << QString() << false;
    }

    void dateString()
    {
        QFETCH(QString, text);
        QFETCH(bool, isDate);
        QCOMPARE(CalendarState::isDateString(text), isDate);
    }

    void moon_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("taken"); // written back as it was

        QTest::newRow("moon") << u"Luna;28;2007:1:3"_s << true;
        QTest::newRow("no date") << u"Luna;28"_s << false;
        QTest::newRow("no name") << u";28;2007:1:3"_s << false;
        QTest::newRow("period zero") << u"Luna;0;2007:1:3"_s << false;
        QTest::newRow("period beyond 16 bits") << u"Luna;40000;2007:1:3"_s << false;
        QTest::newRow("display date") << u"Luna;28;03 / January / 2007"_s << false;
    }

    void moon()
    {
        QFETCH(QString, item);
        QFETCH(bool, taken);

        QCOMPARE(itemRoundTrip<MoonRecord>(item), taken ? item : QString());
    }

    void datedLine_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("text");

        QTest::newRow("entry") << u"2007:3:4;Meet the baron"_s << true << u"Meet the baron"_s;
        QTest::newRow("text with ;") << u"2007:3:4;one;two"_s << true << u"one;two"_s;
        QTest::newRow("empty text") << u"2008:12:31;"_s << true << QString();
        QTest::newRow("no ;") << u"2007:3:4 Meet the baron"_s << false << QString();
        QTest::newRow("not a date") << u"March 4;Meet the baron"_s << false << QString();
    }

    void datedLine()
    {
        QFETCH(QString, item);
        QFETCH(bool, taken);
        QFETCH(QString, text);

        std::optional<DatedLine> line;
        QCOMPARE(itemRoundTrip(item, &line), taken ? item : QString());
        QCOMPARE(line.value_or(DatedLine()).text, text);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCalendarRecords)
#include "TestCalendarRecords.moc"
