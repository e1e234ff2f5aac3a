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

const QString EarlierDate =
    u"message Date Selection: Please select an earlier date.\r\nDate allows a full previous period to happen."_s;
const QString TooShort = u"message Date Selection: Period lenght allows a full previous period\r\n"
                         u"to happen for date selected.\r\nPlease select an earlier date or a longer period."_s;

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
    void freshDialog()
    {
        Dialog d({{u"Luna"_s, 28, u"2007:2:3"_s}});
        QCOMPARE(d.form.windowTitle(), u"Moons"_s);
        QCOMPARE(d.row(0), (QStringList{u"Luna"_s, u"28"_s, u"03 / February / 2007"_s, u"2007:2:3"_s}));
        QCOMPARE(d.period()->text(), u"8"_s);
        QVERIFY(!d.ok()->isEnabled());
        // A shorter month keeps the day when it can.
        d.day()->setCurrentIndex(6);
        d.month()->setCurrentIndex(1);
        QCOMPARE(d.day()->count(), 28);
        QCOMPARE(d.day()->currentText(), u"7"_s);
    }

    void nameRefusesSemicolons()
    {
        // The moon list is stored as ";"-separated fields: a ";" in a name would split its line.
        Dialog d;
        QTest::keyClicks(d.name(), u"Sel;une"_s);
        QGuiApplication::clipboard()->setText(u"x;y"_s);
        d.name()->paste();
        QCOMPARE(d.name()->text(), u"Selune"_s);
    }

    void choosingADay()
    {
        // Day 20 is not before a period of 8: the message, a period back to day 12, which is
        // checked in turn: the message again, and day 4.
        Dialog d;
        d.name()->setText(u"Luna"_s);
        d.day()->setCurrentIndex(19);
        QCOMPARE(d.platform.trace(), QStringList(2, EarlierDate));
        QCOMPARE(d.platform.calls().at(0).icon, MessageIcon::Information);
        QCOMPARE(d.day()->currentText(), u"4"_s);
        QVERIFY(d.add()->isEnabled());
    }

    void periodArrows()
    {
        Dialog d;
        d.period()->setText(u"150"_s);
        d.get<QPushButton>(u"cmdAdjust"_s, 0)->click();
        QCOMPARE(d.period()->text(), u"99"_s);
        d.day()->setCurrentIndex(24);
        d.period()->setText(u"20"_s);
        d.get<QPushButton>(u"cmdAdjust"_s, 1)->click();
        QCOMPARE(d.period()->text(), u"26"_s);
        QCOMPARE(d.platform.trace(), QStringList{TooShort});
    }

    void addThenOk()
    {
        Dialog d;
        d.name()->setText(u"  Selune "_s);
        d.period()->setText(u"28"_s);
        d.month()->setCurrentIndex(2);
        d.day()->setCurrentIndex(4);
        d.add()->click();
        QCOMPARE(d.row(0), (QStringList{u"Selune"_s, u"28"_s, u"05 / March / 2007"_s, u"2007:3:5"_s}));
        d.get<QCheckBox>(u"chkShowMoons"_s)->setChecked(true);
        d.ok()->click();

        QVERIFY(!d.form.cancelled());
        QCOMPARE(d.form.moons(), (QList<MoonRecord>{{u"Selune"_s, 28, u"2007:3:5"_s}}));
        QVERIFY(d.form.showMoons());
        QCOMPARE(d.platform.trace(), QStringList());
    }

    void showMoonsAloneCanBeApplied()
    {
        Dialog d;
        d.get<QCheckBox>(u"chkShowMoons"_s)->click();
        d.ok()->click();
        QVERIFY(!d.form.cancelled());
        QVERIFY(d.form.showMoons());
    }

    void editAndRemove()
    {
        Dialog d({{u"Luna"_s, 28, u"2007:2:3"_s}, {u"Mira"_s, 10, u"2007:1:9"_s}});
        d.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d.form));

        // A clicked row fills the boxes and turns Add into Edit.
        d.clickRow(0);
        QCOMPARE(d.name()->text() + u' ' + d.month()->currentText() + u' ' + d.add()->text(), u"Luna February Edit"_s);
        d.period()->setText(u"30"_s);
        d.add()->click();
        QCOMPARE(d.row(0).at(1), u"30"_s);
        QCOMPARE(d.add()->text(), u"Add"_s);

        d.clickRow(0);
        d.get<QPushButton>(u"cmdRemove"_s)->click();
        d.form.accept();
        QCOMPARE(d.form.moons(), (QList<MoonRecord>{{u"Mira"_s, 10, u"2007:1:9"_s}}));
    }

    void cancelChangesNothing()
    {
        const QList<MoonRecord> moons{{u"Luna"_s, 28, u"2007:2:3"_s}};
        Dialog d(moons, true);
        d.name()->setText(u"Mira"_s);
        d.add()->click();
        d.get<QCheckBox>(u"chkShowMoons"_s)->setChecked(false);
        d.get<QPushButton>(u"cmdDone"_s, 1)->click();

        QVERIFY(d.form.cancelled());
        QCOMPARE(d.form.moons(), moons);
        QVERIFY(d.form.showMoons());
    }
};

QTEST_MAIN(TestFrmMoons)
#include "TestFrmMoons.moc"
