#include "gui/app/CampaignLifecycle.h"

#include "core/persistence/Campaign.h"
#include "gui/app/CampaignSaving.h"
#include "gui/app/ClosingSequence.h"
#include "gui/app/VelmoraForm.h"
#include "support/MaximalCampaign.h"
#include "support/TestHome.h"
#include "support/gui/GuiHarness.h"
#include "support/gui/RunningProgram.h"
#include "support/gui/ScriptedPlatform.h"

#include "TestConfig.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

const QString askNew = u"message Save New Campaign: Do you want to save this new campaign ?"_s;

struct Program : RunningProgram
{
    CampaignCommands &commands() { return form.campaign(); }
    ProgramState &state() { return form.state(); }
    CampaignSession &session() { return form.campaignSession(); }
    void setModified(bool modified) { modified ? session().markModified() : session().markClean(); }
    QString panel2() { return requireChild<QLabel>(form, u"Panel2"_s)->text(); }
    void trigger(const QString &action) { requireChild<QAction>(form, action)->trigger(); }

    // A campaign file of format 4.0 written by another campaign object.
    QString campaignFile(const QString &relative)
    {
        const QString path = home.file(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        Campaign other(home.folder());
        other.model.town.townName = u"Hommlet"_s;
        if (const Result<void> saved = other.SaveCampaign(path, false); !saved)
            qFatal("cannot write %s", qPrintable(saved.error().message));
        return path;
    }

    // The open dialog answers `path`, and the file opens (the question about the un-named
    // campaign answered No).
    void open(const QString &path)
    {
        platform.answerFile(path);
        commands().OpenCampaign(false);
    }
};

} // namespace

class TestCampaignLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void chooseSaveName_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("proposal");
        const QString plain = u"Save Under New Name"_s;
        const QString asTemplate = u"Save as VLF or as a new template with VLT"_s;
        QTest::newRow("un-named") << QString() << QStringList() << plain << u"Campaigns/NewCampaign_1.vlf"_s;
        QTest::newRow("un-named, _1 and _2 taken")
            << QString() << QStringList{u"Campaigns/NewCampaign_1.vlf"_s, u"Campaigns/NewCampaign_2.vlf"_s} << plain
            << u"Campaigns/NewCampaign_3.vlf"_s;
        QTest::newRow("default data template") << u"Campaigns/Default Data.vlt"_s
                                               << QStringList{u"Campaigns/NewCampaign_1.vlf"_s} << asTemplate
                                               << u"Campaigns/NewCampaign_1.vlt"_s;
        QTest::newRow("default data 3.0, any case") << u"Campaigns/DEFAULT DATA.vls"_s << QStringList() << plain
                                                    << u"Campaigns/NewCampaign_1.vlf"_s;
        QTest::newRow("template") << u"Campaigns/Keep.vlt"_s << QStringList() << asTemplate << u"Campaigns/Keep.vlf"_s;
        QTest::newRow("3.0 campaign") << u"old/Keep.vls"_s << QStringList() << plain << u"old/Keep.vlf"_s;
        QTest::newRow("campaign") << u"mine/Keep.vlf"_s << QStringList() << plain << u"mine/Keep.vlf"_s;
    }

    void chooseSaveName()
    {
        QFETCH(QString, current);
        QFETCH(QStringList, existing);
        QFETCH(QString, title);
        QFETCH(QString, proposal);
        Program program;
        for (const QString &file : existing)
            program.home.write(file, "x");
        program.home.write(u"Campaigns/Default Data.vlt"_s, "x");
        const QString chosen = program.home.file(u"Campaigns/Mine.vlf"_s);
        program.platform.answerFile(chosen);

        const auto result = program.commands().ChooseSaveName(current.isEmpty() ? current : program.home.file(current));
        QCOMPARE(result, std::optional<QString>(chosen));
        const FileDialogRequest request = program.platform.callsOf(ScriptedPlatform::Kind::SaveFile).value(0).request;
        QCOMPARE(request.title, title);
        QCOMPARE(request.initialFileName, program.home.file(proposal));
        QCOMPARE(request.filter,
            u"Velmora 4.0 (*.vlf)|*.vlf|Velmora 4.0 Template (*.vlt)|*.vlt|"
            u"Encrypted Velmora 4.0 (*.vlk)|*.vlk"_s);
        QCOMPARE(request.selectedFilter, 0);
        QCOMPARE(request.initialFolder, program.home.file(u"Campaigns"_s));
        QVERIFY(request.overwritePrompt);
        QVERIFY(request.pathMustExist);
    }

    void refusesNamesItCannotOpen()
    {
        Program program;
        const QString encrypted = program.home.file(u"Campaigns/Mine.vle"_s);
        const QString plain = program.home.file(u"Campaigns/Mine.vlf"_s);
        program.platform.answerFile(encrypted);
        program.platform.answerFile(plain);
        QCOMPARE(program.commands().ChooseSaveName(QString()), std::optional<QString>(plain));
        QCOMPARE(program.platform.trace(),
                 QStringList({u"save-dialog Save Under New Name"_s,
                              u"message Velmora: "_s + CampaignSaving::notACampaignNameText(encrypted),
                              u"save-dialog Save Under New Name"_s}));
    }

    void openDialog()
    {
        Program program;
        const QString recent = program.campaignFile(u"Campaigns/Recent.vlf"_s);
        program.form.AddToRecentFiles(recent);
        program.commands().OpenCampaign(false);
        QCOMPARE(program.platform.trace(), QStringList{u"open-dialog Open Velmora Campaign File"_s});
        const FileDialogRequest request = program.platform.calls().first().request;
        QCOMPARE(request.filter, u"Any Velmora file (*.vl*)|*.vl*|Velmora 4.0 (*.vlf)|*.vlf|Encrypted Velmora 4.0 "
                                 u"(*.vlk)|*.vlk|Velmora 4.0 Template (*.vlt)|*.vlt|Velmora 3.0 (*.vls)|*.vls|Encrypted "
                                 u"Velmora 3.0 (*.vle)|*.vle"_s);
        QCOMPARE(request.selectedFilter, 1);
        QCOMPARE(request.initialFolder, program.home.file(u"Campaigns"_s));
        QCOMPARE(request.initialFileName, recent);
        QVERIFY(request.fileMustExist);
        QCOMPARE(program.panel2(), u"New un-named campaign"_s); // cancelled: nothing changes
    }

    // A file handed over by a second start waits for the dialog the user has open, then opens
    // with File > Open's questions.
    void handedOverFileOpensOnceNoDialogIsOpen()
    {
        Program program;
        const QString handed = program.campaignFile(u"Campaigns/Handed.vlf"_s);
        QDialog dialog(&program.form);
        dialog.setModal(true);
        dialog.show();
        program.form.receiveHandedOver(handed);
        QTest::qWait(400);
        QCOMPARE(program.platform.trace(), QStringList());
        dialog.close();
        QTRY_COMPARE(program.session().path(), handed);
        QCOMPARE(program.platform.trace(),
                 QStringList({askNew, u"message Saving Changes: Do you wish to save any changes made to the previous "
                                      u"un-named file ?"_s}));
        QCOMPARE(program.campaign.model.town.townName, u"Hommlet"_s);
        QCOMPARE(program.panel2(), handed);
    }

    void openByKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // "" writes a campaign file
        QTest::addColumn<QString>("message");   // how the message after the dialog starts; "" none
        QTest::addColumn<QString>("current");   // "chosen", "base" (unchanged) or "" (un-named)
        QTest::newRow("campaign") << u"Keep.vlf"_s << QByteArray() << QString() << u"chosen"_s;
        QTest::newRow("template") << u"Keep.vlt"_s << QByteArray() << QString() << u"chosen"_s;
        QTest::newRow("unreadable: named in the message, un-named campaign")
            << u"Broken.vlf"_s << QByteArray("not a campaign") << u"message Velmora: \"%1\" could not be opened"_s
            << QString();
        QTest::newRow("another kind") << u"Other.vlx"_s << QByteArray("x") << u"message Velmora: \"%1\" is not a"_s
                                      << u"base"_s;
    }

    void openByKind()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(QString, current);
        Program program;
        const QString base = program.campaignFile(u"Campaigns/Base.vlf"_s);
        program.open(base);
        program.campaign.model.town.townName = u"Changed"_s;
        const QString chosen = bytes.isEmpty() ? program.campaignFile(u"Campaigns/"_s + name)
                                               : program.home.write(u"Campaigns/"_s + name, bytes);
        program.platform.clearCalls();
        program.open(chosen);

        const QStringList trace = program.platform.trace();
        QCOMPARE(trace.size(), message.isEmpty() ? 1 : 2);
        if (!message.isEmpty())
            QVERIFY2(trace.last().startsWith(message.arg(chosen)), qPrintable(trace.last()));
        const QString expected = current == u"chosen" ? chosen : current == u"base" ? base : QString();
        QCOMPARE(program.session().path(), expected);
        QCOMPARE(program.panel2(), expected.isEmpty() ? u"New un-named campaign"_s : expected);
        QCOMPARE(program.form.sessionSettings().recentFiles().contains(chosen), current == u"chosen");
        QCOMPARE(program.campaign.model.town.townName,
                 current == u"base" ? u"Changed"_s : current == u"chosen" ? u"Hommlet"_s : QString());
        QVERIFY(!program.session().isModified());
    }

    // One notes document missing: all three slots take their defaults, with one message.
    void missingNotesDocumentLoadsTheDefaults()
    {
        Program program;
        Campaign other(program.home.folder());
        other.model.documents.load({u"Last;\\Documents\\Gone.rtf"_s});
        const QString path = program.home.file(u"Campaigns/Gone.vlf"_s);
        QVERIFY(other.SaveCampaign(path, false));
        program.open(path);
        QCOMPARE(program.platform.trace().mid(2), // after the open dialog and the question about the new campaign
                 QStringList{u"message File Not Found: 'DM Notes', 'Game LastLeft Off' and NPCs have met' were not "
                             "found on the saved path.\r\nDefault files were reloaded."_s});
        QCOMPARE(program.campaign.model.documents, NotesDocuments::defaults());
    }

    void templateSavedOnlyFromTheMenu()
    {
        Program program;
        const QString keep = program.campaignFile(u"Campaigns/Keep.vlt"_s);
        const QByteArray original = program.home.read(u"Campaigns/Keep.vlt"_s);
        program.open(keep);
        requireChild<QCheckBox>(program.form, u"SoundCheck"_s)->click();
        QVERIFY(program.session().isModified());
        program.platform.clearCalls();

        program.trigger(u"Save"_s); // the toolbar's
        QCOMPARE(program.platform.trace(), QStringList{u"save-dialog Save as VLF or as a new template with VLT"_s});
        QCOMPARE(program.platform.calls().first().request.initialFileName, program.home.file(u"Campaigns/Keep.vlf"_s));
        QCOMPARE(program.home.read(u"Campaigns/Keep.vlt"_s), original);

        program.trigger(u"mnuFileSave"_s);
        QVERIFY(program.home.read(u"Campaigns/Keep.vlt"_s).contains("soundFlag;FALSE"));
        QVERIFY(!program.session().isModified());
        QCOMPARE(program.session().path(), keep);
    }

    void timedSave_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QList<int>>("savedAtTicks");
        QTest::newRow("named, modified: every 10 minutes") << true << true << QList<int>{10, 20};
        QTest::newRow("named, without changes: never") << true << false << QList<int>();
        QTest::newRow("un-named, modified: never") << false << true << QList<int>();
    }

    void timedSave()
    {
        QFETCH(bool, named);
        QFETCH(bool, modified);
        QFETCH(QList<int>, savedAtTicks);
        Program program;
        const QString path = program.home.file(u"Campaigns/Timed.vlf"_s);
        program.session().setPath(named ? path : QString());
        program.state().autosaveIntervalMinutes = 10;
        QList<int> saved;
        for (int tick = 1; tick <= 25; ++tick) {
            program.setModified(modified);
            program.commands().tmrAutoSave_Timer();
            if (QFile::remove(path))
                saved << tick;
        }
        QCOMPARE(saved, savedAtTicks);
        QCOMPARE(program.platform.trace(), QStringList());
    }

    void version3Upgrade()
    {
        Program program;
        QFile fixture(QString::fromUtf8(VELMORA_TEST_DATA_DIR) + u"/persistence/old-campaign.vls"_s);
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        const QByteArray bytes = fixture.readAll();
        const QString old = program.home.write(u"Campaigns/Old.vls"_s, bytes);
        program.open(old);
        QCOMPARE(program.platform.trace(),
                 QStringList({u"open-dialog Open Velmora Campaign File"_s,
                              u"message Saving Changes: Do you wish to save any changes made to the previous un-named file ?"_s,
                              u"message Updating to New Version: This is a version 3.0 Velmora file.\r\n\r\nIt will be "
                              u"saved under the new version 4.0 format\r\n  which will include your map collection.\r\n"
                              u"All your old files will remain intact\r\n  and still be accessible by this program."_s}));
        QCOMPARE(program.platform.calls().last().icon, MessageIcon::Information);
        const ProgramState &state = program.state();
        QCOMPARE(program.session().path(), old);
        QCOMPARE(program.form.sessionSettings().recentFiles().value(0), old);
        QVERIFY(state.version3Loaded && state.saveOnClose && !program.session().isModified());
        QCOMPARE(state.autosaveIntervalMinutes, 15);
        // The old file's own values reach the window.
        QVERIFY(!requireChild<QCheckBox>(program.form, u"SoundCheck"_s)->isChecked());
        QCOMPARE(requireChild<QTabWidget>(program.form, u"VelmoraTab"_s)->currentIndex(), 5);

        // Saving goes through the dialog, which proposes the .vlf name; the old file stays as it was.
        program.platform.clearCalls();
        const QString upgraded = program.home.file(u"Campaigns/Old.vlf"_s);
        program.platform.answerFile(upgraded);
        program.trigger(u"mnuFileSave"_s);
        QCOMPARE(program.platform.calls().value(0).request.initialFileName, upgraded);
        QCOMPARE(program.home.read(u"Campaigns/Old.vls"_s), bytes);
        QCOMPARE(program.session().path(), upgraded);
        QVERIFY(program.home.read(u"Campaigns/Old.vlf"_s).contains("Greyhawk"));
    }

    void failedSave()
    {
        Program program;
        const QString unreachable = program.home.file(u"missing/Lost.vlf"_s);
        const QString failure = u"message Velmora: \""_s + unreachable + u"\" could not be saved.\r\n"_s;
        program.session().setPath(unreachable);
        program.setModified(true);
        program.trigger(u"mnuFileSave"_s);
        QCOMPARE(program.platform.trace().size(), 1); // no save sound for a save that did not happen
        QVERIFY(program.platform.trace().first().startsWith(failure));
        QVERIFY(program.platform.trace().first().endsWith(u"\r\n\r\nThe campaign is still open with all its changes."_s));
        QVERIFY(program.session().isModified());
        // The toolbar's New, like the menu's, keeps a campaign whose save failed, and its name.
        program.form.showTab(MainTab::Tools);
        auto *townName = requireChild<QLineEdit>(program.form, u"TownNameText"_s);
        townName->setText(u"Hommlet"_s);
        program.form.toolBarAction(u"New"_s)->trigger();
        QCOMPARE(program.session().path(), unreachable);
        QCOMPARE(townName->text(), u"Hommlet"_s);

        // Save As to an unreachable name keeps the name the campaign had.
        const QString kept = program.home.file(u"Campaigns/Kept.vlf"_s);
        program.session().setPath(kept);
        program.platform.answerFile(unreachable);
        program.commands().SaveCampaignAs();
        QCOMPARE(program.session().path(), kept);
        QVERIFY(program.session().isModified());

        // Closing: the user may keep the window open, with the campaign as it was.
        program.session().setPath(unreachable);
        program.form.show();
        program.platform.clearCalls();
        QSignalSpy unloaded(&program.form, &VelmoraForm::unloaded);
        const QString question = u"message Velmora: "_s + ClosingSequence::closeAnywayText();
        program.form.close();
        QCOMPARE(program.platform.trace().value(1), question);
        QVERIFY(program.form.isVisible() && unloaded.isEmpty());
        QVERIFY(program.session().isModified());
        QCOMPARE(program.session().path(), unreachable);
        // ... or close anyway.
        program.platform.clearCalls();
        program.platform.answerMessage(MessageAnswer::Ok);
        program.platform.answerMessage(MessageAnswer::Yes);
        program.form.close();
        QCOMPARE(program.platform.trace().mid(1), QStringList({question, u"sound End.WAV"_s}));
        QCOMPARE(unloaded.size(), 1);
    }

    void OpenRecentFile()
    {
        Program program;
        const QString recent = program.campaignFile(u"Campaigns/Recent.vlf"_s);
        program.setModified(true);
        program.commands().OpenRecentFile(recent);
        QCOMPARE(program.platform.trace(),
                 QStringList({u"message Open Campaign File: Do you want to save your current campaign ?"_s,
                              u"sound Intro.WAV"_s}));
        QCOMPARE(program.platform.calls().first().buttons, MessageButtons::YesNo);
        QCOMPARE(program.platform.calls().first().icon, MessageIcon::Question);
        QCOMPARE(program.session().path(), recent);
        QCOMPARE(program.campaign.model.town.townName, u"Hommlet"_s);
        QVERIFY(!program.session().isModified());
        QCOMPARE(program.form.sessionSettings().recentFiles().value(0), recent);
        QCOMPARE(program.panel2(), recent);
    }

    void reopenedCampaignSavesTheSameBytes()
    {
        // The whole program: a change on the calendar's tools, saved, then opened and saved by
        // another program. From its second save on a campaign keeps its bytes (the first one moves
        // the empty town of a new campaign to the end).
        Program p;
        requireChild<QAbstractButton>(p.form, u"DateUpCommand"_s)->click();
        QVERIFY(p.session().isModified());
        QVERIFY(p.form.isWindowModified());
        const QString path = p.home.file(u"Campaigns/Round.vlf"_s);
        p.platform.answerFile(path);
        p.commands().SaveCampaignAs();
        QVERIFY(!p.form.isWindowModified());

        Program q;
        QString opened = path;
        for (const QString &name : {u"Campaigns/Again.vlf"_s, u"Campaigns/Thrice.vlf"_s}) {
            q.open(opened);
            QVERIFY(!q.session().isModified());
            opened = q.home.file(name);
            QVERIFY(q.commands().SaveCampaign(opened));
        }
        const QByteArray bytes = q.home.read(u"Campaigns/Again.vlf"_s);
        QVERIFY(bytes.contains("Cold (calm)") && bytes.contains("2007:1:2"));
        QCOMPARE(q.home.read(u"Campaigns/Thrice.vlf"_s), bytes);
    }

    void toolsNeverShownSaveTheSameBytes()
    {
        // The tools of a tab are built when it is first in front; the campaign's data in them
        // must be loaded and saved without them all the same.
        Program p;
        Campaign other(p.home.folder());
        other.model = maximalCampaign(40);
        for (LayoutList list :
            { LayoutList::BattleBox, LayoutList::BattleBoxLists, LayoutList::Xp, LayoutList::Stats }) {
            QList<float> &widths = other.model.layout.columns(list);
            widths[0] = 1234.5f;
            widths[1] = 0; // hidden
        }
        const QString path = p.home.file(u"Campaigns/Full.vlf"_s);
        QVERIFY(other.SaveCampaign(path, false));
        p.open(path);
        QVERIFY(p.commands().SaveCampaign(p.home.file(u"Campaigns/Unseen.vlf"_s)));
        QVERIFY(p.form.findChild<QLabel *>(u"lblComingLater4"_s)); // the Tools tab never built

        auto *strip = requireChild<QTabWidget>(p.form, u"sstbUser"_s);
        p.form.showTab(MainTab::Tools);
        p.form.showTab(MainTab::Maps);
        p.form.showTab(MainTab::User);
        for (int page = strip->count() - 1; page >= 0; --page)
            strip->setCurrentIndex(page);
        p.form.showTab(MainTab::Main);
        QVERIFY(!p.form.findChild<QLabel *>(u"lblComingLater4"_s));
        QVERIFY(!p.session().isModified());
        QVERIFY(p.commands().SaveCampaign(p.home.file(u"Campaigns/Seen.vlf"_s)));
        QCOMPARE(p.home.read(u"Campaigns/Seen.vlf"_s), p.home.read(u"Campaigns/Unseen.vlf"_s));
    }

    void newAsksForUnnamedCampaign()
    {
        Program program;
        program.campaign.model.town.townName = u"Hommlet"_s;
        program.trigger(u"mnuFileNew"_s);
        QCOMPARE(program.platform.trace(), QStringList{askNew});
        QCOMPARE(program.campaign.model.town.townName, QString());
        QCOMPARE(program.panel2(), u"New un-named campaign"_s);
        QVERIFY(!program.session().isModified());
    }

    void optionsComeBackWithTheCampaign()
    {
        Program program;
        const QString path = program.home.file(u"Campaigns/Options.vlf"_s);
        requireChild<QCheckBox>(program.form, u"SoundCheck"_s)->click();
        requireChild<QCheckBox>(program.form, u"Check1"_s)->click();
        ProgramState &state = program.state();
        state.timedSave = true;
        state.autosaveIntervalMinutes = 7;
        state.saveOnClose = false;
        program.form.soundCues().setConfiguredPath(SoundEvent::Roll, u"/sounds/roll.wav"_s);
        requireChild<QTabWidget>(program.form, u"VelmoraTab"_s)->setCurrentIndex(3);
        program.form.setWindowState(Qt::WindowNoState);
        program.form.move(150, 120);
        program.form.resize(900, 640);
        program.session().setPath(path);
        QVERIFY(program.commands().SaveCampaign(path));
        QVERIFY(program.home.read(u"Campaigns/Options.vlf"_s).contains("WinPos;0;2250;1800;13500;9600"));

        program.trigger(u"mnuFileNew"_s);
        QVERIFY(state.soundsOn && state.tipFlag && !state.timedSave);
        QCOMPARE(state.autosaveIntervalMinutes, 10);
        QCOMPARE(requireChild<QTabWidget>(program.form, u"VelmoraTab"_s)->currentIndex(), 0);
        QCOMPARE(program.form.soundCues().configuredPath(SoundEvent::Roll), QString());
        program.form.move(0, 0);

        program.commands().OpenRecentFile(path);
        QVERIFY(!state.soundsOn && !state.tipFlag && state.timedSave && !state.saveOnClose);
        QVERIFY(!requireChild<QCheckBox>(program.form, u"SoundCheck"_s)->isChecked());
        QVERIFY(!requireChild<QCheckBox>(program.form, u"Check1"_s)->isChecked());
        QCOMPARE(state.autosaveIntervalMinutes, 7);
        QVERIFY(program.form.tmrAutoSave()->isActive());
        QCOMPARE(program.form.soundCues().configuredPath(SoundEvent::Roll), u"/sounds/roll.wav"_s);
        QCOMPARE(requireChild<QTabWidget>(program.form, u"VelmoraTab"_s)->currentIndex(), 3);
        QCOMPARE(program.form.pos(), QPoint(150, 120));
        QCOMPARE(program.form.size(), QSize(900, 640));
        QVERIFY(!program.session().isModified());
    }
};

QTEST_MAIN(TestCampaignLifecycle)
#include "TestCampaignLifecycle.moc"
