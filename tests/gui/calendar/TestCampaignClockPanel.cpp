#include "core/calendar/CampaignClock.h"
#include "core/calendar/CampaignWeather.h"
#include "gui/calendar/CampaignClockPanel.h"
#include "gui/calendar/DateWeatherFrame.h"
#include "support/gui/GuiHarness.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

/// The clock panel and the weather frame of the main window over one clock and one weather, with
/// desert weather "Downpour" shown; the next rolls are 10 ("Hot (calm)") and 95 ("Duststorm").
struct Window : SoundsFixture
{
    CampaignClock clock;
    CampaignWeather weather{platform.scriptedRandom()};
    CampaignClockPanel panel{clock, sounds};
    DateWeatherFrame frame{weather, clock, home.folder(), sounds};

    Window(const QString &date, const QString &time)
    {
        CalendarState calendar = CalendarState::defaults();
        calendar.currentDate = date;
        ClockTime clockTime;
        clockTime.load({time});
        clock.load(oCalendar::fromState(calendar), calendar, clockTime);
        weather.follow(clock);
        weather.load({2, u"Downpour"_s});
        platform.scriptedRandom().script({0.095f, 0.945f});
        panel.show(); // laid out, so that a click in the middle of an option hits its caption
    }
    template<typename T> T *get(const QString &name) { return requireChild<T>(panel, name); }
    QString text(const QString &name) { return get<QLineEdit>(name)->text(); }
    /// What the user sees: "2007/January/1 12:00 AM: Downpour".
    QString shown()
    {
        const bool am = get<QRadioButton>(u"AMOption"_s)->isChecked();
        const bool pm = get<QRadioButton>(u"PMOption"_s)->isChecked();
        return text(u"YearText"_s) + u'/' + get<QComboBox>(u"MonthCombo"_s)->currentText() + u'/'
            + text(u"DateText"_s) + u' ' + text(u"HourText"_s) + u':' + text(u"MinuteText"_s)
            + (am == pm ? u" AM and PM alike"_s : am ? u" AM"_s : u" PM"_s) + u": "_s
            + requireChild<QLabel>(frame, u"WeatherLabel"_s)->text();
    }
};

} // namespace

class TestCampaignClockPanel : public QObject
{
    Q_OBJECT

private slots:
    void userActions_data()
    {
        QTest::addColumn<QString>("before"); // date and time items
        QTest::addColumn<bool>("updating");
        QTest::addColumn<QString>("action"); // "click <name>", "type <name> <keys>" or "month down"
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("modified");
        QTest::addColumn<bool>("clicks");

        const QString start = u"2007:1:1 12;00;AM"_s;
        QTest::newRow("11:59 PM + 1 minute") << u"2007:1:1 11;59;PM"_s << false << u"click MinuteUpCommand"_s
                                            << u"2007/January/1 12:00 PM: Downpour"_s << 1 << true;
        // The new day and the new year each bring weather: the second roll is what stays.
        QTest::newRow("last day of the year") << u"2007:12:31 12;00;AM"_s << false << u"click DateUpCommand"_s
                                             << u"2008/January/1 12:00 AM: Duststorm"_s << 1 << true;
        QTest::newRow("year down at year 1 still clicks") << u"1:3:31 12;00;AM"_s << false << u"click YearDownCommand"_s
                                                         << u"1/March/31 12:00 AM: Downpour"_s << 0 << true;
        QTest::newRow("PM") << start << false << u"click PMOption"_s << u"2007/January/1 12:00 PM: Downpour"_s << 1
                            << true;
        QTest::newRow("PM while updating") << start << true << u"click PMOption"_s
                                           << u"2007/January/1 12:00 PM: Downpour"_s << 0 << false;
        // Picking a month cuts the day, a field change of its own; the month list never clicks.
        QTest::newRow("February with day 30") << u"2007:1:30 12;00;AM"_s << false << u"month down"_s
                                             << u"2007/February/28 12:00 AM: Duststorm"_s << 1 << false;
        // Every keystroke changes the field; letters and a third digit are refused.
        QTest::newRow("typed day") << start << false << u"type DateText 2x5"_s
                                   << u"2007/January/25 12:00 AM: Duststorm"_s << 2 << false;
        QTest::newRow("typed hour") << start << false << u"type HourText 103"_s
                                    << u"2007/January/1 10:00 AM: Downpour"_s << 2 << false;
    }

    void userActions()
    {
        QFETCH(QString, before);
        QFETCH(bool, updating);
        QFETCH(QString, action);
        QFETCH(QString, after);
        QFETCH(int, modified);
        QFETCH(bool, clicks);

        Window w(before.section(u' ', 0, 0), before.section(u' ', 1));
        QSignalSpy marks(&w.clock, &CampaignClock::modified);
        w.clock.setUpdating(updating);
        const QStringList words = action.split(u' ');
        if (words.at(0) == u"click"_s) {
            QTest::mouseClick(w.get<QAbstractButton>(words.at(1)), Qt::LeftButton);
        } else if (words.at(0) == u"type"_s) {
            w.get<QLineEdit>(words.at(1))->selectAll();
            QTest::keyClicks(w.get<QLineEdit>(words.at(1)), words.at(2));
        } else {
            QTest::keyClick(w.get<QComboBox>(u"MonthCombo"_s), Qt::Key_Down);
        }
        QCOMPARE(w.shown(), after);
        QCOMPARE(marks.count(), modified);
        QCOMPARE(w.platform.sounds(), clicks ? QStringList{u"Click.wav"_s} : QStringList());
    }

    void loadFillsTheFields()
    {
        Window w(u"2007:12:31"_s, u"11;59;PM"_s);
        CalendarState two;
        two.months = {{u"Ice"_s, 10}, {u"Sun"_s, 5}};
        two.startDate = u"0099:2:1"_s;
        two.currentDate = u"0099:2:7"_s;
        ClockTime time;
        time.load({u"7;5;AM"_s});
        w.clock.load(oCalendar::fromState(two), two, time);

        QCOMPARE(w.shown(), u"0099/Sun/7 7:5 AM: Downpour"_s);
        QCOMPARE(w.get<QComboBox>(u"MonthCombo"_s)->count(), 2);
        QCOMPARE(w.get<QLabel>(u"lblStartDate"_s)->text(), u"0099/2/1"_s);
        QCOMPARE(w.get<QLabel>(u"lblYYYYMMDD"_s)->text(), u"0099:2:1"_s);
        QVERIFY(w.platform.sounds().isEmpty());
        // The buttons the main window connects.
        QCOMPARE(w.panel.moonsButton(), w.get<QPushButton>(u"cmdMoons"_s));
        QCOMPARE(w.panel.calendarButton(), w.get<QPushButton>(u"CalendarWizardCommand"_s));
    }
};

QTEST_MAIN(TestCampaignClockPanel)
#include "TestCampaignClockPanel.moc"
