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
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

const QStringList RollSounds = { u"sound Click.wav"_s, u"sound Dice Roll.wav"_s };

// The game table's tools on a host of their own.
struct Program : FakeHost
{
    TableTools tools { *this };

    template <typename T = QWidget> T *get(const QString &name, int index = -1)
    {
        return requireChild<T>(*this, name, index);
    }
    QLineEdit *field(int index) { return get<QLineEdit>(u"NumberOfDiceToRollUpText"_s, index); }
    QString result() { return get<QLabel>(u"DiceRollLabel"_s)->text(); }
    void click(const QString &name, int index = -1) { get<QAbstractButton>(name, index)->click(); }
};

template <typename T> T *child(QDialog &dialog, const QString &name) { return requireChild<T>(dialog, name); }

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
    auto *from = child<QLineEdit>(d, u"txtFrom"_s);
    auto *to = child<QLineEdit>(d, u"txtTo"_s);
    auto *generate = child<QPushButton>(d, u"cmdGenerate"_s);
    auto *ok = child<QPushButton>(d, u"cmdOK"_s);
    QCOMPARE(d.pos() - p.pos(), QPoint(267, 120));
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(d.findChild<QGroupBox *>()->title(), u"  Generate Random Dice Roll Between Two Values  "_s);
    QCOMPARE(from->text() + u'|' + to->text(), u"1|100"_s);
    QVERIFY(generate->isEnabled() && !ok->isEnabled());

    // From 1 to 3 is refused when "to" is left.
    to->setFocus();
    retype(to, u"3"_s);
    QVERIFY(!generate->isEnabled());
    from->setFocus();
    QCOMPARE(to->text(), u"100"_s);
    QVERIFY(to->hasFocus() && isYellow(to));
    QCOMPARE(p.scripted.trace().last(), u"beep"_s);

    // From 1 to 4 draws; letters are not typed.
    retype(to, u"x4"_s);
    from->setFocus();
    QVERIFY(from->hasFocus() && !isYellow(to));
    generate->click();
    QCOMPARE(child<QLineEdit>(d, u"txtResult"_s)->text(), u"4"_s);
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
        QTest::addColumn<bool>("minus");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("soundsOn");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("trace");

        QTest::newRow("one d6") << u"1"_s << u"0"_s << false << 2 << false << true << QList<float> { 0.999f } << u"6"_s
                                << RollSounds;
        QTest::newRow("two d10 - 3, lowest")
            << u"2"_s << u"3"_s << true << 4 << false << true << QList<float> { 0.0f } << u"-1"_s << RollSounds;
        QTest::newRow("two d10 - 3 from the menu, highest")
            << u"2"_s << u"3"_s << true << 4 << true << true << QList<float> { 0.95f } << u"17"_s << RollSounds;
        QTest::newRow("emptied fields roll one d3, silently") << QString() << QString() << false << 0 << false << false
                                                              << QList<float> { 0.5f } << u"2"_s << QStringList();
    }

    void roll()
    {
        QFETCH(QString, count);
        QFETCH(QString, modifier);
        QFETCH(bool, minus);
        QFETCH(int, kind);
        QFETCH(bool, fromMenu);
        QFETCH(bool, soundsOn);
        QFETCH(QList<float>, draws);
        Program p;
        p.state.soundsOn = soundsOn;
        p.field(0)->setText(count);
        p.field(1)->setText(modifier);
        p.get<QRadioButton>(u"Option1"_s, minus ? 1 : 0)->click();
        p.scripted.scriptedRandom().script(draws);
        const QList<QAction *> menu = p.menu(MainMenu::Dices)->actions();
        QCOMPARE(menu.size(), 8);
        if (fromMenu)
            menu.at(kind)->trigger();
        else
            p.click(u"cmdDice"_s, kind);

        QTEST(p.result(), "result");
        QTEST(p.scripted.trace(), "trace");
        QCOMPARE(p.field(0)->text(), count.isEmpty() ? u"1"_s : count);
        QCOMPARE(p.field(1)->text(), modifier.isEmpty() ? u"0"_s : modifier);
        QCOMPARE(p.get<QTabWidget>(u"VelmoraTab"_s)->currentIndex(), int(MainTab::Tools));
        QVERIFY(!p.campaignSession().isModified());
    }

    void controls()
    {
        Program p;
        QCOMPARE(p.get<QGroupBox>(u"DiceRollerFrame"_s)->title(), u"Dice Roller"_s);
        QStringList captions;
        for (int index = 0; index < 9; ++index)
            captions << p.get<QPushButton>(u"cmdDice"_s, index)->text();
        QCOMPARE(captions.join(u' '), u"d3 d4 d6 d8 d10 d12 d20 d100 Rand"_s);
        QStringList items;
        for (const QAction *item : p.menu(MainMenu::Dices)->actions())
            items << item->objectName() + u'=' + item->text();
        QCOMPARE(items.join(u','),
            u"mnuDicesRoll_3=Dice roll 3,mnuDicesRoll_4=Dice roll 4,mnuDicesRoll_6=Roll dice 6,"
            u"mnuDicesRoll_8=Dice roll 8,mnuDicesRoll_10=Dice roll 10,"
            u"mnuDicesRoll_12=Dice roll 12,mnuDicesRoll_20=Dice roll 20,"
            u"mnuDicesRoll_100=Dice roll 100"_s);
    }

    void stepsAndEmptiedFields()
    {
        Program p;
        QCOMPARE(p.get<QAbstractButton>(u"NumberOfDiceToRollUpCommand"_s)->toolTip(), u"Up by one"_s);
        QCOMPARE(p.get<QAbstractButton>(u"NumberOfDiceToRollDownCommand"_s)->toolTip(), u"Down by one"_s);
        QStringList counts;
        for (const QString &step : { u"Down"_s, u"Up"_s, u"Up"_s, u"Down"_s }) {
            p.click(u"NumberOfDiceToRoll"_s + step + u"Command"_s);
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
        QTest::keyClick(p.field(0), Qt::Key_Backspace);
        QCOMPARE(p.field(0)->text(), u"1"_s);
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
        p.click(u"cmdDice"_s, 8);
        QCOMPARE(p.result(), u"4"_s);
        QCOMPARE(p.scripted.scriptedRandom().seeds, QList<quint32> { 4242 });

        // A cancelled draw leaves the result as it was.
        p.scripted.scriptedRandom().script({ 0.0f });
        p.scripted.answerDialog([](QDialog &d) {
            child<QPushButton>(d, u"cmdGenerate"_s)->click();
            child<QPushButton>(d, u"cmdCancel"_s)->click();
            return d.result();
        });
        p.click(u"cmdDice"_s, 8);
        QCOMPARE(p.result(), u"4"_s);
        QCOMPARE(p.scripted.trace().filter(u"beep"_s).size(), 1);
    }
};

QTEST_MAIN(TestDiceRollerFrame)
#include "TestDiceRollerFrame.moc"
