#include "gui/app/VelmoraSplash.h"
#include "support/gui/GuiHarness.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestVelmoraSplash : public QObject
{
    Q_OBJECT

private slots:
    void progress_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("requestedMax");
        QTest::addColumn<int>("messages");
        QTest::addColumn<int>("expectedMax");
        QTest::addColumn<int>("expectedValue");

        QTest::newRow("small request becomes 25") << 0 << 10 << 3 << 25 << 3;
        QTest::newRow("exactly Max") << 0 << 25 << 25 << 25 << 25;
        QTest::newRow("one past Max") << 0 << 25 << 26 << 25 << 25;
        QTest::newRow("larger Max kept") << 0 << 40 << 30 << 40 << 30;
        QTest::newRow("from a Min") << 5 << 30 << 10 << 30 << 15;
    }

    void progress()
    {
        QFETCH(int, min);
        QFETCH(int, requestedMax);
        QFETCH(int, messages);
        QFETCH(int, expectedMax);
        QFETCH(int, expectedValue);

        VelmoraSplash splash;
        splash.show();
        splash.setProgressRange(min, requestedMax);
        QCOMPARE(splash.Min(), min);
        QCOMPARE(splash.Max(), expectedMax);
        auto *bar = requireChild<QProgressBar>(splash, u"VelmoraProgressBar"_s);
        for (int i = 1; i <= messages; ++i) {
            splash.ShowLoadingMessage(u"Step "_s + QString::number(i));
            QVERIFY(bar->value() <= bar->maximum());
        }
        QCOMPARE(bar->value(), expectedValue);
        QCOMPARE(requireChild<QLabel>(splash, u"VelmoraLoadingLabel"_s)->text(), u"Step "_s + QString::number(messages));
    }
};

QTEST_MAIN(TestVelmoraSplash)
#include "TestVelmoraSplash.moc"
