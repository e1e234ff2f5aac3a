#include "gui/table/BattleBoxFiles.h"

#include "core/persistence/CampaignModel.h"
#include "core/table/BattleBoxList.h"
#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

const QByteArray Goblins = "BATTLEBOX\r\nT,12,Goblin,\r\nF,7,Orc (2),\r\nNOTE,{\\rtf1 Ambush at dawn}";

// The Battle Box's files on a host of their own, over a list holding the campaign's "Troll".
struct Program : FakeHost
{
    BattleBoxList list;
    BattleBoxFiles files{*this, list};
    CampaignModel model = CampaignModel::newCampaign();

    explicit Program(const QList<Shortcut> &links = {})
    {
        BattleBoxEntry troll;
        troll.name = u"Troll"_s;
        list.setEntries({troll});
        model.linkedBattleBoxes = links;
        placeOnTab(MainTab::Tools, files.panel());
        const CampaignSession::QuietGuard quiet(campaignSession());
        files.applyCampaign(model);
    }

    QStringList names()
    {
        QStringList shown;
        for (const BattleBoxEntry &entry : list.entries())
            shown << (entry.ticked ? u"T "_s : u"F "_s) + entry.name;
        return shown;
    }
    QString notes() { return requireChild<QTextEdit>(*files.panel(), u"rtbBBNotes"_s)->toPlainText(); }
    void menu(int index) { requireChild<QAction>(*files.panel(), u"mnuBB"_s, index)->trigger(); }
};

} // namespace

class TestBattleBoxFiles : public QObject
{
    Q_OBJECT

private slots:
    void newLeavesOnlyTheNewFile()
    {
        Program program({{u"Old.csv"_s, u"\\Campaigns\\Old.csv"_s}, {u"Other.csv"_s, u"C:\\Other.csv"_s}});
        QSignalSpy captions(&program.files, &BattleBoxFiles::captionChanged);
        const QString path = program.home.file(u"Campaigns/Fresh.csv"_s);
        program.scripted.answerFile(path);
        program.menu(BattleBoxFiles::New);

        QCOMPARE(program.files.savedList(), (QList<Shortcut>{{u"Fresh.csv"_s, u"\\Campaigns\\Fresh.csv"_s}}));
        QCOMPARE(program.names(), QStringList());
        QCOMPARE(captions.last().at(0).toString(), u"Battle Box "_s + path + u' ');
        QVERIFY(program.campaignSession().isModified());
        const FileDialogRequest asked = program.scripted.callsOf(ScriptedPlatform::Kind::SaveFile).at(0).request;
        QCOMPARE((QStringList{asked.title, asked.filter, asked.initialFolder}),
                 (QStringList{u"Select A Battle Box File"_s, u"CSV (*.csv)|*.csv"_s, program.home.file(u"Campaigns"_s)}));
    }

    void import_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("battle box") << Goblins << QStringList{u"T Goblin"_s, u"F Orc (2)"_s} << u"Ambush at dawn"_s
                                    << QStringList();
        const QString refusal = u"message Wrong File: This is not a 'BattleBox' linked file.\r\n"_s
                                + u"Please select another file to open."_s;
        QTest::newRow("wrong file") << QByteArray("VLSTATS\r\nGoblin") << QStringList() << QString() << QStringList{refusal};
    }

    void import()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        QFETCH(QString, notes);
        QFETCH(QStringList, messages);
        Program program;
        program.scripted.answerFile(program.home.write(u"Campaigns/Cave.csv"_s, bytes));
        program.menu(BattleBoxFiles::Import);

        QCOMPARE(program.names(), names);
        QCOMPARE(program.notes(), notes);
        QCOMPARE(program.files.savedList(), (QList<Shortcut>{{u"Cave.csv"_s, u"\\Campaigns\\Cave.csv"_s}}));
        QCOMPARE(program.scripted.trace(),
                 QStringList({u"sound Click.wav"_s, u"open-dialog Select A Battle Box File"_s}) + messages);
    }

    void saveWritesOnlyChanges_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("nothing changed") << QString() << QByteArray("moved away");
        QTest::newRow("notes typed")
            << u"Retreat"_s << QByteArray("BATTLEBOX\r\nT,12,Goblin,,,,,,,,,,,,,\r\nF,7,Orc (2),,,,,,,,,,,,,\r\nNOTE,");
    }

    void saveWritesOnlyChanges()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        Program program;
        program.files.LoadBattleBoxFile(program.home.write(u"Campaigns/Cave.csv"_s, Goblins));
        program.home.write(u"Campaigns/Cave.csv"_s, "moved away");
        if (!typed.isEmpty())
            requireChild<QTextEdit>(*program.files.panel(), u"rtbBBNotes"_s)->setPlainText(typed);
        program.scripted.clearCalls();
        program.files.Toolbar1_ButtonClick(u"Save"_s);

        QVERIFY(program.home.read(u"Campaigns/Cave.csv"_s).startsWith(written));
        QCOMPARE(program.home.read(u"Campaigns/Cave.csv"_s).contains("Retreat"), !typed.isEmpty());
        QCOMPARE(program.scripted.sounds(), (QStringList{u"Save.WAV"_s, u"Click.wav"_s}));
        QVERIFY(!program.files.state().isModified());
    }

    void clickOnAMovedFileRelocatesIt()
    {
        Program program({{u"Cave.csv"_s, u"\\Campaigns\\Cave.csv"_s}});
        const QString moved = program.home.write(u"Moved/Cave.csv"_s, Goblins);
        requireChild<QTextEdit>(*program.files.panel(), u"rtbBBNotes"_s)->setPlainText(u"Troll fight"_s);
        program.scripted.answerMessage(MessageAnswer::No); // don't save the Battle Box
        program.scripted.answerMessage(MessageAnswer::Yes); // look for the file
        program.scripted.answerFile(moved);
        program.files.lsvClass_Click(0);

        QCOMPARE(program.scripted.trace(),
                 (QStringList{u"message Save Changes: Do you want to save the changes made to the current Battle Box ?"_s,
                              u"message File Not Found: Ths file may have moved.\r\nWould you like to look for its new localisaton ?"_s,
                              u"open-dialog Find File New Localisation"_s,
                              u"message Propagate Change: Do you whish to propagate that change to all other list items ?"_s}));
        QCOMPARE(program.scripted.calls().at(0).icon, MessageIcon::Exclamation);
        QCOMPARE(program.files.savedList(), (QList<Shortcut>{{u"Cave.csv"_s, u"\\Moved\\Cave.csv"_s}}));
        QCOMPARE(program.names(), (QStringList{u"T Goblin"_s, u"F Orc (2)"_s}));
        QCOMPARE(program.files.state().caption(), u"Battle Box: "_s + moved + u' ');
    }

    void applyLoadsTheFirstLinkedFile()
    {
        TestHome seed;
        const QString first = seed.write(u"First.csv"_s, Goblins);
        const QString second = seed.write(u"Second.csv"_s, "BATTLEBOX\r\nF,3,Kobold,\r\nNOTE,");
        Program program({{u"First.csv"_s, first}, {u"Pathless"_s, QString()}, {u"Second.csv"_s, second}});

        QCOMPARE(program.names(), (QStringList{u"T Goblin"_s, u"F Orc (2)"_s}));
        QCOMPARE(program.notes(), u"Ambush at dawn"_s);
        QCOMPARE(program.files.state().loadedName(), first);
        const QTreeView *view
            = requireChild<QTreeView>(*program.files.panel(), u"lsvClass"_s, BattleBoxFiles::SavedListIndex);
        QCOMPARE(view->model()->index(1, 1).data().toString(), second);
        CampaignModel saved;
        program.files.collectCampaign(saved);
        QCOMPARE(saved.linkedBattleBoxes, (QList<Shortcut>{{u"First.csv"_s, first}, {u"Second.csv"_s, second}}));
    }
};

QTEST_MAIN(TestBattleBoxFiles)
#include "TestBattleBoxFiles.moc"
