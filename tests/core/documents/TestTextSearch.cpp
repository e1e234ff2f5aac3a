#include "core/documents/TextSearch.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestTextSearch : public QObject
{
    Q_OBJECT

private slots:
    void find_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<qsizetype>("from");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<qsizetype>("start");
        // Text: "Dragonfly; the dragon_lord, a DRAGON."
        QTest::newRow("any case, inside a word") << u"dragon"_s << qsizetype(0) << false << false << qsizetype(0);
        QTest::newRow("match case") << u"dragon"_s << qsizetype(0) << false << true << qsizetype(15);
        QTest::newRow("whole word: _ joins words") << u"dragon"_s << qsizetype(0) << true << false << qsizetype(30);
        QTest::newRow("whole word and case") << u"dragon"_s << qsizetype(0) << true << true << qsizetype(-1);
        QTest::newRow("from a position") << u"dragon"_s << qsizetype(1) << false << false << qsizetype(15);
        QTest::newRow("from the end") << u"."_s << qsizetype(37) << false << false << qsizetype(-1);
        QTest::newRow("punctuation is a break") << u"Dragonfly"_s << qsizetype(0) << true << true << qsizetype(0);
    }

    void find()
    {
        QFETCH(QString, what);
        QFETCH(qsizetype, from);
        QFETCH(bool, wholeWord);
        QFETCH(bool, matchCase);
        QFETCH(qsizetype, start);
        const TextMatch match
            = TextSearch::find(u"Dragonfly; the dragon_lord, a DRAGON."_s, what, from, { wholeWord, matchCase });
        QCOMPARE(match.start, start);
        QCOMPARE(match.length, start < 0 ? 0 : what.size());
    }

    // "&Find" starts at the top, "&Find Next" after the selection; a miss goes back to "&Find".
    void buttonCycles()
    {
        const QString text = u"orc, orc"_s;
        TextSearch search;
        search.setText(u"orc"_s);
        QStringList seen;
        qsizetype start = 0, length = 0;
        for (int press = 0; press < 4; ++press) {
            const TextMatch match = search.press(text, start, length, {});
            if (match.found())
                std::tie(start, length) = std::pair(match.start, match.length);
            seen << QString::number(match.start) + u' ' + search.caption();
        }
        QCOMPARE(seen, (QStringList { u"0 &Find Next"_s, u"5 &Find Next"_s, u"-1 &Find"_s, u"0 &Find Next"_s }));
        search.setText(u"orcs"_s);
        QCOMPARE(search.caption(), u"&Find"_s);
        QCOMPARE(search.press(text, 0, 3, {}).found(), false);
        QCOMPARE(search.caption(), u"&Find"_s);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestTextSearch)
#include "TestTextSearch.moc"
