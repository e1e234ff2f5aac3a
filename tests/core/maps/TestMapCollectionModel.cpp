#include "core/common/AppFolder.h"
#include "core/maps/CampaignMaps.h"
#include "core/maps/MapCollectionModel.h"
#include "core/maps/MapListModel.h"
#include "core/persistence/CampaignModel.h"

#include "support/MaximalCampaign.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

using List = MapCollectionModel::List;
using Edit = MapCollectionModel::Edit;

namespace {

// Markers are written "P:name@map", "O:name@map" or "N:id@map" in the test tables.
Edit addMarker(MapCollectionModel &maps, const QString &text)
{
    const QString key = text.mid(2).section(u'@', 0, 0);
    const QString map = text.section(u'@', 1);
    if (text.startsWith(u'P'))
        return maps.AddPlayer(oPlayer { key, map, 1, 2, u"p.ico"_s });
    if (text.startsWith(u'O'))
        return maps.AddObject(oObject { key, map, 3, 4, u"o.ico"_s, true });
    return maps.AddNote(oNote { key, u"text "_s + key, map, 5, 6, u"n.ico"_s });
}

// Two maps, "Keep" renamed "Old Keep" and "Cave", with the given markers.
void fill(MapCollectionModel &maps, const QStringList &markers)
{
    QCOMPARE(maps.AddMap(u"Keep"_s, u"Old Keep"_s, u"C:\\Maps\\Keep.jpg"_s, oGrid { 10, 0, 255 }, true), Edit::Done);
    QCOMPARE(maps.AddMap(u"Cave"_s, u"Cave"_s, u"/maps/Cave.png"_s, oGrid {}, false), Edit::Done);
    for (const QString &text : markers)
        QCOMPARE(addMarker(maps, text), Edit::Done);
}

// A row's texts joined by "|"; row -1 gives the headers.
QString texts(const MapListModel &model, int row)
{
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column)
        cells << (row < 0 ? model.headerData(column, Qt::Horizontal) : model.index(row, column).data()).toString();
    return cells.join(u'|');
}

} // namespace

class TestMapCollectionModel : public QObject
{
    Q_OBJECT

private slots:
    void keysAreUniquePerList_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<Edit>("result");
        QTest::newRow("a player twice") << u"P:Bob@Keep"_s << u"P:Bob@Cave"_s << Edit::KeyTaken;
        QTest::newRow("a player and an object") << u"P:Bob@Keep"_s << u"O:Bob@Keep"_s << Edit::Done;
        QTest::newRow("a note ID twice") << u"N:_1@Keep"_s << u"N:_1@Cave"_s << Edit::KeyTaken;
        QTest::newRow("blanks and ; dropped") << u"O: R;ope @Keep"_s << u"O:Rope@Keep"_s << Edit::KeyTaken;
        QTest::newRow("no name") << u"N:_1@Keep"_s << u"P: ;@Keep"_s << Edit::KeyEmpty;
    }

    void keysAreUniquePerList()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(Edit, result);
        MapCollectionModel maps;
        QCOMPARE(addMarker(maps, first), Edit::Done);
        QCOMPARE(addMarker(maps, second), result);
    }

    void editRenames_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<Edit>("result");
        QTest::addColumn<QString>("first"); // the first player as stored afterwards
        QTest::newRow("renamed") << u"Ann"_s << Edit::Done << u"Ann;Cave;7;8;x.ico"_s;
        QTest::newRow("same name") << u"Bob"_s << Edit::Done << u"Bob;Cave;7;8;x.ico"_s;
        QTest::newRow("another's name") << u"Cid"_s << Edit::KeyTaken << u"Bob;Keep;1;2;p.ico"_s;
    }

    void editRenames()
    {
        QFETCH(QString, newName);
        QFETCH(Edit, result);
        QFETCH(QString, first);
        MapCollectionModel maps;
        fill(maps, { u"P:Bob@Keep"_s, u"P:Cid@Keep"_s, u"N:_1@Keep"_s });
        QCOMPARE(maps.EditPlayer(u"Bob"_s, oPlayer { newName, u"Cave"_s, 7, 8, u"x.ico"_s }), result);
        QCOMPARE(maps.collection().players.at(0).toItem(), first);
        QCOMPARE(maps.EditPlayer(u"Dan"_s, oPlayer {}), Edit::NotFound);
        QCOMPARE(maps.EditNote(u"_1"_s, oNote { u"_9"_s, u"Trap"_s, u"Cave"_s, 1, 1, {} }), Edit::Done); // keeps its ID
        QCOMPARE(maps.collection().notes.at(0).toItem(), u"_1;Trap;Cave;1;1;"_s);
    }

    // The dialogs give back the chosen map's name; markers store its key.
    void mapChoiceGivesTheKey_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("key");
        QTest::newRow("renamed map by its name") << u"Old Keep"_s << u"Keep"_s;
        QTest::newRow("map by its key") << u"Cave"_s << u"Cave"_s;
        QTest::newRow("no such map") << u"C:\\Maps\\Tower.v2.jpg"_s << u"Tower.v2"_s;
    }

    void mapChoiceGivesTheKey()
    {
        QFETCH(QString, choice);
        QFETCH(QString, key);
        MapCollectionModel maps;
        fill(maps, { u"O:Rope@"_s + choice });
        QCOMPARE(maps.collection().objects.at(0).mapKey, key);
    }

    void newNoteID_data()
    {
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QString>("id");
        QTest::newRow("none") << QStringList {} << u"_1"_s;
        QTest::newRow("gap") << QStringList { u"N:_1@Keep"_s, u"N:_3@Keep"_s } << u"_2"_s;
        QTest::newRow("full run") << QStringList { u"N:_2@Keep"_s, u"N:_1@Cave"_s } << u"_3"_s;
    }

    void newNoteID()
    {
        QFETCH(QStringList, notes);
        QFETCH(QString, id);
        MapCollectionModel maps;
        fill(maps, notes);
        QCOMPARE(maps.NewNoteID(), id);
    }

    void chooseMarker_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QStringList>("onKeep");
        QTest::addColumn<QString>("choice"); // message, key, window and candidates
        QTest::newRow("no player") << int(List::Players) << QStringList {}
                                   << u"Velmora|There are no players linked to this map.|||"_s;
        QTest::newRow("no object") << int(List::Objects) << QStringList {}
                                   << u"Velmora|There are no objects linked to this map.|||"_s;
        QTest::newRow("no note") << int(List::Notes) << QStringList {}
                                 << u"Velmora|There are no notes linked to this map.|||"_s;
        QTest::newRow("one object") << int(List::Objects) << QStringList { u"O:Door"_s } << u"||Door|||Door=Door"_s;
        QTest::newRow("two notes") << int(List::Notes) << QStringList { u"N:_2"_s, u"N:_3"_s }
                                   << u"|||Note Selection|Mote|_2=text _2|_3=text _3"_s;
        QTest::newRow("two objects") << int(List::Objects) << QStringList { u"O:Door"_s, u"O:Ash"_s }
                                     << u"|||Player Selection|Player name|Door=Door|Ash=Ash"_s;
    }

    void chooseMarker()
    {
        QFETCH(int, list);
        QFETCH(QStringList, onKeep);
        QFETCH(QString, choice);
        MapCollectionModel maps;
        fill(maps, { u"P:Bob@Cave"_s, u"O:Rope@Cave"_s, u"N:_1@Cave"_s });
        for (const QString &marker : onKeep)
            QCOMPARE(addMarker(maps, marker + u"@Keep"_s), Edit::Done);
        const MarkerChoice got = maps.ChooseMarker(List(list), u"Keep"_s);
        QStringList summary { got.messageTitle, got.messageText, got.key, got.windowTitle, got.columnHeader };
        for (const auto &[key, text] : got.candidates)
            summary << key + u'=' + text;
        QCOMPARE(summary.join(u'|'), choice);
    }

    // Every change that the campaign file stores marks it modified; moves and toggles included.
    void changesMarkModified()
    {
        MapCollectionModel maps;
        QSignalSpy spy(&maps, &MapCollectionModel::modified);
        fill(maps, { u"P:Bob@Keep"_s, u"O:Rope@Keep"_s });
        QVERIFY(maps.PlayerMoved(u"Bob"_s, 2.5, 3.5)); // half to even
        QCOMPARE(maps.collection().players.at(0).toItem(), u"Bob;Keep;2;4;p.ico"_s);
        QVERIFY(!maps.PlayerMoved(u"Bob"_s, 2.4, 3.6)); // where it stands already
        QVERIFY(!maps.NoteMoved(u"_7"_s, 1, 1));
        QVERIFY(maps.SetGridVisible(0, false));
        QVERIFY(maps.SetFitted(1, false));
        QVERIFY(maps.RemoveObject(u"Rope"_s));
        QCOMPARE(spy.count(), 8);
        maps.setCollection(maps.collection());
        QCOMPARE(spy.count(), 8);
    }

    // Hidden notes and the markers of a removed map reach no view, yet stay and are saved.
    void markersOutliveTheirView()
    {
        MapCollectionModel maps;
        fill(maps, { u"P:Bob@Keep"_s, u"O:Rope@Keep"_s, u"N:_1@Keep"_s, u"N:_2@Cave"_s });
        const MapViewContent keep = maps.viewContent(0);
        QCOMPARE(keep.players.size() + keep.notes.size(), 0);
        QCOMPARE(keep.objects, maps.CollectObjects(u"Keep"_s));
        QCOMPARE(maps.popupState(0), (MapPopupState { true, false, true, false, true }));
        QVERIFY(maps.SetNotesVisible(1, true));
        QCOMPARE(maps.viewContent(1).notes, maps.CollectNotes(u"Cave"_s));
        QVERIFY(maps.RemoveMap(0));
        CampaignModel campaign;
        CampaignMaps::store(maps.collection(), campaign, AppFolder(u"/nowhere"_s));
        QCOMPARE(campaign.maps.size(), 1);
        QCOMPARE(campaign.noteMarkers.size() + campaign.playerMarkers.size() + campaign.objectMarkers.size(), 4);
    }

    void menuFlags_data()
    {
        QTest::addColumn<int>("mapCount");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("markers"); // of each kind
        QTest::addColumn<QString>("enabled"); // maps Import to Save, then objects, players, notes
        QTest::newRow("no map") << 0 << false << 3 << u"1010000 000 000 000"_s;
        QTest::newRow("no marker") << 2 << true << 0 << u"1111111 100 100 100"_s;
        QTest::newRow("markers, none selected") << 1 << false << 1 << u"1110011 111 111 111"_s;
    }

    void menuFlags()
    {
        QFETCH(int, mapCount);
        QFETCH(bool, selected);
        QFETCH(int, markers);
        QFETCH(QString, enabled);
        const MapMenuState s = MapMenuState::UpdateMapMenus(mapCount, selected, markers, markers, markers);
        const bool flags[] = { s.mapsImport, s.mapsExport, s.mapsAdd, s.mapsEdit, s.mapsRemove, s.mapsPrintActive,
            s.mapsSaveAs, s.objectAdd, s.objectEdit, s.objectRemove, s.playerAdd, s.playerEdit, s.playerRemove,
            s.noteAdd, s.noteEdit, s.noteRemove };
        QString got;
        for (size_t i = 0; i < std::size(flags); ++i) {
            if (i == 7 || i == 10 || i == 13)
                got += u' ';
            got += flags[i] ? u'1' : u'0';
        }
        QCOMPARE(got, enabled);
    }

    void campaignRoundTrip()
    {
        const CampaignModel campaign = maximalCampaign(0);
        const MapCollection collection = CampaignMaps::collection(campaign);
        QCOMPARE(collection.maps.at(1).key, u"Map2"_s);
        QCOMPARE(collection.maps.at(1).name, u"Map2"_s);
        CampaignModel back;
        CampaignMaps::store(collection, back, AppFolder(u"/nowhere"_s));
        QCOMPARE(back.maps, campaign.maps);
        QCOMPARE(back.playerMarkers, campaign.playerMarkers);
        QCOMPARE(back.objectMarkers, campaign.objectMarkers);
        QCOMPARE(back.noteMarkers, campaign.noteMarkers);
    }

    // The four lists as the window shows them, following every change made through the rules.
    void listModels_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QString>("first");
        QTest::newRow("maps")
            << int(List::Maps)
            << u"Map name|path|Status|GridX|GridY|GridColour|NavigX|NavigY|gridvisible|playersvisible|notesvisible"_s
            << u"Old Keep|C:\\Maps\\Keep.jpg|FITTED|10|0|255|||TRUE|FALSE|FALSE"_s;
        QTest::newRow("players") << int(List::Players) << u"Player name|MapID|PosX|PosY|Symbol|Movable"_s
                                 << u"Bob|Keep|1|2|p.ico|"_s;
        QTest::newRow("objects") << int(List::Objects) << u"Object name|MapID|PosX|PosY|Symbol|Movable"_s
                                 << u"Rope|Keep|3|4|o.ico|TRUE"_s;
        QTest::newRow("notes") << int(List::Notes) << u"content|whichmap|symbol|posX|posY"_s
                               << u"text _1|Keep|n.ico|5|6"_s;
    }

    void listModels()
    {
        QFETCH(int, list);
        QFETCH(QString, headers);
        QFETCH(QString, first);
        MapCollectionModel maps;
        MapListModel model(&maps, List(list));
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        fill(maps, { u"P:Bob@Old Keep"_s, u"O:Rope@Keep"_s, u"N:_1@Keep"_s });
        QCOMPARE(model.rowCount(), List(list) == List::Maps ? 2 : 1);
        QCOMPARE(texts(model, -1), headers);
        QCOMPARE(texts(model, 0), first);
        maps.setCollection({});
        QCOMPARE(model.rowCount(), 0);
    }

    void mapCheckMarkIsFitted()
    {
        MapCollectionModel maps;
        MapListModel model(&maps, List::Maps);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        fill(maps, {});
        QCOMPARE(model.index(1, 0).data(Qt::CheckStateRole), QVariant(Qt::Checked));
        QVERIFY(model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(maps.RemoveMap(0));
        QCOMPARE(texts(model, 0), u"Cave|/maps/Cave.png|FULL|0|0|16777215|||FALSE|FALSE|FALSE"_s);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestMapCollectionModel)
#include "TestMapCollectionModel.moc"
