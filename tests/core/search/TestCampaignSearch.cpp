#include "core/search/CampaignSearch.h"

#include "core/persistence/CampaignModel.h"
#include "core/table/BattleBoxFile.h"

#include "support/TestHome.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestCampaignSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_home.write(u"Documents/Notes.rtf"_s, "{\\rtf1\\ansi The {\\b blue dragon} sleeps.\\par Second line\\par}"_ba);
        m_home.write(u"Documents/Last.rtf"_s, "{\\rtf1 Nothing here.}"_ba);
        m_home.write(u"Documents/NPCs.rtf"_s, "{\\rtf1 Ulf\\par Dragonslayer of Keth\\par}"_ba);
        m_home.write(u"Documents/Barbarian.rtf"_s, "{\\rtf1 Rage like a dragon.}"_ba);
        m_home.write(u"Documents/lore.txt"_s, "Caf\xe9 talk\r\nThe DRAGON of the north"_ba);
        m_home.write(u"Documents/manual.pdf"_s, "dragon"_ba);
        m_home.write(u"Characters/sheet.txt"_s, "dragon rider"_ba);
        m_home.write(u"Library/tables.rtf"_s, "{\\rtf1 Half-dragon}"_ba);
        QVERIFY(BattleBoxFile::write(m_home.file(u"fight.csv"_s), {{}, "{\\rtf1 The dragon waits.}"_ba}));

        m_model.documents.paths = {u"\\Documents\\Notes.rtf"_s, u"\\Documents\\Last.rtf"_s, u"\\Documents\\NPCs.rtf"_s};
        m_model.classes = {{false, u"\\Documents\\Barbarian.rtf"_s, u"Barbarian"_s}};
        m_model.links = {{u"Manual"_s, u"\\Documents\\manual.pdf"_s}, {u"Lost"_s, u"\\Documents\\lost.rtf"_s}};
        m_model.articles = {{u"Lore"_s, u"\\Documents\\lore.txt"_s}};
        m_model.linkedBattleBoxes = {{u"Fight"_s, m_home.file(u"fight.csv"_s)}};
        m_model.agenda = {{u"2007:1:5"_s, u"Meet the dragon"_s}};
        m_model.almanach = {{u"2007:2:1"_s, u"A dragon was seen\nnear the keep"_s}};
        m_model.noteMarkers = {{u"_1"_s, u"dragon lair"_s, u"north"_s, 0, 0, QString()}};
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QStringList>("hits"); // where|path|context@start
        const QString fight = m_home.file(u"fight.csv"_s);
        QTest::newRow("every kind of place")
            << u"dragon"_s << false << false
            << QStringList{u"notes:Notes|\\Documents\\Notes.rtf|The blue dragon sleeps.@9"_s,
                   u"notes:NPCs|\\Documents\\NPCs.rtf|Dragonslayer of Keth@4"_s,
                   u"list:0:Barbarian|\\Documents\\Barbarian.rtf|Rage like a dragon.@12"_s,
                   u"list:3:Lore|\\Documents\\lore.txt|The DRAGON of the north@14"_s,
                   u"list:7:sheet.txt|\\Characters\\sheet.txt|dragon rider@0"_s,
                   u"list:8:tables.rtf|\\Library\\tables.rtf|Half-dragon@5"_s,
                   u"battlebox-notes|%1|The dragon waits.@4"_s.arg(fight), u"agenda||Meet the dragon@9"_s,
                   u"almanach||A dragon was seen@2"_s, u"map-note:north||dragon lair@0"_s};
        QTest::newRow("whole word") << u"dragon"_s << true << false
                                    << QStringList{u"notes:Notes|\\Documents\\Notes.rtf|The blue dragon sleeps.@9"_s,
                                           u"list:0:Barbarian|\\Documents\\Barbarian.rtf|Rage like a dragon.@12"_s,
                                           u"list:3:Lore|\\Documents\\lore.txt|The DRAGON of the north@14"_s,
                                           u"list:7:sheet.txt|\\Characters\\sheet.txt|dragon rider@0"_s,
                                           u"list:8:tables.rtf|\\Library\\tables.rtf|Half-dragon@5"_s,
                                           u"battlebox-notes|%1|The dragon waits.@4"_s.arg(fight),
                                           u"agenda||Meet the dragon@9"_s, u"almanach||A dragon was seen@2"_s,
                                           u"map-note:north||dragon lair@0"_s};
        QTest::newRow("match case") << u"Dragon"_s << false << true
                                    << QStringList{u"notes:NPCs|\\Documents\\NPCs.rtf|Dragonslayer of Keth@4"_s};
        QTest::newRow("Windows-1252 text") << u"café"_s << true << false
                                           << QStringList{u"list:3:Lore|\\Documents\\lore.txt|Café talk@0"_s};
        QTest::newRow("nothing found") << u"wyvern"_s << false << false << QStringList();
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(bool, wholeWord);
        QFETCH(bool, matchCase);
        QFETCH(QStringList, hits);
        QStringList found;
        for (const SearchHit &hit : CampaignSearch(m_home.folder()).Search(m_model, text, {wholeWord, matchCase}))
            found << u"%1|%2|%3@%4"_s.arg(hit.where, hit.path, hit.context).arg(hit.start);
        QCOMPARE(found, hits);
    }

    void longLineIsCutAroundTheMatch()
    {
        const SearchPlace place{u"agenda"_s, QString(), QString(), QString(200, u'a') + u" dragon "_s + QString(200, u'b')};
        const QList<SearchHit> hits = CampaignSearch::find(place, u"dragon"_s, {});
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits[0].context, u"..."_s + QString(76, u'a') + u" dragon "_s + QString(76, u'b') + u"..."_s);
    }

private:
    TestHome m_home;
    CampaignModel m_model = CampaignModel::newCampaign();
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCampaignSearch)
#include "TestCampaignSearch.moc"
