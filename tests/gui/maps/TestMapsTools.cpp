#include "core/persistence/Campaign.h"
#include "core/persistence/CampaignModel.h"
#include "gui/maps/MapViewTabs.h"
#include "gui/maps/MapsTools.h"
#include "gui/maps/ucPictureSiz.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"
#include "support/gui/RunningProgram.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

// The maps on a host of their own, their tab brought to the front after the campaign's load
// unless told. Maps are named
// "<base name>.png" in the application folder; "Keep" and "Tower" exist, any other is missing.
struct Program : FakeHost
{
    MapsTools tools { *this };
    CampaignModel model = CampaignModel::newCampaign();

    Program(const QStringList &maps = {}, const QStringList &players = {}, bool shown = true)
    {
        for (const QString &name : { u"Keep"_s, u"Tower"_s })
            QImage(40, 20, QImage::Format_RGB32).save(home.file(name + u".png"_s));
        for (const QString &name : maps) {
            MapRecord map;
            map.picturePath = home.file(name + u".png"_s);
            model.maps << map;
        }
        for (const QString &player : players)
            model.playerMarkers << PlayerMarker { player, maps.value(0), 3, 4, QString() };
        apply(tools, model);
        if (shown)
            showTab(MainTab::Maps);
    }

    template <typename T = QWidget> T *get(const QString &name, int index = -1)
    {
        return requireChild<T>(*this, name, index);
    }
    QTabBar *tabs() { return get<QTabBar>(u"tabMaps"_s); }
    void trigger(const QString &item) { get<QAction>(item)->trigger(); }
    QStringList tabTexts(int role)
    {
        QStringList texts;
        for (int i = 0; i < tabs()->count(); ++i)
            texts << (role == 0 ? tabs()->tabText(i) : tabs()->tabData(i).toString());
        return texts;
    }
};

} // namespace

class TestMapsTools : public QObject
{
    Q_OBJECT

private slots:
    void tabsShowTheMaps_data()
    {
        QTest::addColumn<QStringList>("maps");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("viewShown");
        QTest::newRow("no map") << QStringList() << QStringList { u" No map loaded!"_s }
                                << QStringList { u"notfound"_s } << false;
        QTest::newRow("found") << QStringList { u"Keep"_s, u"Lost"_s }
                               << QStringList { u"Keep"_s, u"Lost not found !"_s }
                               << QStringList { u"Keep"_s, u"Lostnotfound"_s } << true;
        QTest::newRow("missing") << QStringList { u"Lost"_s, u"Keep"_s }
                                 << QStringList { u"Lost not found !"_s, u"Keep"_s }
                                 << QStringList { u"Lostnotfound"_s, u"Keep"_s } << false;
    }
    void tabsShowTheMaps()
    {
        QFETCH(QStringList, maps);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, keys);
        QFETCH(bool, viewShown);
        Program program(maps);
        QCOMPARE(program.tabTexts(0), captions);
        QCOMPARE(program.tabTexts(1), keys);
        QCOMPARE(program.tabs()->currentIndex(), 0);
        QCOMPARE(!program.tools.views().view(0).isHidden(), viewShown);
        // The tabs stay on top of their place, with or without a view under them.
        program.resize(800, 600);
        program.show();
        QCOMPARE(program.tabs()->y(), 0);
    }

    void removingTheLastMapLeavesTheNoMapTab()
    {
        Program program({ u"Keep"_s, u"Tower"_s });
        program.trigger(u"mnuMapsRemove"_s);
        program.trigger(u"mnuMapsRemove"_s);
        QCOMPARE(program.tabTexts(0), QStringList { u" No map loaded!"_s });
        QCOMPARE(program.tabTexts(1), QStringList { u"notfound"_s });
        QCOMPARE(program.tools.views().viewCount(), 1);
        QVERIFY(program.tools.views().view(0).isHidden());
        QVERIFY(program.campaignSession().isModified());
    }

    void menusFollowTheCollection_data()
    {
        QTest::addColumn<QStringList>("maps");
        QTest::addColumn<QStringList>("players");
        QTest::addColumn<QStringList>("enabled");
        const QStringList withMap { u"mnuMapsImport"_s, u"mnuMapsExport"_s, u"mnuMapsAdd"_s, u"mnuMapsEdit"_s,
            u"mnuMapsRemove"_s, u"mnuMapsPrintActive"_s, u"mnuMapsSaveAs"_s, u"mnuMapsObjectAdd"_s,
            u"mnuMapsPlayerAdd"_s, u"mnuMapsNoteAdd"_s };
        QTest::newRow("no map") << QStringList() << QStringList()
                                << QStringList { u"mnuMapsImport"_s, u"mnuMapsAdd"_s };
        QTest::newRow("a map") << QStringList { u"Keep"_s } << QStringList() << withMap;
        QTest::newRow("players") << QStringList { u"Keep"_s } << QStringList { u"Ann"_s }
                                 << (withMap + QStringList { u"mnuMapsPlayerEdit"_s, u"mnuMapsPlayerRemove"_s });
    }
    void menusFollowTheCollection()
    {
        QFETCH(QStringList, maps);
        QFETCH(QStringList, players);
        QFETCH(QStringList, enabled);
        Program program(maps, players);
        QStringList shown;
        for (QAction *item : program.menu(MainMenu::Maps)->actions()) {
            if (!item->isSeparator() && item->isEnabled())
                shown << item->objectName();
        }
        shown.sort();
        enabled.sort();
        QCOMPARE(shown, enabled);
    }

    void choosingAPlayerOnAMapWithoutPlayersSaysSo()
    {
        Program program({ u"Keep"_s, u"Tower"_s }, { u"Ann"_s });
        program.tabs()->setCurrentIndex(1);
        program.trigger(u"mnuMapsPlayerEdit"_s);
        QCOMPARE(
            program.scripted.trace(), QStringList { u"message Velmora: There are no players linked to this map."_s });
    }

    void theShownMapIsSavedWhicheverTabIsInFront_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("menu, maps never shown") << u"mnuMapsSaveAs"_s << false << u"save-dialog Save Map as Bitmap"_s;
        QTest::newRow("pop-up") << u"mnuMapSaveAs"_s << true << u"save-dialog Save Active Map as Bitmap"_s;
    }
    void theShownMapIsSavedWhicheverTabIsInFront()
    {
        QFETCH(QString, item);
        QFETCH(bool, shown);
        QFETCH(QString, dialog);
        Program program({ u"Keep"_s }, {}, shown);
        program.trigger(item);
        QCOMPARE(program.scripted.trace(), QStringList { dialog });
    }

    // What one campaign exports through the Maps menu, another imports in place of its own maps.
    void aCollectionExportedIsImportedElsewhere()
    {
        Program from({ u"Keep"_s, u"Tower"_s }, { u"Ann"_s });
        const QString path = from.home.file(u"Maps_Ann.xml"_s);
        from.scripted.answerFile(path);
        from.trigger(u"mnuMapsExport"_s);
        QCOMPARE(from.scripted.trace(), (QStringList { u"save-dialog Confirm Name or Select New One"_s, u"sound Save.WAV"_s }));
        Program to({ u"Lost"_s });
        to.scripted.answerFile(path);
        to.trigger(u"mnuMapsImport"_s);
        QCOMPARE(to.scripted.trace(), QStringList { u"open-dialog Select or Create XML File"_s });
        QVERIFY(to.campaignSession().isModified());
        QCOMPARE(to.tabTexts(0), (QStringList { u"Keep"_s, u"Tower"_s }));
        CampaignModel imported;
        to.collect(to.tools, imported);
        QCOMPARE(imported.playerMarkers, from.model.playerMarkers);
    }

    void aDraggedMarkerIsOfferedForSavingAtClose()
    {
        RunningProgram program;
        Campaign other(program.home.folder());
        MapRecord map;
        map.picturePath = program.home.file(u"Keep.png"_s);
        other.model.maps << map;
        other.model.playerMarkers << PlayerMarker { u"Ann"_s, u"Keep"_s, 3, 4, QString() };
        const QString path = program.home.file(u"Campaigns/Maps.vlf"_s);
        QVERIFY(other.SaveCampaign(path, false));
        program.platform.answerFile(path);
        program.form.campaign().OpenCampaign(false);
        program.form.state().saveOnClose = false;
        program.form.showTab(MainTab::Maps);
        program.form.show();
        program.platform.clearCalls();
        auto *view = qobject_cast<ucPictureSiz *>(requireChild<QWidget>(program.form, u"ucPictureSiz1"_s, 0));
        emit view->PlayerMoved(u"Ann"_s, 10.5f, 7.5f);
        program.form.close();
        QCOMPARE(program.platform.trace().value(0), u"message Save New Campaign: Do you want to save your changes ?"_s);
    }

    void aCampaignComesBackAsItWasApplied_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("tab shown") << true;
        QTest::newRow("tab never shown") << false;
    }
    void aCampaignComesBackAsItWasApplied()
    {
        QFETCH(bool, shown);
        Program program({}, {}, shown);
        CampaignModel model = program.model;
        for (const QString &name : { u"Keep"_s, u"Tower"_s }) {
            MapRecord map;
            map.picturePath = u"\\Campaigns\\"_s + name + u".png"_s;
            map.gridX = 8;
            map.navX = u"12"_s;
            model.maps << map;
        }
        model.playerMarkers << PlayerMarker { u"Ann"_s, u"Tower"_s, 3.5f, 4, u"\\Campaigns\\MapIcons\\Pawn.ico"_s };
        model.objectMarkers << ObjectMarker { u"Chest"_s, u"Keep"_s, 1, 2, QString(), true };
        model.noteMarkers << NoteMarker { u"_1"_s, u"Trap"_s, u"Keep"_s, 5, 6, QString() };
        model.layout.ssTab2 = 2;
        model.layout.mapTab = 2;
        model.layout.columns(LayoutList::Maps) = { 2000.5f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
        model.layout.columns(LayoutList::Players) = { 1440, 300, 0, 0, 0, 0 };
        program.apply(program.tools, model);
        CampaignModel saved = CampaignModel::newCampaign();
        program.collect(program.tools, saved);
        QCOMPARE(saved.maps, model.maps);
        QCOMPARE(saved.playerMarkers, model.playerMarkers);
        QCOMPARE(saved.objectMarkers, model.objectMarkers);
        QCOMPARE(saved.noteMarkers, model.noteMarkers);
        QCOMPARE(saved.layout.toItems(), model.layout.toItems());
    }
};

QTEST_MAIN(TestMapsTools)
#include "TestMapsTools.moc"
