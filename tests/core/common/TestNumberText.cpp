#include "core/common/NumberText.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German)); } // "," locales must not leak in

    void single_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("seven digits") << 1399.748f << u"1399.748"_s;
        QTest::newRow("small") << 899.7166f << u"899.7166"_s;
        QTest::newRow("whole") << 3600.0f << u"3600"_s;
        QTest::newRow("zero") << 0.0f << u"0"_s;
        QTest::newRow("negative") << -12.5f << u"-12.5"_s;
        QTest::newRow("pixels to twips") << 93.3183f * 15.0f << u"1399.774"_s;
    }

    void single()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText::single(value), text);
        bool ok = false;
        QCOMPARE(NumberText::single(NumberText::toSingle(text, &ok)), text);
        QVERIFY(ok);
    }

    void leadingInt16_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << u"12"_s << 12;
        QTest::newRow("trailing text") << u" 4abc"_s << 4;
        QTest::newRow("negative") << u"-3"_s << -3;
        QTest::newRow("no digits") << u"x"_s << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("beyond 16 bits") << u"40000"_s << 0;
    }

    void leadingInt16()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(NumberText::leadingInt16(text), value);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestNumberText)
#include "TestNumberText.moc"
