#include "core/calendar/CalendarWizardRules.h"
#include "core/calendar/oCalendar.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestCalendarWizardRules : public QObject
{
    Q_OBJECT

private slots:
    void monthCount_data();
    void monthCount();
    void monthLinesBuildTheCalendar();
};

void TestCalendarWizardRules::monthCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");

    QTest::newRow("number") << u"14"_s << 14;
    QTest::newRow("zero stays zero") << u"0"_s << 0;
    QTest::newRow("leading zeros") << u"007"_s << 7;
    QTest::newRow("empty") << QString() << 12;
    QTest::newRow("not a number") << u"1x"_s << 12;
    QTest::newRow("largest 16-bit") << u"32767"_s << 32767;
    QTest::newRow("beyond 16 bits") << u"32768"_s << 12;
}

void TestCalendarWizardRules::monthCount()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(CalendarWizardRules::MonthCount(text), count);
}

void TestCalendarWizardRules::monthLinesBuildTheCalendar()
{
    const QList<CalendarWizardRules::Row> rows{{u"Frost"_s, u"30"_s}, {u"Thaw"_s, u"45"_s}, {u"FROST"_s, u"9"_s}};
    const QStringList lines = CalendarWizardRules::MonthLines(rows, u" 812 "_s, 2, 7);
    QCOMPARE(lines, (QStringList{u"Frost;30"_s, u"Thaw;45"_s, u"FROST;9"_s, u"8120207"_s}));

    // The date line is no month, and a name taken in another letter case is dropped.
    oCalendar calendar;
    calendar.Init_4(lines, u"812:1:1"_s);
    QCOMPARE(calendar.MonthLines(), (QStringList{u"Frost;30"_s, u"Thaw;45"_s}));
    QCOMPARE(CalendarWizardRules::DateString(u" 812 "_s, 2, 7), u"812:2:7"_s);
    QCOMPARE(CalendarWizardRules::DisplayDate(u"Thaw 100%"_s, 7, u"812 "_s), u"Thaw 100% 7, 812"_s);
}

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCalendarWizardRules)
#include "TestCalendarWizardRules.moc"
