#include "core/calendar/oCalendar.h"
#include "gui/calendar/CalendarWizardForm.h"
#include "support/gui/GuiHarness.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

const QStringList Months = oCalendar::newCampaignCalendar().MonthNames();

/// The wizard on the default calendar, with its controls at hand.
struct Wizard : SoundsFixture
{
    CalendarWizardForm form{platform, sounds};

    explicit Wizard(const QString &start = u"2007:1:1"_s) { form.init(oCalendar::newCampaignCalendar(), start); }
    template<typename T = QWidget> T *get(const QString &name) { return requireChild<T>(form, name); }
    QLineEdit *box(const QString &name) { return get<QLineEdit>(name); }
    QComboBox *combo(const QString &name) { return get<QComboBox>(name); }
    QTableWidget *grid() { return get<QTableWidget>(u"MSFlexGrid1"_s); }
    void click(const QString &button) { get<QPushButton>(button)->click(); }
    void setCount(const QString &text)
    {
        box(u"CampaignMonthsText"_s)->setText(text);
        QTest::keyClick(box(u"CampaignMonthsText"_s), Qt::Key_Return);
    }
    void add(const QString &name, const QString &days)
    {
        box(u"txtMonthName"_s)->setText(name);
        box(u"txtMonthLen"_s)->setText(days);
        click(u"cmdMonthNameAdd"_s);
    }
    QStringList column(int column)
    {
        QStringList texts;
        for (int row = 0; row < grid()->rowCount(); ++row)
            texts << (grid()->item(row, column) ? grid()->item(row, column)->text() : QString());
        return texts;
    }
};

} // namespace

class TestCalendarWizardForm : public QObject
{
    Q_OBJECT

private slots:
    void controls()
    {
        Wizard w;
        QCOMPARE(w.form.windowTitle(), u"Calendar Wizard"_s);
        QCOMPARE(w.get(u"cmdOK"_s)->toolTip(), u"Accept changes"_s);
    }

    void openingAndChoosingAMonth()
    {
        Wizard w(u"2007:3:5"_s);
        QCOMPARE(w.column(0), Months);
        const auto shown = [&w] {
            return w.box(u"txtYear"_s)->text() + u' ' + w.combo(u"cboMonth"_s)->currentText() + u' '
                + w.combo(u"cboDay"_s)->currentText() + (w.get(u"cmdOK"_s)->isEnabled() ? u" OK"_s : u""_s);
        };
        QCOMPARE(shown(), u"2007 March 5 OK"_s);
        w.combo(u"cboMonth"_s)->setCurrentIndex(1);
        QCOMPARE(w.combo(u"cboDay"_s)->count(), 28);
        QCOMPARE(shown(), u"2007 February 5 OK"_s);

        // A start day beyond its month leaves no day chosen, and OK waits for one.
        Wizard beyond(u"2007:2:30"_s);
        QCOMPARE(beyond.combo(u"cboDay"_s)->currentText(), QString());
        QVERIFY(!beyond.get(u"cmdOK"_s)->isEnabled());
        // A compact start date is read as one; none starts on day 1 of month 1 of the calendar's year.
        QCOMPARE(Wizard(u"20100305"_s).form.Get_YYYYMMDD_DateString(), u"2010:3:5"_s);
        QCOMPARE(Wizard(QString()).form.Get_YYYYMMDD_DateString(), u"2007:1:1"_s);
    }

    void buttonsReachTheRules_data()
    {
        QTest::addColumn<int>("row"); // selected first, -1 for none
        QTest::addColumn<QString>("action"); // a button, "count N" or "add NAME DAYS"
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("start"); // the start date chosen, on March 31 before

        QStringList swapped = Months;
        swapped.swapItemsAt(1, 2);
        QTest::newRow("count") << -1 << u"count 14"_s << Months + QStringList(2, QString()) << u"2007:3:31"_s;
        QTest::newRow("add") << -1 << u"add Extra 30"_s << Months + QStringList{u"Extra"_s} << u"2007:3:31"_s;
        QTest::newRow("up") << 2 << u"cmdUp"_s << swapped << u"2007:2:31"_s;
        QTest::newRow("down") << 1 << u"cmdDown"_s << swapped << u"2007:2:31"_s;
        QTest::newRow("remove") << 1 << u"cmdRemove"_s << Months.mid(0, 1) + Months.mid(2) << u"2007:2:31"_s;
        QTest::newRow("clear") << 1 << u"cmdClear"_s << QStringList() << u"2007:0:0"_s;
    }

    void buttonsReachTheRules()
    {
        QFETCH(int, row);
        QFETCH(QString, action);
        QFETCH(QStringList, names);
        QFETCH(QString, start);
        Wizard w(u"2007:3:31"_s);
        w.grid()->selectRow(row);
        const QStringList words = action.split(u' ');
        if (words.first() == u"count"_s)
            w.setCount(words.at(1));
        else if (words.first() == u"add"_s)
            w.add(words.at(1), words.at(2));
        else
            w.click(action);

        QCOMPARE(w.column(0), names);
        QCOMPARE(w.box(u"CampaignMonthsText"_s)->text(), QString::number(names.size()));
        // The start month follows its row, and the list of start months follows the named rows.
        QCOMPARE(w.form.Get_YYYYMMDD_DateString(), start);
        QCOMPARE(w.combo(u"cboMonth"_s)->count(), names.size() - names.count(QString()));
        QCOMPARE(w.platform.sounds(), QStringList(words.first() == u"add"_s, u"Click.wav"_s));
    }

    void clickingARowLoadsIt()
    {
        Wizard w;
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {},
                          w.grid()->visualRect(w.grid()->model()->index(1, 1)).center());
        QCOMPARE(w.box(u"txtMonthName"_s)->text(), u"February"_s);
        QCOMPARE(w.box(u"txtMonthName"_s)->selectedText(), u"February"_s);
        QCOMPARE(w.box(u"txtMonthLen"_s)->text(), u"28"_s);
        QVERIFY(w.get(u"cmdRemove"_s)->isEnabled());
        QCOMPARE(w.platform.sounds(), QStringList{u"Click.wav"_s});

        // A row reached with the arrow keys shows its values too.
        w.grid()->setFocus();
        QTest::keyClick(w.grid(), Qt::Key_Down);
        QCOMPARE(w.box(u"txtMonthName"_s)->text() + u' ' + w.box(u"txtMonthLen"_s)->text(), u"March 31"_s);
    }

    void acceptance()
    {
        Wizard w(u"2007:6:1"_s);
        w.grid()->selectRow(1);
        w.add(u"Frost"_s, u"29"_s);
        // A name another month has, in any letter case, is refused with a word of why.
        w.grid()->selectRow(3);
        w.add(u"JANUARY"_s, u"30"_s);
        w.box(u"txtYear"_s)->setText(u"2010"_s);
        w.combo(u"cboMonth"_s)->setCurrentIndex(2);
        w.combo(u"cboDay"_s)->setCurrentIndex(4);
        w.click(u"cmdOK"_s);
        QVERIFY(w.form.cancelled());
        QCOMPARE(w.platform.callsOf(ScriptedPlatform::Kind::Message).value(0).summary(),
                 u"message Calendar Wizard: Two months are named \"JANUARY\".\r\nPlease give each month a name of its own."_s);

        w.grid()->selectRow(3);
        w.add(u"Thaw"_s, u"30"_s);
        w.click(u"cmdOK"_s);
        QVERIFY(!w.form.cancelled());
        QCOMPARE(w.form.Get_YYYYMMDD_DateString(), u"2010:3:5"_s);
        QCOMPARE(w.form.Get_DateString(), u"March 5, 2010"_s);
        QCOMPARE(w.form.GetCampaignLenght(), qint16(12));
        // The rows' calendar, counting its days from the start date the wizard was opened with.
        QCOMPARE(w.form.GetNewCalendar().MonthNames().mid(1, 3), (QStringList{u"Frost"_s, u"March"_s, u"Thaw"_s}));
        QCOMPARE(w.form.GetNewCalendar().StartDate(), u"2007:6:1"_s);
    }

    void picture_data()
    {
        QTest::addColumn<QString>("file"); // "" cancels the dialog
        QTest::addColumn<bool>("replaced");

        QTest::newRow("a picture") << u"map.png"_s << true;
        QTest::newRow("cancelled") << QString() << false;
        QTest::newRow("not a picture") << u"notes.png"_s << false;
    }

    void picture()
    {
        QFETCH(bool, replaced);
        QFETCH(QString, file);
        Wizard w;
        QImage(3, 2, QImage::Format_RGB32).save(w.home.file(u"map.png"_s));
        w.home.write(u"notes.png"_s, "no picture");
        const QString path = file.isEmpty() ? QString() : w.home.file(file);
        w.platform.answerFile(path);
        w.form.setPicture(QPixmap(1, 1));
        QSignalSpy spy(&w.form, &CalendarWizardForm::pictureReplaced);
        QTest::mouseClick(w.get(u"CalendarWizardImage"_s), Qt::LeftButton);

        const FileDialogRequest request = w.platform.callsOf(ScriptedPlatform::Kind::OpenFile).value(0).request;
        QCOMPARE(request.title, u"Replace Picture With New Selection"_s);
        QCOMPARE(request.filter, u"Bitmap Files (*.bmp)|*.bmp|GIF (*.gif)|*.gif|ICO (*.ico)|*.ico|"
                                 u"JPEG (*.jpg)|*.jpg|PNG (*.png)|*.png"_s);
        QCOMPARE(w.platform.sounds(), QStringList{u"Click.wav"_s});
        QCOMPARE(spy.count(), replaced ? 1 : 0);
        if (replaced)
            QCOMPARE(spy.first().first().toString(), path);
        QCOMPARE(w.get<QLabel>(u"CalendarWizardImage"_s)->pixmap().size(), replaced ? QSize(3, 2) : QSize(1, 1));
    }

    void cancelAndCloseBox()
    {
        Wizard w;
        w.click(u"cmdOK"_s);
        QVERIFY(!w.form.cancelled());
        w.form.show();
        w.form.close();
        QVERIFY(w.form.cancelled());
        QVERIFY(w.form.isHidden());
        w.click(u"cmdOK"_s);
        w.click(u"cmdCancel"_s);
        QVERIFY(w.form.cancelled());
    }
};

QTEST_MAIN(TestCalendarWizardForm)
#include "TestCalendarWizardForm.moc"
