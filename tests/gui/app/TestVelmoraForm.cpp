#include "core/common/Version.h"
#include "gui/app/MainToolBar.h"
#include "gui/app/VelmoraForm.h"
#include "support/TestHome.h"
#include "support/gui/GuiHarness.h"
#include "support/gui/RecordingCampaignCommands.h"
#include "support/gui/ScriptedPlatform.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

// A main window over a fresh application folder, with the scripted platform and a recording
// campaign life cycle.
struct Shell
{
    TestHome home;
    ScriptedPlatform platform;
    VelmoraForm form{home.folder(), platform};

    Shell() { form.setCampaignCommands(std::make_unique<RecordingCampaignCommands>(platform, form.campaignSession())); }

    // Start-up up to the first activation (and, with `activate`, including it); the record
    // starts empty afterwards.
    void start(bool activate = true)
    {
        form.Form_Load();
        form.InitMainWindow(QString());
        if (activate)
            form.Form_Activate();
        platform.clearCalls();
    }

    template<typename T> T *child(const QString &name) { return requireChild<T>(form, name); }
};

} // namespace

class TestVelmoraForm : public QObject
{
    Q_OBJECT

private slots:
    void windowParts()
    {
        Shell shell;
        QVERIFY(!shell.child<QTimer>(u"tmrAutoSave"_s)->isActive());
        shell.start();
        QCOMPARE(shell.child<QLabel>(u"Panel1"_s)->text(), u"Version "_s + Version::text());
        QCOMPARE(bool(shell.form.findChild<QSystemTrayIcon *>(u"TrayArea1"_s)), QSystemTrayIcon::isSystemTrayAvailable());
    }

    void loadingMessagesInOrder()
    {
        Shell shell;
        QSignalSpy shown(&shell.form, &VelmoraForm::loadingMessageShown);
        shell.form.Form_Load();
        QVERIFY(shell.form.state().loading);
        QVERIFY(shell.form.state().startingUp);
        shell.form.InitMainWindow(QString());

        QStringList messages;
        for (const QList<QVariant> &signal : shown)
            messages << signal.at(0).toString();
        QStringList expected{u"Loading default pictures"_s, u"Loading default sounds"_s, u"Loading default options"_s,
                             u"Battle Box set-up"_s, u"Statistic Box set-up"_s, u"Checking screen resolution."_s};
        for (int dots = 0; dots <= 21; dots += 3)
            expected << u"Finishing loading. Please wait"_s + QString(dots, u'.');
        QCOMPARE(messages, expected);
        QVERIFY(!shell.form.state().loading);
        QVERIFY(shell.form.state().startingUp);
        // The splash is gone: later messages reach nobody.
        shell.form.ShowLoadingMessage(u"late"_s);
        QCOMPARE(shown.size(), 14);
        QCOMPARE(shell.platform.trace(), QStringList{u"OpenCampaign(true)"_s});
        // Random numbers are seeded from the clock once the campaign is open.
        QCOMPARE(shell.platform.scriptedRandom().seeds, QList<quint32>{shell.platform.scriptedClock().ticks});
    }

    void smallScreenWarning_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QStringList>("messages");
        const QString warning = u"message Velmora: The current screen resolution is 800 x 600. Best screen resolution "
                                u"for Velmora to display properly is 1024 x 768."_s;
        QTest::newRow("800 x 900: tall enough") << QSize(800, 900) << QStringList();
        QTest::newRow("1024 x 600: wide enough") << QSize(1024, 600) << QStringList();
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QStringList();
        QTest::newRow("800 x 600") << QSize(800, 600) << QStringList{warning};
        QTest::newRow("1023 x 767") << QSize(1023, 767)
                                    << QStringList{QString(warning).replace(u"800 x 600"_s, u"1023 x 767"_s)};
    }

    void smallScreenWarning()
    {
        QFETCH(QSize, screen);
        QFETCH(QStringList, messages);
        Shell shell;
        shell.platform.setScreenSize(screen);
        shell.form.Form_Load();
        QCOMPARE(shell.platform.trace(), messages);
        QCOMPARE(shell.form.state().smallScreen, !messages.isEmpty());
        for (const auto &call : shell.platform.calls())
            QCOMPARE(call.icon, MessageIcon::Exclamation);
    }

    void commandLineFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("existing file") << true;
        QTest::newRow("missing file is ignored") << false;
    }

    void commandLineFile()
    {
        QFETCH(bool, exists);
        Shell shell;
        const QString path = shell.home.file(u"Campaigns/Greyhawk.vlf"_s);
        if (exists)
            shell.home.write(u"Campaigns/Greyhawk.vlf"_s, "x");
        shell.form.Form_Load();
        shell.form.InitMainWindow(path);
        QCOMPARE(shell.form.state().openLastCampaign, exists);
        QCOMPARE(shell.form.sessionSettings().openLastCampaign(), exists);
        QCOMPARE(shell.child<QAction>(u"mnuFileMRU1"_s)->data().toString(), exists ? path : QString());
        QCOMPARE(shell.platform.trace(), QStringList{u"OpenCampaign(true)"_s});
    }

    void firstActivation_data()
    {
        QTest::addColumn<bool>("tips");
        QTest::addColumn<bool>("soundsOn");
        QTest::addColumn<QStringList>("trace");
        QTest::newRow("tips and sounds") << true << true << QStringList{u"sound Intro.WAV"_s, u"dialog frmTip"_s};
        QTest::newRow("no tips") << false << true << QStringList{u"sound Intro.WAV"_s};
        QTest::newRow("sounds off") << true << false << QStringList{u"dialog frmTip"_s};
    }

    void firstActivation()
    {
        QFETCH(bool, tips);
        QFETCH(bool, soundsOn);
        QFETCH(QStringList, trace);
        Shell shell;
        shell.start(false);
        shell.form.setTipFlag(tips);
        shell.form.setSoundsOn(soundsOn);

        QSignalSpy done(&shell.form, &VelmoraForm::firstActivationDone);
        shell.form.Form_Activate();
        shell.form.Form_Activate(); // later activations do nothing
        QCOMPARE(shell.platform.trace(), trace);
        QCOMPARE(done.size(), 1);
        QVERIFY(!shell.form.state().startingUp);
        QVERIFY(!shell.form.state().splashActive);
    }

    void firstActivationFollowsShowing()
    {
        Shell shell;
        shell.start(false);
        shell.form.show();
        QTRY_VERIFY(!shell.form.state().startingUp);
        QCOMPARE(shell.platform.sounds(), QStringList{u"Intro.WAV"_s});
    }

    void toolBar_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("started"); // the click is silent until the first activation
        QTest::newRow("New") << u"New"_s << u"Create new campaign"_s << u"mnuFileNew_Click()"_s << true;
        QTest::newRow("Open") << u"Open"_s << u"Select existing campaign"_s << u"mnuFileOpen_Click()"_s << true;
        QTest::newRow("Save") << u"Save"_s << u"Save campaign"_s << u"SaveOrSaveAs()"_s << true;
        QTest::newRow("Save while starting up") << u"Save"_s << u"Save campaign"_s << u"SaveOrSaveAs()"_s << false;
        QTest::newRow("SaveAs") << u"SaveAs"_s << u"Save as..."_s << u"SaveCampaignAs()"_s << true;
        QTest::newRow("Help") << u"Help"_s << u"Help"_s << u"help index.html"_s << true;
        QTest::newRow("ask") << u"ask"_s << u"Ask the Velmora"_s
                             << u"dialog frmAsk"_s << true;
    }

    void toolBar()
    {
        QFETCH(QString, key);
        QFETCH(QString, toolTip);
        QFETCH(QString, command);
        QFETCH(bool, started);
        Shell shell;
        shell.start(started);
        shell.form.campaignSession().setPath(u"/camp/a.vlf"_s);
        auto *bar = shell.child<MainToolBar>(u"tbToolBar"_s);
        QAction *button = bar->button(key);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), toolTip);
        button->trigger();
        QCOMPARE(shell.platform.trace(), started ? QStringList({u"sound Click.wav"_s, command}) : QStringList{command});
        // The buttons leave the campaign's name to the commands: a New whose save failed keeps it.
        QCOMPARE(shell.form.campaignSession().path(), u"/camp/a.vlf"_s);
    }

    void SoundCheck()
    {
        Shell shell;
        shell.form.Form_Load();
        auto *box = shell.child<QCheckBox>(u"SoundCheck"_s);
        QVERIFY(box->isChecked());
        // While loading, the box only carries the setting.
        box->setChecked(false);
        QVERIFY(!shell.form.state().soundsOn);
        QVERIFY(!shell.form.campaignSession().isModified());
        box->setChecked(true);
        shell.form.InitMainWindow(QString());
        shell.form.Form_Activate();
        shell.platform.clearCalls();

        box->click(); // off: the click plays under the new setting, so not at all
        QVERIFY(!shell.form.state().soundsOn);
        QVERIFY(shell.form.campaignSession().isModified());
        QVERIFY(shell.form.isWindowModified());
        QCOMPARE(shell.platform.sounds(), QStringList());
        shell.form.campaignSession().markClean();
        QVERIFY(!shell.form.isWindowModified());
        box->click();
        QVERIFY(shell.form.state().soundsOn);
        QVERIFY(shell.form.campaignSession().isModified());
        QCOMPARE(shell.platform.sounds(), QStringList{u"Click.wav"_s});
    }

    void recentFiles_data()
    {
        QTest::addColumn<QStringList>("recent"); // in the settings file; the first one exists
        QTest::newRow("none") << QStringList();
        QTest::newRow("two") << QStringList{u"a.vlf"_s, u"b & c.vlf"_s};
        QTest::newRow("four") << QStringList{u"a.vlf"_s, u"b.vlf"_s, u"c.vlf"_s, u"d.vlf"_s};
    }

    void recentFiles()
    {
        QFETCH(QStringList, recent);
        Shell shell;
        QByteArray ini = "[VERSION]\r\nversion=4.1\r\n\r\n[SESSION]\r\nOpenLast=FALSE\r\n";
        QStringList paths;
        for (int i = 0; i < recent.size(); ++i) {
            paths << shell.home.file(u"Campaigns/"_s + recent.at(i));
            ini += "MRU" + QByteArray::number(i + 1) + '=' + paths.last().toUtf8() + "\r\n";
        }
        shell.home.write(u"default_4.ini"_s, ini);
        if (!recent.isEmpty())
            shell.home.write(u"Campaigns/"_s + recent.first(), "x");
        shell.start();

        for (int i = 0; i < 4; ++i) {
            auto *item = shell.child<QAction>(u"mnuFileMRU"_s + QString::number(i + 1));
            QCOMPARE(item->data().toString(), paths.value(i));
            QCOMPARE(item->text(), QString(paths.value(i)).replace(u"&"_s, u"&&"_s));
            QCOMPARE(item->isVisible(), i < paths.size());
        }
        // The recent files' separator is the only one of the File menu, shown while there is one.
        QStringList separators;
        for (QAction *action : shell.child<QMenu>(u"mnuFile"_s)->actions()) {
            if (action->isSeparator() && action->isVisible())
                separators << action->objectName();
        }
        QCOMPARE(separators, paths.isEmpty() ? QStringList() : QStringList{u"mnuFileSep3"_s});
        if (paths.isEmpty())
            return;

        // The first file exists and opens; the second is missing.
        shell.child<QAction>(u"mnuFileMRU1"_s)->trigger();
        shell.child<QAction>(u"mnuFileMRU2"_s)->trigger();
        QCOMPARE(shell.platform.trace(),
                 QStringList({u"OpenRecentFile("_s + paths.first() + u')',
                              u"message File Not Found: File cannot be located.\r\nPlease open file using the menu."_s}));
        QCOMPARE(shell.platform.calls().last().icon, MessageIcon::Information);
    }

    void closingRunsOnce()
    {
        Shell shell;
        shell.start();
        shell.form.show();
        QSignalSpy unloaded(&shell.form, &VelmoraForm::unloaded);
        shell.child<QAction>(u"mnuFileExit"_s)->trigger();
        shell.form.close();
        QCOMPARE(unloaded.size(), 1);
        QCOMPARE(shell.platform.trace(),
                 QStringList({u"message Save New Campaign: Do you want to save this new campaign ?"_s,
                              u"SaveModifiedDocuments()"_s, u"sound End.WAV"_s}));
        QVERIFY(shell.home.read(u"default_4.ini"_s).contains("OpenLast=FALSE"));
    }
};

QTEST_MAIN(TestVelmoraForm)
#include "TestVelmoraForm.moc"
