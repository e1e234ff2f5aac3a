#include "core/persistence/CampaignModel.h"
#include "core/table/BattleBoxList.h"
#include "gui/table/BattleBoxFrame.h"
#include "gui/table/BattleBoxFiles.h"
#include "gui/table/TableTools.h"
#include "gui/ui/CellEditor.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

BattleBoxEntry entry(const QString &initiative, const QString &name, bool ticked = false)
{
    BattleBoxEntry e;
    e.initiative = initiative;
    e.name = name;
    e.ticked = ticked;
    return e;
}

// The game table's tools on a host of their own, shown on the "Tools" tab.
struct Program : FakeHost
{
    TableTools tools { *this };
    CampaignModel model = CampaignModel::newCampaign();

    explicit Program(const QList<BattleBoxEntry> &entries = {})
    {
        model.battleBox = entries;
        apply(tools, model);
        showTab(MainTab::Tools);
        resize(1200, 900); // every row of the tests in view, beside the notes and saved files
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
        scripted.clearCalls();
    }
    BattleBoxFrame &frame() { return tools.battleBox(); }
    BattleBoxList &list() { return frame().list(); }
    template <typename T = QWidget> T *get(QObject &parent, const QString &name, int index = -1)
    {
        return requireChild<T>(parent, name, index);
    }
    QString shown(const QString &name, int index = -1) { return get<QLabel>(*this, name, index)->text(); }
    // Each row as "initiative name", with "+" for a tick.
    QStringList rows()
    {
        QStringList rows;
        for (const BattleBoxEntry &e : list().entries())
            rows << (e.ticked ? u"+"_s : QString()) + e.initiative + u' ' + e.name;
        return rows;
    }
    void clickCell(int row, int column)
    {
        QTreeView &view = frame().listView();
        view.scrollTo(list().index(row, column));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(list().index(row, column)).center());
    }
};

void type(QDialog &dialog, const QString &name, int index, const QString &text)
{
    QTest::keyClicks(requireChild<QLineEdit>(dialog, name, index), text);
}

} // namespace

class TestBattleBoxFrame : public QObject
{
    Q_OBJECT

private slots:
    void addThroughTheDialog_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("one") << u"Gob;(lin),"_s << u"0"_s << QStringList { u"7 Goblin"_s };
        QTest::newRow("three copies") << u"Goblin"_s << u"3"_s
                                      << QStringList { u"7 Goblin (1)"_s, u"7 Goblin (2)"_s, u"7 Goblin (3)"_s,
                                             u"7 Goblin (4)"_s };
    }
    void addThroughTheDialog()
    {
        QFETCH(QString, typed);
        QFETCH(QString, count);
        Program program;
        program.scripted.answerDialog([&](QDialog &dialog) {
            type(dialog, u"txtSubItems"_s, 0, u" 7 "_s);
            type(dialog, u"txtSubItems"_s, 1, typed);
            requireChild<QLineEdit>(dialog, u"txtNumber"_s)->setText(count);
            requireChild<QAbstractButton>(dialog, u"cmdAction"_s, 0)->click();
            return dialog.result();
        });
        program.get<QAction>(program, u"mnuBBoxAdd"_s)->trigger();
        QCOMPARE(program.scripted.calls().at(0).title, u"Battle Box Edition"_s);
        QTEST(program.rows(), "rows");
        QCOMPARE(program.list().entry(0).sortKey(), u"000007"_s);
        QVERIFY(program.campaignSession().isModified());
    }

    void nameCheck_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("trace");
        const QString clash = u"message Duplicate name: Name already exists in list.Name must be unique."_s;
        QTest::newRow("base name taken") << u"Orc"_s << u"0"_s << QStringList { u"dialog frmBattleBox"_s, clash };
        QTest::newRow("case differs") << u"orc"_s << u"0"_s << QStringList { u"dialog frmBattleBox"_s };
        QTest::newRow("copies asked") << u"Orc"_s << u"2"_s << QStringList { u"dialog frmBattleBox"_s };
    }
    void nameCheck()
    {
        QFETCH(QString, name);
        QFETCH(QString, count);
        QFETCH(QStringList, trace);
        Program program({ entry(u"3"_s, u"Orc (2)"_s) });
        bool okEnabled = false;
        program.scripted.answerDialog([&](QDialog &dialog) {
            auto *field = requireChild<QLineEdit>(dialog, u"txtSubItems"_s, 1);
            QTest::keyClicks(field, name);
            requireChild<QLineEdit>(dialog, u"txtNumber"_s)->setText(count);
            QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(field, &leave);
            okEnabled = requireChild<QAbstractButton>(dialog, u"cmdAction"_s, 0)->isEnabled();
            return int(QDialog::Rejected);
        });
        program.frame().mnuBBoxAdd_Click();
        QCOMPARE(program.scripted.trace(), trace);
        QCOMPARE(okEnabled, trace.size() == 1);
        QCOMPARE(program.rows(), QStringList { u"3 Orc (2)"_s });
    }

    void replicateTheCurrentRow_data()
    {
        QTest::addColumn<int>("existing");
        QTest::addColumn<QString>("lastName");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("room") << 1 << u"Goblin (3)"_s << QStringList();
        QTest::newRow("list fills up")
            << BattleBoxList::MaxEntries - 1 << u"Goblin (2)"_s
            << QStringList {
                   u"message Battle Box: The Battle Box holds at most 32767 characters: 1 of the 2 copies were added."_s
               };
    }
    void replicateTheCurrentRow()
    {
        QFETCH(int, existing);
        QList<BattleBoxEntry> entries(existing, entry(u"1"_s, u"Orc"_s));
        entries.first() = entry(u"5"_s, u"Goblin"_s);
        Program program(entries);
        program.frame().listView().setCurrentIndex(program.list().index(0, BattleBoxList::Name));
        program.scripted.answerDialog([](QDialog &dialog) {
            if (requireChild<QLabel>(dialog, u"lblName"_s)->text() != u"Goblin"_s)
                return int(QDialog::Rejected);
            requireChild<QToolButton>(dialog, u"btnUp"_s)->click();
            requireChild<QToolButton>(dialog, u"btnUp"_s)->click();
            requireChild<QAbstractButton>(dialog, u"cmdOK"_s)->click();
            return dialog.result();
        });
        program.get<QAction>(program, u"mnuBBoxReplicate"_s)->trigger();
        QCOMPARE(program.rows().first(), u"5 Goblin (1)"_s);
        QTEST(program.list().entries().last().name, "lastName");
        QTEST(program.scripted.trace().mid(1), "messages");
    }

    void roundAdvanceUnticksSortsAndCountsDown()
    {
        Program program({ entry(u"7"_s, u"A"_s, true), entry(u"-2"_s, u"C"_s), entry(u"12"_s, u"B"_s, true),
            entry(u"0"_s, u"D"_s) });
        program.frame().setCounters(BattleBoxCounters(u"1"_s, u"1"_s, u"5"_s, u"Web"_s, QString()));
        program.get<QAbstractButton>(program, u"BattleBoxTurnCounterUpCommand"_s)->click();
        QCOMPARE(program.rows(), (QStringList { u"12 B"_s, u"7 A"_s, u"0 D"_s, u"-2 C"_s }));
        QCOMPARE(program.scripted.trace(), (QStringList { u"sound Click.wav"_s, u"sound Click.wav"_s }));
        QCOMPARE((QStringList { program.shown(u"BattleBoxTurnCounterAmountLabel"_s),
                     program.shown(u"DurationLabel"_s, 0), program.shown(u"DurationLabel"_s, 1) }),
            (QStringList { u"2"_s, u"1"_s, u"4"_s }));

        // A new initiative typed in place keeps its row until the next round.
        program.clickCell(3, BattleBoxList::Initiative);
        QLineEdit *editor = program.frame().cellEditor().editor();
        QVERIFY(editor);
        QCOMPARE(editor->objectName(), u"Text1"_s);
        QTest::keyClicks(editor, u"20"_s);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(program.rows().last(), u"20 C"_s);
        program.get<QAction>(program, u"mnuDicesTurnUp"_s)->trigger();
        QCOMPARE(program.rows().first(), u"20 C"_s);
        QCOMPARE(program.shown(u"DurationLabel"_s, 1), u"3"_s);
    }

    void keysOnTheList_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("Space ticks") << int(Qt::Key_Space) << 0 << QStringList { u"+7 A"_s, u"+5 B"_s };
        QTest::newRow("Ctrl+K clears") << int(Qt::Key_K) << int(Qt::ControlModifier)
                                       << QStringList { u"7 A"_s, u"5 B"_s };
        QTest::newRow("Del removes") << int(Qt::Key_Delete) << 0 << QStringList { u"+5 B"_s };
        QTest::newRow("Ctrl+Right advances")
            << int(Qt::Key_Right) << int(Qt::ControlModifier) << QStringList { u"7 A"_s, u"5 B"_s };
    }
    void keysOnTheList()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Program program({ entry(u"7"_s, u"A"_s), entry(u"5"_s, u"B"_s, true) });
        QTreeView &view = program.frame().listView();
        program.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program));
        view.setFocus();
        view.setCurrentIndex(program.list().index(0, BattleBoxList::Name));
        QTest::keyClick(&view, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTEST(program.rows(), "rows");
    }

    void headerClick_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("initiative") << int(BattleBoxList::Initiative)
                                    << QStringList { u"12 B"_s, u"7 A"_s, u"0 D"_s, u"-2 C"_s };
        QTest::newRow("sort key") << int(BattleBoxList::SortKey)
                                  << QStringList { u"7 A"_s, u"-2 C"_s, u"12 B"_s, u"0 D"_s };
        QTest::newRow("icon") << int(BattleBoxList::Icon) << QStringList { u"7 A"_s, u"-2 C"_s, u"12 B"_s, u"0 D"_s };
    }
    void headerClick()
    {
        QFETCH(int, column);
        Program program(
            { entry(u"7"_s, u"A"_s), entry(u"-2"_s, u"C"_s), entry(u"12"_s, u"B"_s), entry(u"0"_s, u"D"_s) });
        emit program.frame().listView().header()->sectionClicked(column);
        QTEST(program.rows(), "rows");
    }

    void aCampaignSaveWritesTheEditedBattleBoxFile()
    {
        Program program;
        const QString path = program.home.write(u"Campaigns/Fight.csv"_s, "BATTLEBOX\r\nF,7,Orc,\r\nNOTE,"_ba);
        program.tools.battleBoxFiles().LoadBattleBoxFile(path);
        program.tools.saveModifiedDocuments(); // nothing changed: nothing written
        QCOMPARE(program.home.read(u"Campaigns/Fight.csv"_s), "BATTLEBOX\r\nF,7,Orc,\r\nNOTE,"_ba);
        program.clickCell(0, BattleBoxList::Initiative);
        QTest::keyClicks(program.frame().cellEditor().editor(), u"9"_s);
        QTest::keyClick(program.frame().cellEditor().editor(), Qt::Key_Return);
        QTRY_COMPARE(program.list().entries().first().initiative, u"9"_s);
        program.tools.saveModifiedDocuments();
        QVERIFY(program.home.read(u"Campaigns/Fight.csv"_s).startsWith("BATTLEBOX\r\nF,9,Orc,"));
    }

    void campaignRoundTrip_data()
    {
        QTest::addColumn<QString>("round"); // of the campaign loaded; "1" keeps the start values
        QTest::newRow("a campaign sets the fight it saved") << u"3"_s;
        QTest::newRow("a campaign without one starts anew") << u"1"_s;
    }
    void campaignRoundTrip()
    {
        QFETCH(QString, round);
        Program program({ entry(u"4"_s, u"Orc"_s, true) });
        program.frame().setCounters(BattleBoxCounters(u"7"_s, u"2"_s, u"2"_s, u"Web"_s, QString()));
        CampaignModel next = CampaignModel::newCampaign();
        next.battleBox = { entry(u"9"_s, u"Troll"_s, true), entry(u"1"_s, u"Kobold"_s) };
        if (round != u"1"_s)
            next.battleBoxCounters = BattleBoxCounters(round, u"2"_s, u"1"_s, QString(), u"Haste"_s);
        next.layout.columns(LayoutList::BattleBox)[BattleBoxList::Name] = 2400;
        program.campaignSession().setPath(u"fight.vlf"_s);
        program.apply(program.tools, next);
        QCOMPARE(program.rows(), (QStringList { u"+9 Troll"_s, u"1 Kobold"_s }));
        QCOMPARE(program.frame().counters(), next.battleBoxCounters);
        QCOMPARE(program.frame().listView().columnWidth(BattleBoxList::Name), 160);
        QVERIFY(!program.campaignSession().isModified());

        CampaignModel saved = CampaignModel::newCampaign();
        program.collect(program.tools, saved);
        QCOMPARE(saved.battleBox, next.battleBox);
        QCOMPARE(saved.battleBoxCounters, next.battleBoxCounters);
        QCOMPARE(saved.layout.columns(LayoutList::BattleBox), next.layout.columns(LayoutList::BattleBox));
        // The counters are saved with the campaign: a change of them is a change of the campaign.
        program.get<QAbstractButton>(program, u"Duration1CounterUpCommand"_s)->click();
        QVERIFY(program.campaignSession().isModified());
    }
};

QTEST_MAIN(TestBattleBoxFrame)
#include "TestBattleBoxFrame.moc"
