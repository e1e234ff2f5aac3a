#include "gui/maps/frmMap.h"
#include "gui/maps/frmNote.h"
#include "gui/maps/frmObject.h"
#include "gui/maps/frmPlayer.h"
#include "gui/maps/frmWhichNote.h"
#include "core/maps/MapCollectionModel.h"

#include "support/TestHome.h"
#include "support/gui/GuiHarness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

const QString Duplicate = u"There is already a map by that name in the collection."_s;

QList<MapEntry> mapsKeyed(const QStringList &keys)
{
    QList<MapEntry> maps;
    for (const QString &key : keys)
        maps.append({ key, key, {} });
    return maps;
}

// The message boxes shown, one line each: title, icon (1 information, 3 exclamation) and text.
QStringList messages(const ScriptedPlatform &platform)
{
    QStringList shown;
    for (const auto &call : platform.callsOf(ScriptedPlatform::Kind::Message))
        shown << call.title + u'|' + QString::number(int(call.icon)) + u'|' + call.text;
    return shown;
}

void retype(QDialog &dialog, const QString &field, const QString &keys)
{
    QLineEdit *edit = requireChild<QLineEdit>(dialog, field);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
}

void clickOk(QDialog &dialog) { requireChild<QPushButton>(dialog, u"cmdOK"_s)->click(); }

} // namespace

class TestMapDialogs : public QObject
{
    Q_OBJECT

private slots:
    void mapPicture_data()
    {
        QTest::addColumn<QStringList>("files"); // in the application folder before the choice
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("shown"); // "%1" stands for the application folder
        QTest::addColumn<QString>("stored");
        const QString renamed = Duplicate + u"\r\nThis new map will be renamed '%2' and moved to '%1/Campaigns'"_s;
        QTest::newRow("new key") << QStringList { u"Pictures/Cave.jpg"_s } << u"Pictures/Cave.jpg"_s << QStringList()
                                 << u"\\Pictures\\Cave.jpg"_s;
        QTest::newRow("same name copied to _1")
            << QStringList { u"Pictures/Keep.jpg"_s, u"Campaigns/Keep.jpg"_s } << u"Pictures/Keep.jpg"_s
            << QStringList { u"Map Duplicate|3|"_s + renamed.arg(u"%1"_s, u"Keep_1"_s) }
            << u"\\Campaigns\\Keep_1.jpg"_s;
        QTest::newRow("then _2") << QStringList { u"Pictures/Keep.jpg"_s, u"Campaigns/Keep.jpg"_s,
            u"Campaigns/Keep_1.jpg"_s }
                                 << u"Pictures/Keep.jpg"_s
                                 << QStringList { u"Map Duplicate|3|"_s + renamed.arg(u"%1"_s, u"Keep_2"_s) }
                                 << u"\\Campaigns\\Keep_2.jpg"_s;
        QTest::newRow("same name under Campaigns refused")
            << QStringList { u"Campaigns/Old/Keep.jpg"_s } << u"Campaigns/Old/Keep.jpg"_s
            << QStringList { u"Map Duplicate|3|"_s + Duplicate } << QString();
        QTest::newRow("copy failing") << QStringList { u"Pictures/Keep.jpg"_s, u"Campaigns"_s }
                                      << u"Pictures/Keep.jpg"_s << QStringList { u"File Error|1|Error copying file."_s }
                                      << QString();
    }

    void mapPicture()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        QFETCH(QStringList, shown);
        QFETCH(QString, stored);
        TestHome home;
        for (const QString &file : files)
            home.write(file, "picture");
        ScriptedPlatform platform;
        frmMap dialog(platform, home.folder());
        dialog.init({}, {}, false, oGrid(), mapsKeyed({ u"Keep"_s, u"Dungeon"_s }), true);
        platform.answerFile(home.file(chosen));
        requireChild<QPushButton>(dialog, u"cmdBrowse"_s)->click();

        for (QString &line : shown)
            line.replace(u"%1"_s, home.path());
        QCOMPARE(messages(platform), shown);
        QCOMPARE(platform.calls().first().request.filter,
            u"JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*bmp|Other format (*.*)|*.*"_s);
        QCOMPARE(dialog.MapFilename(), stored);
        QCOMPARE(dialog.MapName(), dialog.MapKey());
        QCOMPARE(requireChild<QPushButton>(dialog, u"cmdOK"_s)->isEnabled(), !stored.isEmpty());
        if (!stored.isEmpty())
            QCOMPARE(home.read(stored.mid(1).replace(u'\\', u'/')), "picture");
    }

    void mapGrid_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<bool>("divisions");
        QTest::addColumn<QString>("y");
        QTest::addColumn<oGrid>("grid");
        QTest::newRow("X empty is 0") << QString() << false << QString() << oGrid { 0, 0, 255 };
        QTest::newRow("letters rejected") << u"1a2"_s << true << u"x5."_s << oGrid { 12, 5, 255 };
        QTest::newRow("Y only with its option") << u"8"_s << false << u"5"_s << oGrid { 8, 0, 255 };
        QTest::newRow("Y empty is 0") << u"8"_s << true << QString() << oGrid { 8, 0, 255 };
    }

    void mapGrid()
    {
        QFETCH(QString, x);
        QFETCH(bool, divisions);
        QFETCH(QString, y);
        QFETCH(oGrid, grid);
        TestHome home;
        ScriptedPlatform platform;
        frmMap dialog(platform, home.folder());
        dialog.init(u"Keep"_s, u"C:\\Maps\\Keep.jpg"_s, true, oGrid { 4, 3, 255 }, {}, false);
        requireChild<QRadioButton>(dialog, divisions ? u"optDivisions"_s : u"optSame"_s)->click();
        retype(dialog, u"txtX"_s, x);
        retype(dialog, u"txtY"_s, y);
        QCOMPARE(dialog.Grid(), grid);
        QCOMPARE(dialog.MapFilename(), u"C:\\Maps\\Keep.jpg"_s);
    }

    void markerOk_data()
    {
        QTest::addColumn<bool>("hasMap");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("x");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all given") << true << u"Thorin"_s << u"4"_s << true;
        QTest::newRow("no map") << false << u"Thorin"_s << u"4"_s << false;
        QTest::newRow("blank name") << true << u" "_s << u"4"_s << false;
        QTest::newRow("X never typed") << true << u"Thorin"_s << QString() << false;
    }

    void markerOk()
    {
        QFETCH(bool, hasMap);
        QFETCH(QString, name);
        QFETCH(QString, x);
        QFETCH(bool, enabled);
        TestHome home;
        ScriptedPlatform platform;
        frmPlayer dialog(platform, home.folder());
        dialog.init({}, hasMap ? mapsKeyed({ u"Keep"_s }) : QList<MapEntry>(), std::nullopt);
        QTest::keyClicks(requireChild<QLineEdit>(dialog, u"txtName"_s), name);
        QTest::keyClicks(requireChild<QLineEdit>(dialog, u"txtX"_s), x);
        QTest::keyClicks(requireChild<QLineEdit>(dialog, u"txtY"_s), u"7"_s);
        QCOMPARE(requireChild<QPushButton>(dialog, u"cmdOK"_s)->isEnabled(), enabled);
        QCOMPARE(requireChild<QLineEdit>(dialog, u"txtID"_s)->text(), name);
    }

    void markerDuplicate_data()
    {
        QTest::addColumn<bool>("object");
        QTest::addColumn<QString>("edited"); // "" for a new marker
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown"); // "" when the dialog closes
        const QString player = u"Duplicate Player|3|There is already a player by that name in the list."_s;
        QTest::newRow("new player, name taken") << false << QString() << u"Thorin "_s << player;
        QTest::newRow("new player") << false << QString() << u"Mialee"_s << QString();
        QTest::newRow("edited keeps its name") << false << u"Thorin"_s << u"Thorin"_s << QString();
        QTest::newRow("edited takes another's") << false << u"Thorin"_s << u"Lidda"_s << player;
        QTest::newRow("new object, name taken")
            << true << QString() << u"Lidda"_s
            << u"Duplicate Object|3|There is already an object by that name in the list."_s;
    }

    void markerDuplicate()
    {
        QFETCH(bool, object);
        QFETCH(QString, edited);
        QFETCH(QString, name);
        QFETCH(QString, shown);
        TestHome home;
        ScriptedPlatform platform;
        const QList<MapEntry> maps = mapsKeyed({ u"Keep"_s });
        const std::optional<oPlayer> player
            = edited.isEmpty() ? std::nullopt : std::optional(oPlayer { edited, u"Keep"_s, 1, 2, {} });
        std::unique_ptr<MarkerDialog> dialog;
        if (object) {
            auto *objects = new frmObject(platform, home.folder());
            objects->init({ { u"Lidda"_s, u"Keep"_s, 0, 0, {}, false } }, maps, std::nullopt);
            dialog.reset(objects);
        } else {
            auto *players = new frmPlayer(platform, home.folder());
            players->init({ { u"Thorin"_s, u"Keep"_s, 1, 2, {} }, { u"Lidda"_s, u"Keep"_s, 5, 5, {} } }, maps, player);
            dialog.reset(players);
        }
        dialog->show();
        retype(*dialog, u"txtName"_s, name);
        retype(*dialog, u"txtX"_s, u"3"_s);
        retype(*dialog, u"txtY"_s, u"4"_s);
        clickOk(*dialog);
        QCOMPARE(messages(platform), shown.isEmpty() ? QStringList() : QStringList { shown });
        QCOMPARE(dialog->isVisible(), !shown.isEmpty());
        QCOMPARE(dialog->cancelled(), !shown.isEmpty());
    }

    void playerFromFields()
    {
        TestHome home;
        const QString source = home.write(u"Downloads/Pawn.ico"_s, "icon");
        home.write(u"Campaigns/MapIcons/Pawn.ico"_s, "other");
        ScriptedPlatform platform;
        frmPlayer dialog(platform, home.folder());
        QList<MapEntry> maps = mapsKeyed({ u"Keep"_s, u"Dungeon"_s });
        maps[1].name = u"Dungeon level 1"_s;
        dialog.init({}, maps, oPlayer { u"Thorin"_s, u"Dungeon"_s, 30, 40, u"\\Campaigns\\MapIcons\\Old.ico"_s });
        QCOMPARE(requireChild<QComboBox>(dialog, u"cboMap"_s)->currentText(), u"Dungeon level 1"_s);
        retype(dialog, u"txtX"_s, u"4b2"_s);
        QCOMPARE(requireChild<QLineEdit>(dialog, u"txtX"_s)->text(), u"42"_s);
        retype(dialog, u"txtY"_s, QString());
        QCOMPARE(requireChild<QLineEdit>(dialog, u"txtY"_s)->text(), u"0"_s);
        platform.answerFile(source);
        requireChild<QPushButton>(dialog, u"cmdIcon"_s)->click();
        QCOMPARE(requireChild<QLineEdit>(dialog, u"txtIcon"_s)->text(), home.file(u"Campaigns/MapIcons/Pawn_1.ico"_s));
        QVERIFY(!QFile::exists(home.file(u"Campaigns/MapIcons/Pawn_1.ico"_s)));
        clickOk(dialog);

        const FileDialogRequest request = platform.calls().first().request;
        QCOMPARE(request.title + request.filter, u"Select Custom Player IconIcon (*.ico)|*.ico"_s);
        QCOMPARE(request.initialFolder, home.file(u"Campaigns/MapIcons"_s));
        QCOMPARE(
            dialog.GetPlayer(), (oPlayer { u"Thorin"_s, u"Dungeon"_s, 42, 0, u"\\Campaigns\\MapIcons\\Pawn_1.ico"_s }));
        QCOMPARE(home.read(u"Campaigns/MapIcons/Pawn_1.ico"_s), "icon");
    }

    void newNote()
    {
        TestHome home;
        ScriptedPlatform platform;
        frmNote dialog(platform, home.folder());
        const QList<oNote> notes { { u"_1"_s, {}, u"Keep"_s, 0, 0, {} }, { u"_3"_s, {}, u"Keep"_s, 0, 0, {} } };
        dialog.init(mapsKeyed({ u"Keep"_s, u"Cave"_s }), notes, std::nullopt, u"Cave"_s);
        QTest::keyClicks(requireChild<QLineEdit>(dialog, u"txtNote"_s), u"Trap; here"_s);
        QTest::keyClicks(requireChild<QLineEdit>(dialog, u"txtX"_s), u"5"_s);
        QTest::keyClicks(requireChild<QLineEdit>(dialog, u"txtY"_s), u"6"_s);
        clickOk(dialog);
        QVERIFY(!dialog.cancelled());
        QCOMPARE(dialog.GetNote(), (oNote { u"_2"_s, u"Trap here"_s, u"Cave"_s, 5, 6, {} }));
    }

    void whichNote_data()
    {
        QTest::addColumn<bool>("isNote");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("header");
        QTest::newRow("notes") << true << u"Note Selection"_s << u"Mote"_s;
        QTest::newRow("players") << false << u"Player Selection"_s << u"Player name"_s;
    }

    void whichNote()
    {
        QFETCH(bool, isNote);
        QFETCH(QString, title);
        QFETCH(QString, header);
        MapCollection maps;
        maps.notes = { { u"_1"_s, u"Gate"_s, u"Keep"_s, 0, 0, {} }, { u"_2"_s, u"Bats"_s, u"Cave"_s, 0, 0, {} },
            { u"_4"_s, u"Well"_s, u"Keep"_s, 0, 0, {} } };
        maps.players = { { u"Gate"_s, u"Keep"_s, 0, 0, {} }, { u"Bats"_s, u"Cave"_s, 0, 0, {} },
            { u"Well"_s, u"Keep"_s, 0, 0, {} } };
        MapCollectionModel model;
        model.setCollection(maps);
        frmWhichNote dialog;
        dialog.init(model.ChooseMarker(isNote ? MapCollectionModel::List::Notes : MapCollectionModel::List::Players,
                                       u"Keep"_s));
        QTreeWidget *list = requireChild<QTreeWidget>(dialog, u"lsvMarkers"_s);
        QCOMPARE(dialog.windowTitle(), title);
        QCOMPARE(list->headerItem()->text(0), header);
        QCOMPARE(list->topLevelItemCount(), 2);
        list->setCurrentItem(list->topLevelItem(1));
        QCOMPARE(list->topLevelItem(1)->text(0), u"Well"_s);
        clickOk(dialog);
        QVERIFY(!dialog.cancelled());
        QCOMPARE(dialog.GetNoteID(), isNote ? u"_4"_s : u"Well"_s);
    }
};

QTEST_MAIN(TestMapDialogs)
#include "TestMapDialogs.moc"
