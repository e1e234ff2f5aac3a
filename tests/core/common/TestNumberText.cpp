#include "core/common/NumberText.h"

#include <QLocale>
#include <QTest>

#include <cstring>

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

    // Short decimals are read by a shortcut of ours: it must give the very float Qt's reader
    // gives, rounding included, for every decimal of up to seven digits in each position of the
    // point (a stride through them, with the ends), and leave the rest to Qt.
    void toSingleMatchesQt()
    {
        for (qint32 digits = 0; digits <= 9999999; digits += digits < 2000 ? 1 : 997) {
            const QString whole = QString::number(digits);
            QStringList texts;
            for (qsizetype point = 1; point <= whole.size(); ++point)
                texts << (point < whole.size() ? QString(whole).insert(point, u'.') : whole);
            for (qsizetype zeros = 0; whole.size() + zeros < 7; ++zeros)
                texts << u"0."_s + QString(zeros, u'0') + whole;
            for (const QString &text : std::as_const(texts)) {
                for (const QString &signedText : {text, u'-' + text}) {
                    bool ok = false;
                    const float ours = NumberText::toSingle(signedText, &ok);
                    const float qt = signedText.toFloat();
                    QVERIFY2(ok && std::memcmp(&ours, &qt, sizeof ours) == 0, qPrintable(signedText));
                }
            }
        }
        for (const QString &text : {u"12."_s, u".5"_s, u"1e3"_s, u"12345678.5"_s, u"+2"_s, u" 7.25 "_s, u"x"_s}) {
            bool ours = false;
            bool qt = false;
            QCOMPARE(NumberText::toSingle(text, &ours), text.trimmed().toFloat(&qt));
            QCOMPARE(ours, qt);
        }
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
