#include "core/generators/Oracle.h"

#include "support/ScriptedRandomSource.h"
#include "support/TestHome.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestOracle : public QObject
{
    Q_OBJECT

private slots:
    void ask_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QString>("answer"); // null: no answer
        QTest::addColumn<int>("draws");
        const QByteArray three = "Oracle\r\nYes\r\nNo"_ba;
        QTest::newRow("first answer") << three << QList<float>{0.0f, 0.0f} << u"Yes?"_s << 2;
        QTest::newRow("second answer") << three << QList<float>{0.5f, 0.5f} << u"No?!"_s << 2;
        QTest::newRow("halves go to the even line and ending")
            << three << QList<float>{0.75f, 0.1875f} << u"No!"_s << 2;
        QTest::newRow("past the last line") << three << QList<float>{0.9f, 0.0f, 0.3125f} << u"Yes..."_s << 3;
        QTest::newRow("ending past 8") << three << QList<float>{0.0f, 0.99f, 0.875f} << u"Yes???"_s << 3;
        QTest::newRow("empty lines drawn again")
            << "Title\r\n\r\nMaybe\r\n"_ba << QList<float>{0.0f, 0.5f, 0.0f} << u"Maybe?"_s << 3;
        QTest::newRow("blank line drawn again")
            << "Title\r\n  \r\nSoon"_ba << QList<float>{0.0f, 0.5f, 0.625f} << u"Soon!!"_s << 3;
        QTest::newRow("Windows-1252") << "T\r\nD\xe9j\xe0 vu"_ba << QList<float>{0.0f} << u"Déjà vu?"_s << 2;
        QTest::newRow("no drawable line") << "Title\r\n\r\n \r\n"_ba << QList<float>{0.5f} << QString() << 0;
        QTest::newRow("a source stuck on an empty line")
            << "Title\r\n\r\nYes"_ba << QList<float>{0.0f} << QString() << Oracle::MaxDraws;
        QTest::newRow("title only") << "Title"_ba << QList<float>{0.0f} << Oracle::MissingFileText() << 0;
        QTest::newRow("LF is no line break")
            << "Title\nYes\nNo"_ba << QList<float>{0.0f} << Oracle::MissingFileText() << 0;
    }

    void ask()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<float>, script);
        QFETCH(QString, answer);
        QFETCH(int, draws);
        ScriptedRandomSource random(script);
        QCOMPARE(Oracle::fromBytes(file).Ask(random).value_or(QString()), answer);
        QCOMPARE(random.calls, draws);
    }

    void missingFile()
    {
        const QString text = u"The oracle cannot find his grimoire!\r\n"
                             "Help him by putting the file 'strFile' in the Document directory."_s;
        Oracle oracle;
        QVERIFY(!oracle.load(u"/nowhere/ASKtheVelmora.dat"_s));
        ScriptedRandomSource random;
        QCOMPARE(oracle.Ask(random), text);
    }

    void shippedAnswers()
    {
        const TestHome home(TestHome::Shipped);
        Oracle oracle;
        QVERIFY(oracle.load(home.folder().file(Oracle::FileName())));
        QVERIFY(oracle.lines().size() > 60);
        for (const QString &line : oracle.lines().mid(1)) {
            QVERIFY2(!line.trimmed().isEmpty() && !line.contains(u'\n') && !line.contains(u'\r'), qPrintable(line));
        }
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestOracle)
#include "TestOracle.moc"
