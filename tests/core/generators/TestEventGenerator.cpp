#include "core/generators/EventGenerator.h"

#include "support/ScriptedRandomSource.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestEventGenerator : public QObject
{
    Q_OBJECT

private slots:
    void draw_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QString>("event"); // null: nothing shown
        QTest::addColumn<int>("draws");
        const QByteArray two = "Random events\r\nA storm breaks\r\nA caravan arrives"_ba;
        QTest::newRow("first event") << two << QList<float> { 0.0f } << u"A storm breaks"_s << 1;
        QTest::newRow("second event") << two << QList<float> { 0.5f } << u"A caravan arrives"_s << 1;
        QTest::newRow("past the last line") << two << QList<float> { 0.9f, 0.2f } << u"A storm breaks"_s << 2;
        QTest::newRow("empty line replaced")
            << "Title\r\n\r\nA duel"_ba << QList<float> { 0.0f, 0.5f } << u"A duel"_s << 2;
        QTest::newRow("Windows-1252") << "T\r\nF\xeate"_ba << QList<float> { 0.0f } << u"Fête"_s << 1;
        QTest::newRow("title only") << "Title"_ba << QList<float> { 0.0f } << QString() << 0;
        QTest::newRow("no drawable line") << "Title\r\n\r\n  \r\n"_ba << QList<float> { 0.5f } << QString() << 0;
    }

    void draw()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<float>, script);
        QFETCH(QString, event);
        QFETCH(int, draws);
        ScriptedRandomSource random(script);
        QCOMPARE(EventGenerator::fromBytes(file).Draw(random).value_or(QString()), event);
        QCOMPARE(random.calls, draws);
    }

    void onlyTheTwoEventsAreShown()
    {
        const EventGenerator events = EventGenerator::fromBytes("Random events\r\nA storm\r\nA caravan"_ba);
        QList<float> sweep;
        for (int i = 0; i < 100; ++i)
            sweep << float(i) / 100.0f;
        ScriptedRandomSource random(sweep);
        QSet<QString> shown;
        for (int i = 0; i < 100; ++i)
            shown << *events.Draw(random);
        QCOMPARE(shown, (QSet<QString> { u"A storm"_s, u"A caravan"_s }));
    }

    void noFile()
    {
        EventGenerator events;
        QVERIFY(!events.load(u"/nowhere/EventGenerator.dat"_s));
        ScriptedRandomSource random;
        QVERIFY(!events.Draw(random));
        QCOMPARE(random.calls, 0);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestEventGenerator)
#include "TestEventGenerator.moc"
