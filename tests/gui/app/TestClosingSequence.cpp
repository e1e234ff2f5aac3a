#include "core/app/CampaignSession.h"
#include "core/app/ProgramState.h"
#include "core/app/SessionSettings.h"
#include "gui/app/ClosingSequence.h"
#include "support/gui/GuiHarness.h"
#include "support/gui/RecordingCampaignCommands.h"

#include <QFile>
#include <QTest>
#include <QWidget>

#include <tuple>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

const QString askNew = u"message Save New Campaign: Do you want to save this new campaign ?"_s;
const QString askChanges = u"message Save New Campaign: Do you want to save your changes ?"_s;
const QString documents = u"SaveModifiedDocuments()"_s;
const QString closeSound = u"sound End.WAV"_s;

QString saved(const QString &path)
{
    return u"SaveCampaign("_s + path + u')';
}

/// A closing sequence over a campaign at `path`, with a recording campaign life cycle.
struct Closing : SoundsFixture
{
    explicit Closing(const QString &path) { campaignSession.setPath(path); }
    CampaignSession campaignSession;
    RecordingCampaignCommands campaign{platform, campaignSession};
    SessionSettings session{home.folder()};

    bool close(QWidget *main = nullptr)
    {
        return ClosingSequence(state, campaignSession, platform, campaign, session, sounds, main).CloseProgram();
    }
};

} // namespace

class TestClosingSequence : public QObject
{
    Q_OBJECT

private slots:
    void CloseProgram_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("saveOnClose");
        QTest::addColumn<QString>("answer");    // "Yes", "No" or "" (none expected)
        QTest::addColumn<QString>("saveName");  // what the save dialog returns; "" cancels
        QTest::addColumn<QStringList>("trace");
        QTest::addColumn<QString>("finalPath");
        QTest::addColumn<bool>("finalSaveOnClose");

        const QString named = u"/camp/Greyhawk.vlf"_s;
        const QString chosen = u"/camp/NewCampaign_1.vlf"_s;
        const QString choose = u"ChooseSaveName()"_s;
        QTest::newRow("un-named, unchanged, No") << QString() << false << true << u"No"_s << QString()
                                                 << QStringList{askNew, documents, closeSound} << QString() << false;
        QTest::newRow("un-named, unchanged, Yes") << QString() << false << true << u"Yes"_s << chosen
                                                  << QStringList{askNew, choose, saved(chosen), documents, closeSound}
                                                  << chosen << true;
        QTest::newRow("un-named, unchanged, Yes, dialog cancelled")
            << QString() << false << false << u"Yes"_s << QString()
            << QStringList{askNew, choose, documents, closeSound} << QString() << true;
        QTest::newRow("un-named, modified, save on close: straight to Save As")
            << QString() << true << true << QString() << chosen
            << QStringList{choose, saved(chosen), documents, closeSound} << chosen << true;
        QTest::newRow("un-named, modified, not save on close, No")
            << QString() << true << false << u"No"_s << QString() << QStringList{askNew, documents, closeSound}
            << QString() << false;
        QTest::newRow("named, modified, save on close: saved without asking")
            << named << true << true << QString() << QString() << QStringList{saved(named), documents, closeSound}
            << named << true;
        QTest::newRow("named, modified, not save on close, Yes")
            << named << true << false << u"Yes"_s << QString()
            << QStringList{askChanges, saved(named), documents, closeSound} << named << true;
        QTest::newRow("named, modified, not save on close, No")
            << named << true << false << u"No"_s << QString() << QStringList{askChanges, documents, closeSound} << named
            << false;
        QTest::newRow("named, unchanged") << named << false << true << QString() << QString()
                                          << QStringList{documents, closeSound} << named << true;
    }

    void CloseProgram()
    {
        QFETCH(QString, path);
        QFETCH(bool, modified);
        QFETCH(bool, saveOnClose);
        QFETCH(QString, answer);
        QFETCH(QString, saveName);
        QFETCH(QStringList, trace);
        QFETCH(QString, finalPath);
        QFETCH(bool, finalSaveOnClose);

        Closing c(path);
        auto [platform, state, campaignSession] = std::tie(c.platform, c.state, c.campaignSession);
        if (modified)
            campaignSession.markModified();
        state.saveOnClose = saveOnClose;
        if (!answer.isEmpty())
            platform.answerMessage(answer == u"Yes" ? MessageAnswer::Yes : MessageAnswer::No);
        if (!saveName.isEmpty())
            c.campaign.saveName = saveName;

        c.close();
        QCOMPARE(platform.trace(), trace);
        QCOMPARE(platform.unusedAnswers(), 0);
        for (const auto &call : platform.callsOf(ScriptedPlatform::Kind::Message))
            QCOMPARE(std::pair(call.buttons, call.icon), std::pair(MessageButtons::YesNo, MessageIcon::Question));
        QCOMPARE(campaignSession.path(), finalPath);
        QCOMPARE(state.saveOnClose, finalSaveOnClose);
        QVERIFY(!campaignSession.isModified() || !state.saveOnClose || finalPath.isEmpty());
        // The session settings are written with the campaign that was current at the end.
        const QByteArray ini = c.home.read(u"default_4.ini"_s);
        QVERIFY(ini.contains("MRU1=" + finalPath.toUtf8() + "\r\n"));
    }

    void failedSave_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("closeAnyway");
        QTest::addColumn<QStringList>("trace");
        const QString named = u"/camp/Greyhawk.vlf"_s;
        const QString question = u"message Velmora: "_s + ClosingSequence::closeAnywayText();
        QTest::newRow("named, stay open") << named << false << QStringList{saved(named), question};
        QTest::newRow("named, close anyway") << named << true << QStringList{saved(named), question, documents, closeSound};
        QTest::newRow("un-named, stay open")
            << QString() << false << QStringList{u"ChooseSaveName()"_s, saved(u"/camp/New.vlf"_s), question};
    }

    void failedSave()
    {
        QFETCH(QString, path);
        QFETCH(bool, closeAnyway);
        QFETCH(QStringList, trace);
        Closing c(path);
        auto [platform, state, campaignSession] = std::tie(c.platform, c.state, c.campaignSession);
        campaignSession.markModified();
        state.saveOnClose = true;
        platform.answerMessage(closeAnyway ? MessageAnswer::Yes : MessageAnswer::No);
        c.campaign.saveName = u"/camp/New.vlf"_s;
        c.campaign.saveFails = true;

        QCOMPARE(c.close(), closeAnyway);
        QCOMPARE(platform.trace(), trace);
        QCOMPARE(platform.callsOf(ScriptedPlatform::Kind::Message).first().buttons, MessageButtons::YesNo);
        if (!closeAnyway) {
            // Staying open leaves the program as it was before the close.
            QCOMPARE(campaignSession.path(), path);
            QVERIFY(campaignSession.isModified());
            QVERIFY(!QFile::exists(c.home.file(u"default_4.ini"_s)));
        }
    }

    void otherWindowsClose()
    {
        Closing c(u"/camp/a.vlf"_s);
        c.state.soundsOn = false;
        QWidget main;
        main.setWindowTitle(u"Velmora"_s);
        QWidget help;
        help.setWindowTitle(u"Velmora Help"_s);
        main.show();
        help.show();

        c.close(&main);
        QVERIFY(!help.isVisible());
        QVERIFY(main.isVisible());
        QCOMPARE(c.platform.sounds(), QStringList());
    }
};

QTEST_MAIN(TestClosingSequence)
#include "TestClosingSequence.moc"
