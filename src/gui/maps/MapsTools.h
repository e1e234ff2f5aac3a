#pragma once

#include "core/maps/MapCollectionModel.h"
#include "gui/maps/MapFileCommands.h"
#include "gui/maps/MapScene.h"
#include "gui/maps/MapsMenus.h"
#include "gui/ui/CampaignPart.h"
#include "gui/ui/SearchHitOpener.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <array>

class QAction;
class QModelIndex;
class QTabWidget;
class QTreeView;

namespace Velmora {

class MapListModel;
class MapMarkerCommands;
class MapViewTabs;
class ToolHost;
class ucPictureSiz;

/// The maps on the main window's "Maps" tab: the lists lsvMaps, lsvPlayers, lsvObjects and
/// lsvNotes on the pages of SSTab2 beside tabMaps and its map views, the Maps menu and the maps'
/// pop-up menus. The collection lives in the MapCollectionModel held here; every view shows what
/// the model gives it for its map, and every change the model counts marks the campaign modified.
///
/// The menus are there from the start; the lists and views are built the first time the tab comes
/// to the front (or a command needs a view), so that a campaign loads and saves the same whether or
/// not its maps have been shown.
class MapsTools : public QObject, public CampaignPart, public SearchHitOpener<SearchPlaceKind::MapNote>
{
    Q_OBJECT

public:
    using List = MapCollectionModel::List;

    explicit MapsTools(ToolHost &host, QObject *parent = nullptr);
    ~MapsTools() override;

    void applyCampaign(const CampaignModel &model) override;
    void collectCampaign(CampaignModel &model) override;
    /// Nothing is typed in place on the maps: every edit goes through a dialog.
    void commitPendingEdits() override { }

    MapCollectionModel &maps() { return m_maps; }
    /// The map views, built now if the tab has not been in front yet.
    MapViewTabs &views();
    const MapsMenus &menus() const { return m_menus; }
    const MapFileCommands &files() const { return m_files; }

    /// Selects map `row`, puts its content on its view and captions its tab.
    void ShowMapInView(int row);
    void RefreshAllMapViews();
    void UpdateMapMenus();
    /// The selected row of lsvMaps (before the lists are built: the row they will select), -1 when
    /// none.
    int selectedMapRow() const;

    /// A match of the whole-campaign search in a map note: its map in front, the note selected
    /// in lsvNotes and its dialog open with the match selected in the text, the one place where
    /// a note's text shows whole and can be changed.
    void openHit(FoundMatch &match) override;

    void mnuMapsAdd_Click();
    void mnuMapsEdit_Click();
    void mnuMapsRemove_Click();
    void mnuMapsImport_Click();
    void mnuMapsExport_Click();
    /// Prints the selected tab's view; from the Maps menu only while that view shows.
    void printMap(bool onlyShown);
    /// Saves the selected tab's view as a picture, asking for the file under `title`.
    void saveMapAsPicture(const QString &title);

private:
    void buildTab();
    QWidget *buildLists();
    void connectMenus();
    void connectLists();
    void connectMarkerMenus();
    void connectPlayerList();
    void connectViews();
    void selectMapRow(int row);
    void selectMapTab(int mapTab);
    QString selectedMapKey() const;
    void mapTabClicked(int index);
    void toggleVisibility(bool (MapCollectionModel::*setVisible)(int, bool), QAction *item);
    void showViewMenu(int view, MapMarkerKind kind, QPoint globalPos);
    void zoomMenuView(void (ucPictureSiz::*zoom)());
    void markerMoved(MapMarkerKind kind, const QString &key, float x, float y);
    /// After a marker command: its map again (or every map for notes), then the menus.
    void markersChanged(List list, const QString &mapKey);

    ToolHost &m_host;
    MapCollectionModel m_maps;
    QPointer<QWidget> m_tab; ///< the tab's page; it owns the pop-ups, the main window owns it once placed
    MapsMenus m_menus;
    QTabWidget *m_lists = nullptr; ///< SSTab2: the pages of the four lists
    std::array<QTreeView *, 4> m_listViews {};
    std::array<MapListModel *, 4> m_listModels {};
    MapViewTabs *m_views = nullptr;
    MapMarkerCommands *m_markers = nullptr;
    std::array<QList<float>, 3> m_columns; ///< the campaign's widths of lsvMaps, lsvPlayers, lsvObjects
    int m_listPage = 0; ///< the campaign's page of SSTab2, until the lists are built
    int m_mapTab = 1; ///< the chosen map tab (from 1), until the views are built
    int m_menuView = -1; ///< the view whose pop-up opened last
    MapFileCommands m_files;
};

} // namespace Velmora
