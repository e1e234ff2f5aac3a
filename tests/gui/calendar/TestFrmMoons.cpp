#include "core/calendar/oCalendar.h"
#include "gui/calendar/frmMoons.h"
#include "support/gui/GuiHarness.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

const QString DateTitle = u"Date Selection"_s;
const QString EarlierDate = u"Please select an earlier date.\r\nDate allows a full previous period to happen."_s;
const QString TooShort = u"Period lenght allows a full previous period\r\nto happen for date selected.\r\n"
                         u"Please select an earlier date or a longer period."_s;

/// The dialog on the default calendar (start 2007:1:1), with its controls at hand.
struct Dialog
{
    ScriptedPlatform platform;
    frmMoons form{platform};

    explicit Dialog(const QList<MoonRecord> &moons = {}, bool show = false)
    {
        form.init(moons, oCalendar::newCampaignCalendar(), show);
    }
    template<typename T> T *get(const QString &name, int index = -1) { return requireChild<T>(form, name, index); }
    QLineEdit *name() { return get<QLineEdit>(u"txtName"_s); }
    QLineEdit *period() { return get<QLineEdit>(u"txtPeriod"_s); }
    QComboBox *month() { return get<QComboBox>(u"cboMonth"_s); }
    QComboBox *day() { return get<QComboBox>(u"cboDay"_s); }
    QPushButton *add() { return get<QPushButton>(u"cmdAdd"_s); }
    QPushButton *ok() { return get<QPushButton>(u"cmdDone"_s, 0); }
    QTreeWidget *list() { return get<QTreeWidget>(u"lsvMoons"_s); }
    /// The texts of the date selection boxes shown, in order.
    QStringList messages() const
    {
        QStringList shown;
        for (const auto &call : platform.callsOf(ScriptedPlatform::Kind::Message))
            shown << (call.title == DateTitle && call.icon == MessageIcon::Information ? call.text : call.summary());
        return shown;
    }
    void clickRow(int row)
    {
        QTreeWidget *tree = list();
        const QRect rect = tree->visualItemRect(tree->topLevelItem(row));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QStringList row(int index)
    {
        const QTreeWidgetItem *item = list()->topLevelItem(index);
        return {item->text(0), item->text(1), item->text(2), item->text(3)};
    }
};

} // namespace

class TestFrmMoons : public QObject
{
    Q_OBJECT

private slots:
    void freshDialog();
    void nameRefusesSemicolons();
    void choosingADay_data();
    void choosingADay();
    void periodArrows_data();
    void periodArrows();
    void addThenOk();
    void showMoonsAloneCanBeApplied();
    void editAndRemove();
    void cancelChangesNothing();
};

void TestFrmMoons::freshDialog()
{
    Dialog d({{u"Luna"_s, 28, u"2007:2:3"_s}});
    QCOMPARE(d.form.windowTitle(), u"Moons"_s);
    QCOMPARE(d.row(0), (QStringList{u"Luna"_s, u"28"_s, u"03 / February / 2007"_s, u"2007:2:3"_s}));
    QCOMPARE(d.period()->text(), u"8"_s);
    QCOMPARE(d.month()->currentText(), u"January"_s);
    QCOMPARE(d.day()->count(), 31);
    QCOMPARE(d.add()->text(), u"Add"_s);
    QVERIFY(!d.add()->isEnabled());
    QVERIFY(!d.get<QPushButton>(u"cmdRemove"_s)->isEnabled());
    QCOMPARE(d.ok()->text(), u"OK"_s);
    QVERIFY(!d.ok()->isEnabled());
    // A shorter month keeps the day when it can, else takes its last day.
    d.day()->setCurrentIndex(6);
    d.month()->setCurrentIndex(1);
    QCOMPARE(d.day()->count(), 28);
    QCOMPARE(d.day()->currentText(), u"7"_s);
}

void TestFrmMoons::nameRefusesSemicolons()
{
    // The moon list is stored as ";"-separated fields: a ";" in a name would split its line.
    Dialog d;
    QTest::keyClicks(d.name(), u"Sel;une"_s);
    QGuiApplication::clipboard()->setText(u"x;y"_s);
    d.name()->paste();
    QCOMPARE(d.name()->text(), u"Selune"_s);
}

void TestFrmMoons::choosingADay_data()
{
    QTest::addColumn<QString>("period");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("selected");

    QTest::newRow("before the period") << u"28"_s << 27 << 0 << 27;
    QTest::newRow("day 30, period 28 moves to 2") << u"28"_s << 30 << 1 << 2;
    QTest::newRow("two periods back, checked again") << u"8"_s << 20 << 2 << 4;
}

void TestFrmMoons::choosingADay()
{
    QFETCH(QString, period);
    QFETCH(int, day);
    QFETCH(int, messages);
    QFETCH(int, selected);

    Dialog d;
    d.name()->setText(u"Luna"_s);
    d.period()->setText(period);
    d.day()->setCurrentIndex(day - 1);
    QCOMPARE(d.messages(), QStringList(messages, EarlierDate));
    QCOMPARE(d.day()->currentText(), QString::number(selected));
    QCOMPARE(d.add()->isEnabled(), selected < period.toInt());
}

void TestFrmMoons::periodArrows_data()
{
    QTest::addColumn<QString>("period");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("add one") << u"150"_s << 1 << u"Add one"_s << u"99"_s << QStringList();
    QTest::newRow("substract one") << u"8"_s << 1 << u"Substract one"_s << u"8"_s << QStringList();
    QTest::newRow("substract one below the day") << u"20"_s << 25 << u"Substract one"_s << u"26"_s
                                                 << QStringList{TooShort};
}

void TestFrmMoons::periodArrows()
{
    QFETCH(QString, period);
    QFETCH(int, day);
    QFETCH(QString, caption);
    QFETCH(QString, result);
    QFETCH(QStringList, messages);

    Dialog d;
    d.period()->setText(u"99"_s);
    d.day()->setCurrentIndex(day - 1);
    d.period()->setText(period);
    QPushButton *arrow = d.get<QPushButton>(u"cmdAdjust"_s, caption == u"Add one"_s ? 0 : 1);
    QCOMPARE(arrow->text(), caption);
    arrow->click();
    QCOMPARE(d.period()->text(), result);
    QCOMPARE(d.messages(), messages);
}

void TestFrmMoons::addThenOk()
{
    Dialog d({}, false);
    d.name()->setText(u"  Selune "_s);
    QVERIFY(d.add()->isEnabled());
    d.period()->setText(u"28"_s);
    d.month()->setCurrentIndex(2);
    d.day()->setCurrentIndex(4);
    d.add()->click();

    QCOMPARE(d.row(0), (QStringList{u"Selune"_s, u"28"_s, u"05 / March / 2007"_s, u"2007:3:5"_s}));
    QCOMPARE(d.period()->text(), u"8"_s);
    QVERIFY(!d.add()->isEnabled());
    QVERIFY(d.ok()->isEnabled());
    d.get<QCheckBox>(u"chkShowMoons"_s)->setChecked(true);
    d.ok()->click();

    QVERIFY(!d.form.cancelled());
    QCOMPARE(d.form.moons(), (QList<MoonRecord>{{u"Selune"_s, 28, u"2007:3:5"_s}}));
    QVERIFY(d.form.showMoons());
    QCOMPARE(d.messages(), QStringList());
}

void TestFrmMoons::showMoonsAloneCanBeApplied()
{
    Dialog d({}, false);
    d.get<QCheckBox>(u"chkShowMoons"_s)->click();
    QVERIFY(d.ok()->isEnabled());
    d.ok()->click();
    QVERIFY(!d.form.cancelled());
    QVERIFY(d.form.showMoons());
}

void TestFrmMoons::editAndRemove()
{
    Dialog d({{u"Luna"_s, 28, u"2007:2:3"_s}, {u"Mira"_s, 10, u"2007:1:9"_s}});
    d.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.form));

    d.clickRow(0);
    QCOMPARE(d.name()->text(), u"Luna"_s);
    QCOMPARE(d.period()->text(), u"28"_s);
    QCOMPARE(d.month()->currentText(), u"February"_s);
    QCOMPARE(d.day()->currentText(), u"3"_s);
    QCOMPARE(d.add()->text(), u"Edit"_s);
    QVERIFY(!d.add()->isEnabled());
    QVERIFY(d.get<QPushButton>(u"cmdRemove"_s)->isEnabled());
    d.period()->setText(u"30"_s);
    d.add()->click();
    QCOMPARE(d.row(0), (QStringList{u"Luna"_s, u"30"_s, u"03 / February / 2007"_s, u"2007:2:3"_s}));
    QCOMPARE(d.add()->text(), u"Add"_s);

    d.clickRow(0);
    d.get<QPushButton>(u"cmdRemove"_s)->click();
    QVERIFY(!d.get<QPushButton>(u"cmdRemove"_s)->isEnabled());
    QCOMPARE(d.name()->text() + d.period()->text(), u"8"_s);
    d.form.accept();
    QCOMPARE(d.form.moons(), (QList<MoonRecord>{{u"Mira"_s, 10, u"2007:1:9"_s}}));
}

void TestFrmMoons::cancelChangesNothing()
{
    const QList<MoonRecord> moons{{u"Luna"_s, 28, u"2007:2:3"_s}};
    Dialog d(moons, true);
    d.name()->setText(u"Mira"_s);
    d.add()->click();
    d.get<QCheckBox>(u"chkShowMoons"_s)->setChecked(false);
    QPushButton *cancel = d.get<QPushButton>(u"cmdDone"_s, 1);
    QCOMPARE(cancel->text(), u"Cancel"_s);
    cancel->click();

    QVERIFY(d.form.cancelled());
    QCOMPARE(d.form.moons(), moons);
    QVERIFY(d.form.showMoons());
}

QTEST_MAIN(TestFrmMoons)
#include "TestFrmMoons.moc"
