#include "core/documents/RtfReader.h"
#include "core/persistence/CampaignModel.h"
#include "gui/documents/DocumentsTools.h"
#include "gui/documents/RichTextToolBar.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTextList>
#include <QTextTable>
#include <QToolBar>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

// The Docs tab on a host of its own, its three documents written in the application folder.
struct Program : FakeHost
{
    DocumentsTools tools { *this };
    CampaignModel model = CampaignModel::newCampaign();

    Program()
    {
        for (int slot = 0; slot < NotesDocuments::SlotCount; ++slot)
            home.write(u"Documents/Slot"_s + QString::number(slot) + u".rtf"_s,
                "{\\rtf1 Text " + QByteArray::number(slot) + "\\par}");
        model.documents.load(
            { u"Notes;\\Documents\\Slot0.rtf"_s, u"Last;\\Documents\\Slot1.rtf"_s, u"NPCs;\\Documents\\Slot2.rtf"_s });
        apply(tools, model);
        showTab(MainTab::Docs);
    }

    RichTextToolBar *toolBar()
    {
        return static_cast<RichTextToolBar *>(requireChild<QToolBar>(*this, u"Toolbar1"_s, 0));
    }
    void press(const QString &key) { toolBar()->button(key)->trigger(); }
    void show(int slot) { requireChild<QTabWidget>(*this, u"tbsDocs"_s)->setCurrentIndex(slot); }
    QTextEdit *editor(int slot) { return requireChild<QTextEdit>(*this, u"rtbText"_s, slot); }
    void type(int slot, const QString &text)
    {
        editor(slot)->moveCursor(QTextCursor::End);
        editor(slot)->insertPlainText(text);
    }
    QString onDisk(int slot)
    {
        const QByteArray bytes = home.read(u"Documents/Slot"_s + QString::number(slot) + u".rtf"_s);
        return RtfReader().read(bytes)->toPlainText();
    }
};

} // namespace

class TestDocumentsTools : public QObject
{
    Q_OBJECT

private slots:
    void tabShowsTheCampaignsDocuments()
    {
        Program program;
        QStringList shown;
        for (int slot = 0; slot < NotesDocuments::SlotCount; ++slot)
            shown << requireChild<QTabWidget>(program, u"tbsDocs"_s)->tabText(slot) + u'|'
                    + program.editor(slot)->toPlainText() + u'|'
                    + requireChild<QLabel>(program, u"lblLoadedDocs"_s, slot)->text().section(u'/', -2);
        QCOMPARE(shown,
            (QStringList { u" Notes|Text 0|Documents/Slot0.rtf"_s, u"& Game Last Left Off|Text 1|Documents/Slot1.rtf"_s,
                u" NPCs Have Met|Text 2|Documents/Slot2.rtf"_s }));
    }

    // "Save" is enabled only while the slot showing is modified.
    void saveFollowsTheModifiedSlot()
    {
        Program program;
        QAction *save = program.toolBar()->button(u"Save"_s);
        QVERIFY(!save->isEnabled());
        program.type(0, u" more"_s);
        QVERIFY(save->isEnabled());
        program.show(1);
        QVERIFY(!save->isEnabled());
        program.show(0);
        program.press(u"Save"_s);
        QVERIFY(!save->isEnabled());
        QCOMPARE(program.onDisk(0), u"Text 0 more"_s);
        QCOMPARE(program.scripted.sounds(), QStringList { u"Save.WAV"_s });
        program.type(0, u"!"_s);
        program.scripted.answerFile(program.home.file(u"Documents/Slot2.rtf"_s));
        program.press(u"Open"_s); // No: the edit is dropped
        QVERIFY(!save->isEnabled());
        QCOMPARE(program.editor(0)->toPlainText(), u"Text 2"_s);
        QVERIFY(program.campaignSession().isModified());
    }

    // Only the slot showing is asked about; the open dialog is the slot's own.
    void openAsksOnlyForTheSlotShowing()
    {
        Program program;
        program.type(0, u" edited"_s);
        program.show(1);
        program.press(u"Open"_s);
        program.show(0);
        program.scripted.answerMessage(MessageAnswer::Yes);
        program.press(u"Open"_s);
        QCOMPARE(program.scripted.trace(),
            (QStringList { u"open-dialog Select A File To Open As 'Game last left off'"_s,
                u"message Save Changes: File 'Notes' has been modified. Save your changes ?"_s,
                u"open-dialog Select A File To Open As 'Notes'"_s }));
        const FileDialogRequest request = program.scripted.calls().last().request;
        QCOMPARE(request.filter, u"RTF Documents (*.rtf)|*.rtf|Text Documents (*.txt)|*.txt"_s);
        QCOMPARE(request.selectedFilter, 0);
        QVERIFY(request.fileMustExist);
        QCOMPARE(request.initialFolder, program.home.file(u"Documents"_s));
        QCOMPARE(request.initialFileName, program.home.file(u"Documents/Slot0.rtf"_s));
        QCOMPARE(program.onDisk(0), u"Text 0 edited"_s);
        QCOMPARE(program.editor(0)->toPlainText(), u"Text 0 edited"_s); // cancelled: nothing else changed
        QVERIFY(!program.campaignSession().isModified());
    }

    void saveAsKeepsTheNewPath()
    {
        Program program;
        const QString other = program.home.file(u"Elsewhere/New.rtf"_s);
        QDir().mkpath(program.home.file(u"Elsewhere"_s));
        program.scripted.answerFile(other);
        program.show(2);
        program.press(u"SaveAs"_s);
        QCOMPARE(program.scripted.calls().at(0).request.title, u"Save File in Different 'NPCs have met' Archive"_s);
        QCOMPARE(program.scripted.calls().at(0).request.initialFolder, program.home.file(u"Documents"_s));
        QCOMPARE(requireChild<QLabel>(program, u"lblLoadedDocs"_s, 2)->text(), other);
        CampaignModel saved;
        program.collect(program.tools, saved);
        QCOMPARE(saved.documents.toItems(),
            (QStringList {
                u"Notes;\\Documents\\Slot0.rtf"_s, u"Last;\\Documents\\Slot1.rtf"_s, u"NPCs;\\Elsewhere\\New.rtf"_s }));
    }

    // After a campaign save and at close, the modified documents (only those) go to their files.
    void modifiedDocumentsAreSavedWithTheCampaign()
    {
        Program program;
        program.type(1, u" and more"_s);
        QFile::setPermissions(program.home.file(u"Documents/Slot1.rtf"_s), QFile::ReadOwner);
        program.home.write(u"Documents/Slot0.rtf"_s, "{\\rtf1 Changed elsewhere\\par}");
        program.tools.saveModifiedDocuments();
        QCOMPARE(program.onDisk(1), u"Text 1 and more"_s);
        QCOMPARE(program.onDisk(0), u"Changed elsewhere"_s);
        QVERIFY(!program.tools.isModified(1));
    }

    // What we write, reopened, keeps bold, bullets, alignment and tables.
    void formattingSurvivesAReopen()
    {
        Program program;
        QTextEdit *editor = program.editor(0);
        editor->clear();
        QTextCursor cursor(editor->document());
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(u"Bold"_s, bold);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.insertBlock(centred, {});
        cursor.insertText(u"Centred"_s);
        cursor.insertBlock(QTextBlockFormat(), {});
        cursor.insertTable(1, 2)->cellAt(0, 1).firstCursorPosition().insertText(u"Cell"_s);
        cursor.movePosition(QTextCursor::End);
        cursor.insertList(QTextListFormat::ListDisc);
        cursor.insertText(u"Bullet"_s);
        program.press(u"Save"_s);
        editor->clear();
        program.apply(program.tools, program.model);

        const QTextDocument &reread = *program.editor(0)->document();
        QTextBlock block = reread.begin();
        QCOMPARE(block.text(), u"Bold"_s);
        QCOMPARE(block.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        block = block.next();
        QCOMPARE(block.text(), u"Centred"_s);
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        const QTextBlock bullet = reread.lastBlock();
        QCOMPARE(bullet.text(), u"Bullet"_s);
        QVERIFY(bullet.textList() && bullet.textList()->format().style() == QTextListFormat::ListDisc);
        QCOMPARE(bullet.previous().textList(), nullptr);
        QTextTable *reopened = nullptr;
        for (QTextFrame *frame : reread.rootFrame()->childFrames())
            reopened = reopened ? reopened : qobject_cast<QTextTable *>(frame);
        QVERIFY(reopened);
        QCOMPARE(reopened->columns(), 2);
        QCOMPARE(reopened->cellAt(0, 1).firstCursorPosition().block().text(), u"Cell"_s);
    }
};

QTEST_MAIN(TestDocumentsTools)
#include "TestDocumentsTools.moc"
