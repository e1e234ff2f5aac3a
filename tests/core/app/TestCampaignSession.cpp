#include "core/app/CampaignSession.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestCampaignSession : public QObject
{
    Q_OBJECT

private slots:
    void changesCountExceptWhileQuiet()
    {
        CampaignSession session;
        QSignalSpy spy(&session, &CampaignSession::modifiedChanged);
        {
            const CampaignSession::QuietGuard loading(session);
            {
                const CampaignSession::QuietGuard nested(session);
            }
            // The outer guard still holds after the inner one ended.
            session.markModified();
            QVERIFY(!session.isModified());
        }
        session.markModified();
        session.markModified();
        QVERIFY(session.isModified());
        // A clean mark is never refused, quiet or not.
        {
            const CampaignSession::QuietGuard quiet(session);
            session.markClean();
        }
        QVERIFY(!session.isModified());
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
    }

    void pathAnnouncesChanges()
    {
        CampaignSession session;
        QSignalSpy spy(&session, &CampaignSession::pathChanged);
        QVERIFY(session.isUnnamed());
        session.setPath(u"/c/a.vlf"_s);
        session.setPath(u"/c/a.vlf"_s);
        session.setPath(QString());
        QCOMPARE(spy.size(), 2);
        QVERIFY(session.isUnnamed());
    }
};

QTEST_GUILESS_MAIN(TestCampaignSession)
#include "TestCampaignSession.moc"
