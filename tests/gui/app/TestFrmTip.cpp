#include "gui/app/frmTip.h"
#include "support/ScriptedRandomSource.h"
#include "support/TestHome.h"
#include "support/gui/GuiHarness.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestFrmTip : public QObject
{
    Q_OBJECT

private slots:
    void randomTipThenNextInTurn_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<float>("r");
        QTest::addColumn<QStringList>("shown"); // the first tip, then after each "Next Tip"

        const QByteArray three = "First tip\r\n\r\nSecond tip\r\nThird tip\r\n";
        QTest::newRow("r 0 draws the first") << three << 0.0f << QStringList{u"First tip"_s, u"Second tip"_s};
        QTest::newRow("r 0.5 of three draws the second")
            << three << 0.5f << QStringList{u"Second tip"_s, u"Third tip"_s, u"First tip"_s};
        QTest::newRow("r near 1 draws the last") << three << 0.999f << QStringList{u"Third tip"_s, u"First tip"_s};
        QTest::newRow("LF lines, Windows-1252 text") << QByteArray("Caf\xe9 tip\nOther\n") << 0.0f
                                                     << QStringList{u"Café tip"_s, u"Other"_s};
        QTest::newRow("one tip stays") << QByteArray("Only") << 0.3f << QStringList{u"Only"_s, u"Only"_s};
    }

    void randomTipThenNextInTurn()
    {
        QFETCH(QByteArray, file);
        QFETCH(float, r);
        QFETCH(QStringList, shown);

        TestHome home;
        home.write(u"TIPOFDAY.TXT"_s, file);
        ScriptedRandomSource random({r});
        frmTip tip(home.folder(), random);
        auto *next = requireChild<QPushButton>(tip, u"cmdNextTip"_s);
        QCOMPARE(next->text(), u"&Next Tip"_s);
        QVERIFY(next->isEnabled());
        QStringList seen{tip.currentTip()};
        while (seen.size() < shown.size()) {
            next->click();
            seen << tip.currentTip();
        }
        QCOMPARE(seen, shown);
    }

    void missingTipFile()
    {
        TestHome home;
        ScriptedRandomSource random;
        frmTip tip(home.folder(), random);
        QCOMPARE(tip.currentTip(), u"The tip file was not found."_s);
        QVERIFY(!requireChild<QPushButton>(tip, u"cmdNextTip"_s)->isEnabled());
    }
};

QTEST_MAIN(TestFrmTip)
#include "TestFrmTip.moc"
