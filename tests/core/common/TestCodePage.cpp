#include "core/common/CodePage.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestCodePage : public QObject
{
    Q_OBJECT

private slots:
    void everyByteRoundTrips()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        const QString text = CodePage::toUnicode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(CodePage::fromUnicode(text), all);
        QVERIFY(CodePage::canEncode(text));
        // Each byte decodes to a character of its own.
        QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    }

    void knownCharacters_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        const QList<QPair<int, int>> table = {
            {0x00, 0x0000}, {0x41, 0x0041}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A},
            {0x85, 0x2026}, {0x8A, 0x0160}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x91, 0x2018},
            {0x93, 0x201C}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014}, {0x99, 0x2122}, {0x9D, 0x009D},
            {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xB7, 0x00B7}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
        };
        for (const auto &[byte, unicode] : table)
            QTest::addRow("0x%02X", byte) << byte << unicode;
    }

    void knownCharacters()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QByteArray one(1, char(byte));
        QCOMPARE(int(CodePage::toUnicode(one).at(0).unicode()), unicode);
        QCOMPARE(CodePage::fromUnicode(QString(QChar(char16_t(unicode)))), one);
    }

    void unmappableBecomesQuestionMark()
    {
        const QString text = u"a\u0100b\u4e2dc and \u00e9\u20ac\u0101"_s; // past eight characters
        QCOMPARE(CodePage::fromUnicode(text), "a?b?c and \xe9\x80?"_ba);
        QVERIFY(!CodePage::canEncode(text));
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCodePage)
#include "TestCodePage.moc"
