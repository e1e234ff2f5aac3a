#include "gui/ui/SingleInstance.h"
#include "support/TestHome.h"

#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceIsRefusedUntilTheFirstReleases()
    {
        TestHome home;
        SingleInstance first(home.path());
        SingleInstance second(home.path());
        QVERIFY(first.tryAcquire());
        QCOMPARE(first.lockPath(), home.file(u"Velmora.lock"_s));
        QVERIFY(QFileInfo::exists(first.lockPath()));
        QVERIFY(!second.tryAcquire());
        QVERIFY(!second.isHeld());
        QVERIFY(first.isHeld());

        first.release();
        QVERIFY(!QFileInfo::exists(first.lockPath()));
        QVERIFY(second.tryAcquire());
    }

    void lockOfAProcessThatIsGoneIsTakenOver()
    {
        TestHome home;
        QProcess gone;
        gone.start(u"true"_s, {});
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        // The lock a crashed instance leaves behind: its process id, program and host.
        home.write(u"Velmora.lock"_s,
                   QByteArray::number(pid) + "\nvelmora\n" + QSysInfo::machineHostName().toUtf8() + '\n');

        SingleInstance next(home.path());
        QVERIFY(next.tryAcquire());
        QVERIFY(next.isHeld());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
