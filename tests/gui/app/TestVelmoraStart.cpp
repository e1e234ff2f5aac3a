#include "gui/ui/PathHandOver.h"
#include "gui/ui/SingleInstance.h"

#include "support/TestHome.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

// Starts the program itself, offscreen, on a test application folder.
class TestVelmoraStart : public QObject
{
    Q_OBJECT

private slots:
    void screenshotStartBuildsTheWindowAndReleasesTheLock()
    {
        TestHome home;
        const QString picture = home.file(u"main.png"_s);
        QCOMPARE(runToEnd({u"--screenshot"_s, picture}), 0);
        const QImage image(picture);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() > 400 && image.height() > 300);
        QVERIFY(SingleInstance(home.path()).tryAcquire());
        // Without anyone to answer, the start leaves the campaign unsaved and the settings alone.
        QVERIFY(!QFileInfo::exists(home.file(u"default_4.ini"_s)));
    }

    void secondStartIsRefusedWhileTheFirstRuns()
    {
        TestHome home;
        QProcess first;
        first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first.start(QString::fromUtf8(VELMORA_EXECUTABLE), {});
        QVERIFY(first.waitForStarted());
        const QString lock = home.file(u"Velmora.lock"_s);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(lock).size() > 0, 60000);

        const QString second = home.file(u"second.png"_s);
        QCOMPARE(runToEnd({u"--screenshot"_s, second}), 0);
        QVERIFY(!QFileInfo::exists(second));
        QCOMPARE(first.state(), QProcess::Running);

        // A crash leaves the lock behind; the next start takes it over.
        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(QFileInfo::exists(lock));
        const QString third = home.file(u"third.png"_s);
        QCOMPARE(runToEnd({u"--screenshot"_s, third}), 0);
        QVERIFY(QFileInfo::exists(third));
    }

    // A start that names a file, while another runs, hands the file's full path to it and ends.
    void secondStartHandsItsFileToTheRunningOne()
    {
        TestHome home;
        SingleInstance running(home.path());
        QVERIFY(running.tryAcquire());
        PathHandOver handOver(home.path());
        QVERIFY(handOver.listen());
        QSignalSpy received(&handOver, &PathHandOver::pathReceived);
        QFile file(home.file(u"My Campaign.vlf"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));

        QProcess second;
        second.setWorkingDirectory(home.path());
        second.start(QString::fromUtf8(VELMORA_EXECUTABLE), {u"--quit-after-start"_s, u"My Campaign.vlf"_s});
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 60000);
        QCOMPARE(received.first().first().toString(), home.file(u"My Campaign.vlf"_s));
        // It may well have ended already, when waitForFinished() would say false.
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 60000);
        QCOMPARE(second.exitCode(), 0);
    }

private:
    static int runToEnd(const QStringList &arguments);
};

int TestVelmoraStart::runToEnd(const QStringList &arguments)
{
    QProcess velmora;
    velmora.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    velmora.start(QString::fromUtf8(VELMORA_EXECUTABLE), arguments);
    if (!velmora.waitForFinished(120000)) {
        velmora.kill();
        velmora.waitForFinished();
        return -1;
    }
    return velmora.exitStatus() == QProcess::NormalExit ? velmora.exitCode() : -2;
}

QTEST_MAIN(TestVelmoraStart)
#include "TestVelmoraStart.moc"
