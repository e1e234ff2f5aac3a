#include "core/app/SessionSettings.h"

#include "support/TestHome.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

/// Session settings over a fresh folder that holds `ini` as `file` (none when `file` is ""),
/// applied as at start-up.
struct Session
{
    explicit Session(const QString &file = {}, const QByteArray &ini = {})
    {
        if (!file.isEmpty())
            home.write(file, ini);
        applied = settings.ApplySessionSettings();
    }

    TestHome home;
    SessionSettings settings{home.folder()};
    SessionSettings::Applied applied;
};

} // namespace

class TestSessionSettings : public QObject
{
    Q_OBJECT

private slots:
    void noFileWritesOpenLastToOlderName()
    {
        const Session s;
        QCOMPARE(s.applied.placement, SessionSettings::Placement::Maximised);
        QCOMPARE(s.applied.campaignPath, QString());
        QVERIFY(!s.settings.openLastCampaign());
        QVERIFY(s.settings.recentFiles().isEmpty());
        QVERIFY(!s.settings.separatorVisible());
        QCOMPARE(s.settings.settingsPath(), s.home.file(u"default.ini"_s));
        QCOMPARE(s.home.read(u"default.ini"_s), "[SESSION]\r\nOpenLast=FALSE\r\n\r\n"_ba);
    }

    void openLastValues_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("openLast");
        QTest::newRow("TRUE") << "TRUE"_ba << true;
        QTest::newRow("quoted TRUE") << "\"TRUE\""_ba << true;
        QTest::newRow("FALSE") << "FALSE"_ba << false;
        QTest::newRow("yes leaves the default") << "yes"_ba << false;
        QTest::newRow("lower-case true is not TRUE") << "true"_ba << false;
    }

    void openLastValues()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, openLast);
        const Session s(u"default_4.ini"_s, "[VERSION]\r\nversion=4.1\r\n[SESSION]\r\nOpenLast=" + value + "\r\n");
        QCOMPARE(s.settings.openLastCampaign(), openLast);
        QCOMPARE(s.settings.settingsPath(), s.home.file(u"default_4.ini"_s));
    }

    void currentFormReadsRecentFiles()
    {
        const Session s(u"default_4.ini"_s, "[SESSION]\r\nOpenLast=TRUE\r\nMRU1=/c/a.vlf\r\nMRU2=\r\nMRU3=/c/b.vlf\r\nMRU4=/C/A.vlf\r\n"_ba);
        QCOMPARE(s.settings.recentFiles(), (QStringList{u"/c/a.vlf"_s, u"/c/b.vlf"_s}));
        QCOMPARE(s.settings.menuCaptions(), (QStringList{u"/c/a.vlf"_s, u"/c/b.vlf"_s, QString(), QString()}));
        QVERIFY(s.settings.separatorVisible());
    }

    void olderForm_data()
    {
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<int>("placement");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("campaign");

        using P = SessionSettings::Placement;
        QTest::newRow("normal window") << "last=C:\\old.vls\r\nwinstate=0\r\nsize=9000,7000\r\n"_ba << int(P::TopLeftSized) << 9000 << 7000 << u"C:\\old.vls"_s;
        QTest::newRow("maximised") << "last=C:\\old.vls\r\nwinstate=2\r\n"_ba << int(P::Maximised) << 0 << 0 << u"C:\\old.vls"_s;
        QTest::newRow("minimised changes nothing") << "winstate=1\r\n"_ba << int(P::Unchanged) << 0 << 0 << QString();
    }

    void olderForm()
    {
        QFETCH(QByteArray, session);
        QFETCH(int, placement);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, campaign);
        const Session s(u"default.ini"_s, "[VERSION]\r\nversion=3\r\n[SESSION]\r\n" + session);
        QCOMPARE(int(s.applied.placement), placement);
        if (s.applied.placement == SessionSettings::Placement::TopLeftSized)
            QCOMPARE(std::pair(s.applied.widthTwips, s.applied.heightTwips), std::pair(width, height));
        QCOMPARE(s.applied.campaignPath, campaign);
        QCOMPARE(s.settings.menuCaptions().first(), campaign);
        QCOMPARE(s.settings.separatorVisible(), !campaign.isEmpty());
    }

    void recentFilesMostRecentFirst()
    {
        TestHome home;
        SessionSettings settings(home.folder());
        for (const char *name : {"/c/1.vlf", "/c/2.vlf", "/c/3.vlf", "/c/4.vlf"})
            settings.AddToRecentFiles(QString::fromLatin1(name));
        QCOMPARE(settings.menuCaptions(), (QStringList{u"/c/4.vlf"_s, u"/c/3.vlf"_s, u"/c/2.vlf"_s, u"/c/1.vlf"_s}));
        settings.AddToRecentFiles(u"/C/2.VLF"_s);
        QCOMPARE(settings.menuCaptions(), (QStringList{u"/C/2.VLF"_s, u"/c/4.vlf"_s, u"/c/3.vlf"_s, u"/c/1.vlf"_s}));
        settings.AddToRecentFiles(QString());
        QCOMPARE(settings.recentFiles().size(), 4);
    }

    void savedFileExactBytes()
    {
        Session s(u"default_4.ini"_s, "[VERSION]\r\nwarning=w\r\nversion=4.1\r\n[SESSION]\r\nOpenLast=TRUE\r\nMRU1=/c/old.vlf\r\n[EXTRA]\r\nkept=yes\r\n"_ba);
        QVERIFY(s.settings.SaveSessionSettings(u"/c/new.vlf"_s, false));
        QCOMPARE(s.home.read(u"default_4.ini"_s),
                 "[VERSION]\r\nwarning=w\r\nversion=4.1\r\n\r\n"
                 "[SESSION]\r\nOpenLast=TRUE\r\nMRU1=/c/new.vlf\r\nMRU2=/c/old.vlf\r\nMRU3=\r\nMRU4=\r\n\r\n"
                 "[EXTRA]\r\nkept=yes\r\n\r\n"_ba);
    }

    void defaultDataNeverRecent()
    {
        Session s;
        s.settings.AddToRecentFiles(s.home.file(u"Campaigns/Default Data.vlt"_s));
        s.settings.AddToRecentFiles(u"/c/a.vlf"_s);
        s.settings.AddToRecentFiles(s.home.file(u"Campaigns/default data.VLS"_s));
        QVERIFY(s.settings.SaveSessionSettings(QString(), false));
        QCOMPARE(s.settings.menuCaptions(), (QStringList{u"/c/a.vlf"_s, QString(), QString(), QString()}));
        QVERIFY(s.home.read(u"default_4.ini"_s).contains("MRU1=/c/a.vlf\r\nMRU2=\r\n"));
    }

    void version3WritesFromScratch()
    {
        Session s(u"default_4.ini"_s, "[SESSION]\r\nOpenLast=TRUE\r\n[MAPS]\r\nmaps=x.xml\r\n"_ba);
        QVERIFY(s.settings.SaveSessionSettings(u"/c/old.vls"_s, true));
        QCOMPARE(s.home.read(u"default_4.ini"_s),
                 "[VERSION]\r\nwarning=Do not add comments or edit this file manually. It is reset after each program close!\r\n"
                 "version=4.1\r\n\r\n[SESSION]\r\nOpenLast=TRUE\r\nMRU1=/c/old.vls\r\nMRU2=\r\nMRU3=\r\nMRU4=\r\n\r\n"_ba);
    }

    void olderFormKeepsVersion3()
    {
        Session s(u"default_4.ini"_s, "[VERSION]\r\nversion=3\r\n[SESSION]\r\nlast=/c/a.vls\r\nwinstate=2\r\n"_ba);
        QVERIFY(s.settings.SaveSessionSettings(u"/c/a.vls"_s, false));

        SessionSettings again(s.home.folder());
        const auto applied = again.ApplySessionSettings();
        QCOMPARE(applied.campaignPath, u"/c/a.vls"_s);
        QCOMPARE(applied.placement, SessionSettings::Placement::Maximised);
    }

    void recentEntry()
    {
        TestHome home;
        const QString present = home.write(u"Campaigns/a.vlf"_s, "VL400000"_ba);
        QCOMPARE(SessionSettings::OpenRecentEntry(present), SessionSettings::RecentEntryAction::Open);
        QCOMPARE(SessionSettings::OpenRecentEntry(home.file(u"Campaigns/gone.vlf"_s)), SessionSettings::RecentEntryAction::NotFound);
        QCOMPARE(SessionSettings::OpenRecentEntry(home.path()), SessionSettings::RecentEntryAction::NotFound);
        QCOMPARE(SessionSettings::notFoundText(), u"File cannot be located.\r\nPlease open file using the menu."_s);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestSessionSettings)
#include "TestSessionSettings.moc"
