#include "gui/app/InterimCampaignCommands.h"
#include "gui/app/VelmoraForm.h"
#include "support/TestHome.h"
#include "support/gui/ScriptedPlatform.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestInterimCampaignCommands : public QObject
{
    Q_OBJECT

private slots:
    void startsNewCampaignAndNeverPretendsToSave();
};

void TestInterimCampaignCommands::startsNewCampaignAndNeverPretendsToSave()
{
    TestHome home;
    home.write(u"Campaigns/NewCampaign_1.vlf"_s, "taken");
    ScriptedPlatform platform;
    VelmoraForm form(home.folder(), platform);
    form.Form_Load();
    form.state().campaignModified = true;
    form.InitMainWindow(QString());
    QCOMPARE(form.findChild<QLabel *>(u"Panel2"_s)->text(), u"New un-named campaign"_s);
    QVERIFY(!form.state().campaignModified);
    form.Form_Activate();
    platform.clearCalls();
    const QString chosen = home.file(u"Campaigns/Mine.vlf"_s);
    platform.answerMessage(MessageAnswer::Yes);
    platform.answerFile(chosen);

    form.CloseProgram();
    QCOMPARE(platform.trace(),
             QStringList({u"message Save New Campaign: Do you want to save this new campaign ?"_s,
                          u"save-dialog Save Under New Name"_s,
                          u"message Velmora: "_s + InterimCampaignCommands::savingLaterText(), u"sound End.WAV"_s}));
    const FileDialogRequest request = platform.callsOf(ScriptedPlatform::Kind::SaveFile).first().request;
    QCOMPARE(request.filter, u"Velmora 4.0 (*.vlf)|*.vlf|Velmora 4.0 Template (*.vlt)|*.vlt"_s);
    QCOMPARE(request.selectedFilter, 0);
    QCOMPARE(request.initialFolder, home.file(u"Campaigns"_s));
    QCOMPARE(request.initialFileName, home.file(u"Campaigns/NewCampaign_2.vlf"_s));
    QVERIFY(request.overwritePrompt);
    QVERIFY(form.state().campaignModified);
    QCOMPARE(form.state().currentCampaignPath, chosen);
}

QTEST_MAIN(TestInterimCampaignCommands)
#include "TestInterimCampaignCommands.moc"
