#include "gui/table/TableTools.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

// The game table's tools on a host of their own.
struct Program : FakeHost
{
    TableTools tools { *this };

    Program() { showTab(MainTab::Tools); }
    template <typename T = QAbstractButton> T *get(const QString &name, int index = -1)
    {
        return requireChild<T>(*this, name, index);
    }
    QLineEdit *field(int index) { return get<QLineEdit>(u"NumberOfDiceToRollUpText"_s, index); }
    QString result() { return get<QLabel>(u"DiceRollLabel"_s)->text(); }
};

// Types `text` over the whole of `field`, as the keyboard does.
void retype(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

bool isYellow(const QLineEdit *field) { return field->palette().color(QPalette::Base) == QColor(Qt::yellow); }

// Draws from 1 to 4 in the range dialog, after 1 to 3 was refused.
void drawOneToFour(Program &p, QDialog &d)
{
    auto *from = requireChild<QLineEdit>(d, u"txtFrom"_s);
    auto *to = requireChild<QLineEdit>(d, u"txtTo"_s);
    auto *generate = requireChild<QPushButton>(d, u"cmdGenerate"_s);
    auto *ok = requireChild<QPushButton>(d, u"cmdOK"_s);
    QCOMPARE(d.pos() - p.pos(), QPoint(267, 120));
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(d.findChild<QGroupBox *>()->title(), u"  Generate Random Dice Roll Between Two Values  "_s);
    QCOMPARE(from->text() + u'|' + to->text(), u"1|100"_s);
    QVERIFY(generate->isEnabled() && !ok->isEnabled());

    to->setFocus();
    retype(to, u"3"_s);
    QVERIFY(!generate->isEnabled());
    from->setFocus();
    QCOMPARE(to->text(), u"100"_s);
    QVERIFY(to->hasFocus() && isYellow(to));
    QCOMPARE(p.scripted.trace().last(), u"beep"_s);

    // Letters are not typed.
    retype(to, u"x4"_s);
    from->setFocus();
    QVERIFY(from->hasFocus() && !isYellow(to));
    generate->click();
    QCOMPARE(requireChild<QLineEdit>(d, u"txtResult"_s)->text(), u"4"_s);
    ok->click();
}

} // namespace

class TestDiceRollerFrame : public QObject
{
    Q_OBJECT

private slots:
    void roll_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("modifier");
        QTest::addColumn<int>("sign");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<float>("draw");
        QTest::addColumn<QString>("result");

        QTest::newRow("one d6") << u"1"_s << u"0"_s << 0 << 2 << false << 0.999f << u"6"_s;
        QTest::newRow("two d10 - 3, lowest") << u"2"_s << u"3"_s << 1 << 4 << false << 0.0f << u"-1"_s;
        QTest::newRow("two d10 - 3 from the menu, highest") << u"2"_s << u"3"_s << 1 << 4 << true << 0.95f << u"17"_s;
        QTest::newRow("emptied fields roll one d3") << QString() << QString() << 0 << 0 << false << 0.5f << u"2"_s;
    }

    void roll()
    {
        QFETCH(QString, count);
        QFETCH(QString, modifier);
        QFETCH(int, sign);
        QFETCH(int, kind);
        QFETCH(bool, fromMenu);
        QFETCH(float, draw);
        Program p;
        p.field(0)->setText(count);
        p.field(1)->setText(modifier);
        p.get(u"Option1"_s, sign)->click();
        p.scripted.scriptedRandom().script({ draw });
        if (fromMenu)
            p.findChild<QAction *>(u"mnuDicesRoll_"_s + QString::number(QList{3, 4, 6, 8, 10, 12, 20, 100}.at(kind)))->trigger();
        else
            p.get(u"cmdDice"_s, kind)->click();

        QTEST(p.result(), "result");
        QCOMPARE(p.scripted.trace(), (QStringList { u"sound Click.wav"_s, u"sound Dice Roll.wav"_s }));
        // Emptied fields show "1" and "0" again.
        QCOMPARE(p.field(0)->text() + p.field(1)->text(), (count + modifier).isEmpty() ? u"10"_s : count + modifier);
        QCOMPARE(p.get<QTabWidget>(u"VelmoraTab"_s)->currentIndex(), int(MainTab::Tools));
    }

    void menu()
    {
        Program p;
        QCOMPARE(p.get<QGroupBox>(u"DiceRollerFrame"_s)->title(), u"Dice Roller"_s);
        QStringList items;
        for (const QAction *item : p.menu(MainMenu::Dices)->actions()) {
            if (item->objectName().startsWith(u"mnuDicesRoll_"_s)) // the turn counters share the menu
                items << item->objectName() + u'=' + item->text();
        }
        QCOMPARE(items.join(u','),
            u"mnuDicesRoll_3=Dice roll 3,mnuDicesRoll_4=Dice roll 4,mnuDicesRoll_6=Roll dice 6,"
            u"mnuDicesRoll_8=Dice roll 8,mnuDicesRoll_10=Dice roll 10,"
            u"mnuDicesRoll_12=Dice roll 12,mnuDicesRoll_20=Dice roll 20,"
            u"mnuDicesRoll_100=Dice roll 100"_s);
    }

    void stepsAndEmptiedFields()
    {
        Program p;
        QCOMPARE(p.get(u"NumberOfDiceToRollDownCommand"_s)->toolTip(), u"Down by one"_s);
        QStringList counts;
        for (const QString &step : { u"Down"_s, u"Up"_s, u"Up"_s, u"Down"_s }) {
            p.get(u"NumberOfDiceToRoll"_s + step + u"Command"_s)->click();
            counts << p.field(0)->text();
        }
        QCOMPARE(counts, (QStringList { u"1"_s, u"2"_s, u"3"_s, u"2"_s }));
        QCOMPARE(p.scripted.sounds(), QStringList(4, u"Click.wav"_s));

        // An emptied field takes its default back, selected, so that the next key replaces it.
        for (int index : { 0, 1 }) {
            p.field(index)->end(false);
            QTest::keyClick(p.field(index), Qt::Key_Backspace);
            QTest::keyClicks(p.field(index), u"7"_s);
        }
        QCOMPARE(p.field(0)->text() + p.field(1)->text(), u"77"_s);
    }

    void rangeDialog()
    {
        Program p;
        p.move(100, 50);
        p.scripted.scriptedRandom().script({ 0.999f });
        p.scripted.answerDialog([&p](QDialog &d) {
            drawOneToFour(p, d);
            return d.result();
        });
        p.get(u"cmdDice"_s, 8)->click();
        QCOMPARE(p.result(), u"4"_s);
        QCOMPARE(p.scripted.scriptedRandom().seeds, QList<quint32> { 4242 });

        // A cancelled draw leaves the result as it was.
        p.scripted.answerDialog([](QDialog &d) {
            requireChild<QPushButton>(d, u"cmdGenerate"_s)->click();
            requireChild<QPushButton>(d, u"cmdCancel"_s)->click();
            return d.result();
        });
        p.get(u"cmdDice"_s, 8)->click();
        QCOMPARE(p.result(), u"4"_s);
    }
};

QTEST_MAIN(TestDiceRollerFrame)
#include "TestDiceRollerFrame.moc"
