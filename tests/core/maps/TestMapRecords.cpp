#include "core/maps/MapRecord.h"
#include "core/maps/NoteMarker.h"
#include "core/maps/ObjectMarker.h"
#include "core/maps/PlayerMarker.h"

#include "support/ItemRoundTrip.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

// Markers of the three kinds are checked side by side: kind 0 player, 1 object, 2 note.
namespace {

QString writtenBack(int kind, const QString &item)
{
    return kind == 0 ? itemRoundTrip<PlayerMarker>(item)
                     : kind == 1 ? itemRoundTrip<ObjectMarker>(item) : itemRoundTrip<NoteMarker>(item);
}

} // namespace

class TestMapRecords : public QObject
{
    Q_OBJECT

private slots:
    void mapRoundTrip_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("fitted");
        QTest::addColumn<int>("gridX");
        QTest::addColumn<int>("gridColour");
        QTest::addColumn<bool>("playersVisible");
        QTest::newRow("fitted with grid") << u"C:\\Velmora\\Campaigns\\Keep.jpg;FITTED;TRUE;10;0;255;120;80;TRUE;FALSE"_s
                                          << u"Keep"_s << true << 10 << 255 << true;
        QTest::newRow("full, added by hand") << u"/home/gm/maps/Cave.Level2.png;FULL;FALSE;0;0;16777215;;;FALSE;TRUE"_s
                                             << u"Cave.Level2"_s << false << 0 << 16777215 << false;
        QTest::newRow("path holding ;") << u"/maps/a;b.bmp;FULL;FALSE;4;8;-2147483643;3;-7;FALSE;FALSE"_s << u"a;b"_s
                                        << false << 4 << -2147483643 << false;
    }

    void mapRoundTrip()
    {
        QFETCH(QString, item);
        QFETCH(QString, key);
        QFETCH(bool, fitted);
        QFETCH(int, gridX);
        QFETCH(int, gridColour);
        QFETCH(bool, playersVisible);
        std::optional<MapRecord> map;
        QCOMPARE(itemRoundTrip(item, &map), item);
        QCOMPARE(map->key(), key);
        QCOMPARE(map->fitted, fitted);
        QCOMPARE(map->gridX, gridX);
        QCOMPARE(map->gridColour, gridColour);
        QCOMPARE(map->playersVisible, playersVisible);
    }

    void mapReading_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("written"); // "" when the item is refused
        QTest::newRow("unknown mode and flags")
            << u"x.jpg;STRETCH;yes;;;;;;true;"_s << u"x.jpg;FULL;FALSE;0;0;0;;;FALSE;FALSE"_s;
        QTest::newRow("nine fields") << u"x.jpg;FULL;FALSE;0;0;0;;;FALSE"_s << QString();
        QTest::newRow("grid X not a number") << u"x.jpg;FULL;FALSE;ten;0;0;;;FALSE;FALSE"_s << QString();
        QTest::newRow("colour in hex") << u"x.jpg;FULL;FALSE;0;0;0xFF;;;FALSE;FALSE"_s << QString();
        QTest::newRow("empty item") << QString() << QString();
    }

    void mapReading()
    {
        QFETCH(QString, item);
        QFETCH(QString, written);
        QCOMPARE(itemRoundTrip<MapRecord>(item), written);
    }

    void markers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("written"); // "" when the item is refused
        const auto kept = [](const char *row, int kind, const QString &item) { QTest::newRow(row) << kind << item << item; };
        kept("player", 0, u"Thorin;Keep;120;80;C:\\Velmora\\Campaigns\\MapIcons\\Pawn Red.ico"_s);
        kept("player between pixels", 0, u"Lidda;Cave;12.5;-3;"_s);
        kept("player, icon holding ;", 0, u"Mialee;Keep;1;2;/icons/a;b.ico"_s);
        kept("movable object", 1, u"Chest;Keep;200;150;Chest.ico;TRUE"_s);
        kept("fixed object", 1, u"Door;Keep;0;1399.748;;FALSE"_s);
        kept("object, icon holding ;", 1, u"Door;Keep;0;0;a;b.ico;TRUE"_s);
        kept("note", 2, u"_1;Secret door behind the tapestry;Keep;40;60;Note.ico"_s);
        kept("note, icon holding ;", 2, u"_12;;Cave;5;5;x;y"_s);
        QTest::newRow("player, empty position is 0") << 0 << u"Thorin;Keep;;;i.ico"_s << u"Thorin;Keep;0;0;i.ico"_s;
        QTest::newRow("player, zeros dropped") << 0 << u"Thorin;Keep;007;80.50;"_s << u"Thorin;Keep;7;80.5;"_s;
        QTest::newRow("player, four fields") << 0 << u"Thorin;Keep;1;2"_s << QString();
        QTest::newRow("player, no name") << 0 << u";Keep;1;2;"_s << QString();
        QTest::newRow("player, X not a number") << 0 << u"Thorin;Keep;abc;2;"_s << QString();
        QTest::newRow("player, X not finite") << 0 << u"Thorin;Keep;inf;2;"_s << QString();
        QTest::newRow("player, Y nan") << 0 << u"Thorin;Keep;1;nan;"_s << QString();
        QTest::newRow("object, other flag") << 1 << u"Chest;Keep;1;2;c.ico;true"_s << u"Chest;Keep;1;2;c.ico;FALSE"_s;
        QTest::newRow("object, five fields") << 1 << u"Chest;Keep;1;2;c.ico"_s << QString();
        QTest::newRow("note, no key") << 2 << u";text;Keep;1;2;n.ico"_s << QString();
        QTest::newRow("note, five fields") << 2 << u"_1;text;Keep;1;2"_s << QString();
    }

    void markers()
    {
        QFETCH(int, kind);
        QFETCH(QString, item);
        QFETCH(QString, written);
        QCOMPARE(writtenBack(kind, item), written);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestMapRecords)
#include "TestMapRecords.moc"
