#include "core/persistence/CampaignModel.h"
#include "gui/calendar/CalendarTools.h"
#include "gui/documents/DocumentsTools.h"
#include "gui/documents/ReferenceTools.h"
#include "gui/maps/MapsTools.h"
#include "gui/search/SearchTools.h"
#include "gui/table/TableTools.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAction>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Every part whose places the search finds "blue dragon" in, the search installed last.
struct Program : FakeHost
{
    DocumentsTools docs { *this };
    ReferenceTools lists { *this };
    TableTools table { *this };
    CalendarTools calendar { *this };
    MapsTools maps { *this };
    SearchTools search { *this };

    Program()
    {
        CampaignModel model = CampaignModel::newCampaign();
        for (const QString &slot : { u"Notes"_s, u"Last"_s, u"NPCs"_s })
            home.write(u"Documents/"_s + slot + u".rtf"_s, "{\\rtf1 " + slot.toLatin1() + " met the blue dragon\\par}");
        model.documents.load(
            { u"Notes;\\Documents\\Notes.rtf"_s, u"Last;\\Documents\\Last.rtf"_s, u"NPCs;\\Documents\\NPCs.rtf"_s });
        home.write(u"Campaigns/Fight.csv"_s, "BATTLEBOX\r\nNOTE,{\\rtf1 The blue dragon waits}");
        model.linkedBattleBoxes = { { u"Fight.csv"_s, u"\\Campaigns\\Fight.csv"_s } };
        model.agenda = { { u"2007:1:5"_s, u"Feed the blue dragon"_s } };
        model.almanach = { { u"2007:2:3"_s, u"The blue dragon flew"_s } };
        QImage(40, 20, QImage::Format_RGB32).save(home.file(u"north.png"_s));
        MapRecord map;
        map.picturePath = home.file(u"north.png"_s);
        model.maps << map;
        model.noteMarkers = { { u"_1"_s, u"Lair of the blue dragon"_s, u"north"_s, 0, 0, QString() } };
        for (CampaignPart *part :
            std::initializer_list<CampaignPart *> { &docs, &lists, &table, &calendar, &maps, &search })
            apply(*part, model);
        home.write(u"Characters/sheet.txt"_s, "Ulf\r\nrides the blue dragon"); // not listed yet
    }

    // Finds "dragon" and goes to the match listed at `where`; `next` answers a dialog it opens.
    void goTo(const QString &where, std::function<int(QDialog &)> next = {})
    {
        scripted.answerDialog([where](QDialog &d) {
            QTest::keyClicks(requireChild<QLineEdit>(d, u"txtFind"_s), u"dragon"_s);
            requireChild<QPushButton>(d, u"cmdFind"_s)->click();
            auto *hits = requireChild<QTreeWidget>(d, u"lsvHits"_s);
            hits->setCurrentItem(hits->findItems(where, Qt::MatchExactly).value(0));
            requireChild<QPushButton>(d, u"cmdGoTo"_s)->click();
            return d.result();
        });
        if (next)
            scripted.answerDialog(std::move(next));
        requireChild<QAction>(*menu(MainMenu::Tools), u"mnuToolsFindInCampaign"_s)->trigger();
    }
};

// "<selected text>@<its start>", and whether it shows when its window does.
QString selection(QWidget *editor)
{
    const auto *rich = qobject_cast<QTextEdit *>(editor);
    const auto *plain = qobject_cast<QPlainTextEdit *>(editor);
    const QTextCursor cursor = rich ? rich->textCursor() : plain ? plain->textCursor() : QTextCursor();
    const auto *line = qobject_cast<QLineEdit *>(editor);
    const QString shown = editor->isVisibleTo(editor->window()) ? u" shown"_s : QString();
    return (line ? line->selectedText() : cursor.selectedText()) + u'@'
        + QString::number(line ? line->selectionStart() : cursor.selectionStart()) + shown;
}

} // namespace

class TestSearchHitOpening : public QObject
{
    Q_OBJECT

private slots:
    void aMatchOpensInItsPlace_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("selected");
        QTest::newRow("notes") << u"notes:Last"_s << u"rtbText"_s << 1 << u"dragon@18 shown"_s;
        QTest::newRow("list") << u"list:7:sheet.txt"_s << u"rtbView"_s << 1 << u"dragon@19 shown"_s;
        QTest::newRow("battlebox") << u"battlebox-notes"_s << u"rtbBBNotes"_s << -1 << u"dragon@9 shown"_s;
        QTest::newRow("agenda") << u"agenda"_s << u"txtEdit"_s << 0 << u"dragon@14 shown"_s;
        QTest::newRow("almanach") << u"almanach"_s << u"txtEdit"_s << 1 << u"dragon@9 shown"_s;
        QTest::newRow("map note") << u"map-note:north"_s << u"txtNote"_s << -1 << u"dragon@17 shown"_s;
    }
    void aMatchOpensInItsPlace()
    {
        QFETCH(QString, where);
        QFETCH(QString, editor);
        QFETCH(int, index);
        QFETCH(QString, selected);
        Program program;
        QString seen;
        program.goTo(where, [&](QDialog &d) { // a note's text shows in its dialog
            seen = selection(requireChild<QLineEdit>(d, editor));
            return int(QDialog::Rejected);
        });
        if (editor == u"txtEdit"_s) // one editor on each agenda's pages
            seen = selection(requireChild<QWidget>(*requireChild<QWidget>(program, u"ucAgenda"_s, index), editor));
        else if (editor != u"txtNote"_s)
            seen = selection(requireChild<QWidget>(program, editor, index));
        QCOMPARE(seen, selected);
    }

    // An agenda placed just now shows at the next turn of the event loop: its editor follows.
    void theAgendaEditorLiesOverItsDay()
    {
        Program program;
        program.resize(900, 700);
        program.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program));
        program.goTo(u"almanach"_s);
        QCoreApplication::processEvents();
        auto *page = requireChild<QTreeView>(*requireChild<QWidget>(program, u"ucAgenda"_s, 1), u"lsvAgenda"_s, 2);
        QCOMPARE(requireChild<QWidget>(*page, u"txtEdit"_s)->pos(), page->visualRect(page->currentIndex()).topLeft());
    }

    // The notes as typed since the search read their file.
    void theMatchIsLookedForInTheTextAsItIsNow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");
        QTest::newRow("moved") << u"Here: Last met the blue dragon"_s << u"dragon@24 shown"_s;
        QTest::newRow("gone") << u"Last met nobody"_s
                              << u"@0 shown|message Find in Campaign: \"dragon\" is no longer there: the text has "
                                 u"changed since it was searched."_s;
    }
    void theMatchIsLookedForInTheTextAsItIsNow()
    {
        QFETCH(QString, typed);
        QFETCH(QString, selected);
        Program program;
        program.docs.editor(1)->setPlainText(typed);
        program.goTo(u"notes:Last"_s);
        QStringList seen { selection(program.docs.editor(1)) };
        for (const ScriptedPlatform::Call &call : program.scripted.callsOf(ScriptedPlatform::Kind::Message))
            seen << call.summary();
        QCOMPARE(seen.join(u'|'), selected);
    }
};

} // namespace Velmora

QTEST_MAIN(Velmora::TestSearchHitOpening)
#include "TestSearchHitOpening.moc"
