#include "core/maps/MapXmlFile.h"

#include "support/TestHome.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Every row of a collection, one a line, in the campaign's record form.
QString rows(const MapCollection &c)
{
    QStringList all;
    for (const MapEntry &map : c.maps)
        all << u"map "_s + map.key + u'|' + map.name + u'|' + map.record.toItem();
    for (const PlayerMarker &player : c.players)
        all << u"player "_s + player.toItem();
    for (const ObjectMarker &object : c.objects)
        all << u"object "_s + object.toItem();
    for (const NoteMarker &note : c.notes)
        all << u"note "_s + note.toItem();
    return all.join(u'\n');
}

MapCollection oneOfEach()
{
    MapRecord keep { u"C:\\Maps\\Keep.jpg"_s, true, true, 20, 0, 255, u"10"_s, {}, true, false };
    return { { { u"Keep"_s, u"Caf\u00e9 & \"Keep\" <1>"_s, keep } },
        { { u"Aldric"_s, u"Keep"_s, 12.5f, 40, u"\\Campaigns\\MapIcons\\p.ico"_s } },
        { { u"Chest"_s, u"Keep"_s, 3, 4, {}, true } },
        { { u"_1"_s, u"Trap\r\nhere \U0001F5DD"_s, u"Keep"_s, 7, 8, u"n.ico"_s } } };
}

// What the reading tests start from: an import that changes nothing leaves it so.
const QString Before = u"player Old;Keep;1;2;"_s;

const QByteArray Map
    = "\r\n\t\t<MAP id=\"Keep\" name=\"Keep\" filename=\"k.jpg\" imagefillstyle=\"FITTED\" gridVisible=\"TRUE\" "
      "gridX=\"5\" gridY=\"0\" colour=\"255\" navigationX=\"\" navigationY=\"\" playersvisible=\"TRUE\" "
      "notesvisible=\"FALSE\" />"_ba;
const QString MapRow = u"map Keep|Keep|k.jpg;FITTED;TRUE;5;0;255;;;TRUE;FALSE"_s;

QByteArray velmo(const QByteArray &maps, const QByteArray &players = {})
{
    return "<VELMO>\r\n\t<MAPS>"_ba + maps + "\r\n\t</MAPS>\r\n\t<PLAYERS>"_ba + players
        + "\r\n\t</PLAYERS>\r\n</VELMO>"_ba;
}

} // namespace

class TestMapXmlFile : public QObject
{
    Q_OBJECT

private slots:
    void writesAndReadsBack_data()
    {
        QTest::addColumn<MapCollection>("collection");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << MapCollection {}
                               << "<VELMO>\r\n\t<MAPS>\r\n\t</MAPS>\r\n\t<PLAYERS>\r\n\t</PLAYERS>\r\n\t<OBJECTS>\r\n\t"
                                  "</OBJECTS>\r\n\t<NOTES>\r\n\t</NOTES>\r\n</VELMO>"_ba;
        QTest::newRow("one of each, values escaped")
            << oneOfEach()
            << "<VELMO>\r\n\t<MAPS>\r\n\t\t<MAP id=\"Keep\" name=\"Caf&#233; &amp; &quot;Keep&quot; &lt;1&gt;\" "
               "filename=\"C:\\Maps\\Keep.jpg\" imagefillstyle=\"FITTED\" gridVisible=\"TRUE\" gridX=\"20\" "
               "gridY=\"0\" "
               "colour=\"255\" navigationX=\"10\" navigationY=\"\" playersvisible=\"TRUE\" notesvisible=\"FALSE\" />"
               "\r\n\t</MAPS>\r\n\t<PLAYERS>\r\n\t\t<PLAYER onmap=\"Keep\" id=\"Aldric\" name=\"Aldric\" posx=\"12.5\" "
               "posy=\"40\" icon=\"\\Campaigns\\MapIcons\\p.ico\" />\r\n\t</PLAYERS>\r\n\t<OBJECTS>\r\n\t\t<OBJECT "
               "onmap=\"Keep\" id=\"Chest\" name=\"Chest\" posx=\"3\" posy=\"4\" icon=\"\" ismovable=\"TRUE\" />"
               "\r\n\t</OBJECTS>\r\n\t<NOTES>\r\n\t\t<NOTE onmap=\"Keep\" id=\"_1\" content=\"Trap&#13;&#10;here "
               "&#128477;\" posx=\"7\" posy=\"8\" icon=\"n.ico\" />\r\n\t</NOTES>\r\n</VELMO>"_ba;
    }

    void writesAndReadsBack()
    {
        QFETCH(MapCollection, collection);
        QFETCH(QByteArray, bytes);
        QCOMPARE(MapXmlFile::toBytes(collection), bytes);
        MapCollection read = oneOfEach();
        read.maps.clear();
        const Result<MapXmlFile::Import> import = MapXmlFile::fromBytes(bytes, read);
        QVERIFY(import.ok());
        QCOMPARE(*import, (MapXmlFile::Import { true, {} }));
        QCOMPARE(rows(read), rows(collection));
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("stopped");
        QTest::addColumn<QString>("rows");
        QTest::newRow("attributes in another order, unknown ones and sections ignored")
            << velmo(
                   "\r\n<MAP x=\"1\" notesvisible=\"FALSE\" playersvisible=\"TRUE\" navigationY=\"\" navigationX=\"\" "
                   "colour=\"255\" gridY=\"0\" gridX=\"5\" gridVisible=\"TRUE\" imagefillstyle=\"FITTED\" "
                   "filename=\"k.jpg\" name=\"Keep\" id=\"Keep\"/>",
                   "<PLAYER id=\"A\" posy=\"2\" onmap=\"Keep\" posx=\"1.5\"/>")
                   .replace("</VELMO>", "<OTHER><MAP id=\"x\"/></OTHER></VELMO>")
            << QString() << QString() << MapRow + u"\nplayer A;Keep;1.5;2;"_s;
        QTest::newRow("FULL unchecked, missing values empty")
            << velmo(Map).replace("FITTED", "FULL").replace(" gridX=\"5\"", "") << QString() << QString()
            << u"map Keep|Keep|k.jpg;FULL;TRUE;0;0;255;;;TRUE;FALSE"_s;
        QTest::newRow("any other style unchecked") << velmo(Map).replace("FITTED", "fitted") << QString() << QString()
                                                   << u"map Keep|Keep|k.jpg;FULL;TRUE;5;0;255;;;TRUE;FALSE"_s;
        QTest::newRow("Windows-1252 of an older writer")
            << velmo(Map).replace("name=\"Keep\"", "name=\"Caf\xe9 \x80\"") << QString() << QString()
            << u"map Keep|Caf\u00e9 \u20ac|k.jpg;FITTED;TRUE;5;0;255;;;TRUE;FALSE"_s;
        QTest::newRow("a root without child nodes") << "<VELMO>\r\n</VELMO>"_ba << QString() << QString() << Before;
        QTest::newRow("not VELMO") << "<MAPS><MAP id=\"k\"/></MAPS>"_ba << u"That file is not a Velmora Map file."_s
                                   << QString() << Before;
        QTest::newRow("a declaration first") << "<?xml version=\"1.0\"?>"_ba + velmo(Map)
                                             << u"That file is not a Velmora Map file."_s << QString() << Before;
        QTest::newRow("not XML") << velmo(Map).replace("/>", ">") << u"Error loading XML file."_s << QString()
                                 << Before;
        QTest::newRow("nested deeper than a map file needs")
            << "<VELMO>"_ba + QByteArray("<a>").repeated(65) + QByteArray("</a>").repeated(65) + "</VELMO>"
            << u"Error loading XML file."_s << QString() << Before;
        QTest::newRow("a key met twice") << velmo(Map, "\r\n<PLAYER id=\"A\"/><PLAYER id=\"B\"/>\r\n<PLAYER id=\"a\"/>")
                                         << QString()
                                         << u"Line 7: the player \"a\" is listed twice; the import stops there."_s
                                         << MapRow + u"\nplayer A;;0;0;\nplayer B;;0;0;"_s;
        QTest::newRow("a position not a number")
            << velmo(Map, "\r\n<PLAYER id=\"A\" posx=\"east\"/>") << QString()
            << u"Line 6: the player \"A\" has posx=\"east\", which is not a number; the import stops there."_s
            << MapRow;
        QTest::newRow("a grid not a whole number")
            << velmo(Map + QByteArray(Map).replace("\"5\"", "\"5.5\"")) << QString()
            << u"Line 4: the map \"Keep\" has gridX=\"5.5\", which is not a whole number; the import stops there."_s
            << MapRow;
    }

    void reads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QFETCH(QString, stopped);
        QFETCH(QString, rows);
        MapCollection collection;
        collection.players.append({ u"Old"_s, u"Keep"_s, 1, 2, {} });
        const Result<MapXmlFile::Import> import = MapXmlFile::fromBytes(bytes, collection);
        QCOMPARE(import ? QString() : import.error().message, error);
        QCOMPARE(import ? import->stopped : QString(), stopped);
        QCOMPARE(Velmora::rows(collection), rows);
    }

    void readsAFileByName()
    {
        TestHome home;
        MapCollection collection = oneOfEach();
        QVERIFY(MapXmlFile::write(home.file(u"maps.xml"_s), collection).ok());
        QCOMPARE(MapXmlFile::read(u""_s, collection).error(), (Error { {}, u"No XML file selected."_s }));
        const QString missing = home.file(u"none.xml"_s);
        QCOMPARE(MapXmlFile::read(missing, collection).error(), (Error { missing, u"Error loading XML file."_s }));
        collection = {};
        QVERIFY(MapXmlFile::read(home.file(u"maps.xml"_s), collection).ok());
        QCOMPARE(rows(collection), rows(oneOfEach()));
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestMapXmlFile)
#include "TestMapXmlFile.moc"
