#include "gui/maps/MapsTools.h"

#include "core/app/CampaignSession.h"
#include "core/common/AppFolder.h"
#include "core/maps/CampaignMaps.h"
#include "core/maps/MapListModel.h"
#include "core/persistence/CampaignModel.h"
#include "gui/maps/MapMarkerCommands.h"
#include "gui/maps/MapViewTabs.h"
#include "gui/maps/frmMap.h"
#include "gui/maps/ucPictureSiz.h"
#include "gui/ui/FoundMatch.h"
#include "gui/ui/ListColumns.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

/// The busy pointer for as long as it lives.
struct BusyPointer
{
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
};

constexpr std::array<LayoutList, 3> StoredWidths { LayoutList::Maps, LayoutList::Players, LayoutList::Objects };

} // namespace

MapsTools::MapsTools(ToolHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_tab(new QWidget)
    , m_menus(MapsMenus::build(host, m_tab))
    , m_files(host, m_maps)
{
    setObjectName(u"MapsTools"_s);
    m_tab->setObjectName(u"MapsToolsTab"_s);
    m_markers = new MapMarkerCommands(host, m_maps, this);
    connectMenus();
    connectMarkerMenus();
    // Every change the collection counts is a change of the campaign: moves and visibility
    // toggles too, so that closing the program saves them or asks.
    connect(&m_maps, &MapCollectionModel::modified, &host.campaignSession(), &CampaignSession::markModified);
    UpdateMapMenus();
    m_host.onFirstShown(MainTab::Maps, this, [this] { buildTab(); });
    host.services().provide<SearchHitOpener<SearchPlaceKind::MapNote>>(this);
    connect(&host.services(), &PartServices::columnsReset, this, [this](LayoutList list) {
        for (size_t i = 0; i < StoredWidths.size(); ++i) {
            if (StoredWidths[i] != list)
                continue;
            m_columns[i] = ListLayout::initialWidths()[size_t(list)];
            if (m_views)
                ListColumns::apply(*m_listViews[i], m_columns[i]);
        }
    });
}

// The page goes with the main window once placed; before that it is ours.
MapsTools::~MapsTools()
{
    if (m_tab && !m_tab->parent())
        delete m_tab;
}

void MapsTools::buildTab()
{
    if (m_views)
        return;
    const AppFolder *folder = &m_host.folder();
    m_views = new MapViewTabs(m_host.platform(), [folder](const QString &path) { return folder->storedFile(path); });
    auto *split = new QSplitter(Qt::Horizontal);
    split->addWidget(buildLists());
    split->addWidget(m_views);
    split->setStretchFactor(1, 1);
    auto *row = new QHBoxLayout(m_tab);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(split);
    connectLists();
    connectViews();
    m_host.placeOnTab(MainTab::Maps, m_tab);
    const int mapTab = m_mapTab;
    RefreshAllMapViews();
    selectMapTab(mapTab);
}

MapViewTabs &MapsTools::views()
{
    buildTab();
    return *m_views;
}

QWidget *MapsTools::buildLists()
{
    m_lists = new QTabWidget;
    m_lists->setObjectName(u"SSTab2"_s);
    const std::pair<QString, QString> lists[] = { { u"lsvMaps"_s, tr("Maps") }, { u"lsvPlayers"_s, tr("Players") },
        { u"lsvObjects"_s, tr("Objects") }, { u"lsvNotes"_s, tr("Notes") } };
    for (int i = 0; i < 4; ++i) {
        auto *view = new QTreeView;
        view->setObjectName(lists[i].first);
        view->setRootIsDecorated(false);
        view->setUniformRowHeights(true);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        // The widths are the campaign's, narrow ones too: none grows to fill the list or to the
        // style's minimum, so that a campaign saves the widths it loaded.
        view->header()->setStretchLastSection(false);
        view->header()->setMinimumSectionSize(1);
        m_listModels[i] = new MapListModel(&m_maps, List(i), view);
        view->setModel(m_listModels[i]);
        m_lists->addTab(view, lists[i].second);
        m_listViews[i] = view;
    }
    // The notes keep no widths in the campaign: their text only, like the other lists start.
    for (int column = 1; column < m_listModels[3]->columnCount(); ++column)
        m_listViews[3]->setColumnHidden(column, true);
    for (size_t i = 0; i < StoredWidths.size(); ++i)
        ListColumns::apply(*m_listViews[i], m_columns[i]);
    if (m_listPage >= 0 && m_listPage < m_lists->count())
        m_lists->setCurrentIndex(m_listPage);
    return m_lists;
}

void MapsTools::connectMenus()
{
    const MapsMenus &m = m_menus;
    connect(m.mnuMapsImport, &QAction::triggered, this, &MapsTools::mnuMapsImport_Click);
    connect(m.mnuMapsExport, &QAction::triggered, this, &MapsTools::mnuMapsExport_Click);
    connect(m.mnuMapsAdd, &QAction::triggered, this, &MapsTools::mnuMapsAdd_Click);
    connect(m.mnuMapsEdit, &QAction::triggered, this, &MapsTools::mnuMapsEdit_Click);
    connect(m.mnuMapsRemove, &QAction::triggered, this, &MapsTools::mnuMapsRemove_Click);
    connect(m.mnuMapsPrintActive, &QAction::triggered, this, [this] { printMap(true); });
    connect(m.mnuMapPrint, &QAction::triggered, this, [this] { printMap(false); });
    connect(m.mnuMapsSaveAs, &QAction::triggered, this, [this] { saveMapAsPicture(tr("Save Map as Bitmap")); });
    connect(m.mnuMapSaveAs, &QAction::triggered, this, [this] { saveMapAsPicture(tr("Save Active Map as Bitmap")); });
    connect(m.mnuMapVisible, &QAction::triggered, this,
        [this] { toggleVisibility(&MapCollectionModel::SetGridVisible, m_menus.mnuMapVisible); });
    connect(m.mnuPlayerVisible, &QAction::triggered, this,
        [this] { toggleVisibility(&MapCollectionModel::SetPlayersVisible, m_menus.mnuPlayerVisible); });
    connect(m.mnuMapNotes, &QAction::triggered, this,
        [this] { toggleVisibility(&MapCollectionModel::SetNotesVisible, m_menus.mnuMapNotes); });
    connect(m.mnuMapZoomFit, &QAction::triggered, this, [this] { zoomMenuView(&ucPictureSiz::zoomToFit); });
    connect(m.mnuMapZoomActual, &QAction::triggered, this, [this] { zoomMenuView(&ucPictureSiz::zoomToActualSize); });
    for (auto signal : { &MapCollectionModel::inserted, &MapCollectionModel::removed })
        connect(&m_maps, signal, this, &MapsTools::UpdateMapMenus);
    connect(&m_maps, &MapCollectionModel::wasReset, this, &MapsTools::UpdateMapMenus);
    // A map row changed by its check mark, an edit or a visibility toggle: shown again, in front.
    connect(&m_maps, &MapCollectionModel::rowChanged, this, [this](List list, int row) {
        if (list != List::Maps)
            return;
        if (m_views)
            m_views->setCurrentIndex(row);
        ShowMapInView(row);
    });
}

void MapsTools::connectLists()
{
    QTreeView *maps = m_listViews[int(List::Maps)];
    connect(
        maps, &QTreeView::clicked, this, [this](const QModelIndex &index) { m_views->setCurrentIndex(index.row()); });
    connect(maps->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &MapsTools::UpdateMapMenus);
    connect(maps, &QWidget::customContextMenuRequested, this, [this, maps](QPoint at) {
        UpdateMapMenus();
        m_menus.mnuMapSPopup->popup(maps->viewport()->mapToGlobal(at));
    });
    connectPlayerList();
}

void MapsTools::connectViews()
{
    connect(m_views, &MapViewTabs::menuRequested, this, &MapsTools::showViewMenu);
    connect(m_views, &MapViewTabs::markerMoved, this, &MapsTools::markerMoved);
    connect(&m_views->tabBar(), &QTabBar::currentChanged, this, &MapsTools::mapTabClicked);
    connect(m_views, &MapViewTabs::pictureRefused, this,
        [this](const QString &message) { m_host.platform().exclamation(tr("Velmora"), message); });
}

void MapsTools::applyCampaign(const CampaignModel &model)
{
    m_maps.setCollection(CampaignMaps::collection(model));
    for (size_t i = 0; i < StoredWidths.size(); ++i)
        m_columns[i] = model.layout.columns(StoredWidths[i]);
    m_listPage = model.layout.ssTab2;
    if (m_views) {
        for (size_t i = 0; i < StoredWidths.size(); ++i)
            ListColumns::apply(*m_listViews[i], m_columns[i]);
        if (m_listPage >= 0 && m_listPage < m_lists->count())
            m_lists->setCurrentIndex(m_listPage);
    }
    RefreshAllMapViews();
    selectMapTab(model.layout.mapTab);
}

// The map tab the campaign was saved with; one beyond the maps leaves the first in front.
void MapsTools::selectMapTab(int mapTab)
{
    if (mapTab < 1 || mapTab > m_maps.rowCount(List::Maps))
        return;
    m_mapTab = mapTab;
    if (m_views)
        m_views->setCurrentIndex(mapTab - 1);
}

void MapsTools::collectCampaign(CampaignModel &model)
{
    CampaignMaps::store(m_maps.collection(), model, m_host.folder());
    if (m_views) {
        for (size_t i = 0; i < StoredWidths.size(); ++i)
            ListColumns::read(*m_listViews[i], m_columns[i]);
        m_listPage = m_lists->currentIndex();
        m_mapTab = m_views->currentIndex() + 1;
    }
    for (size_t i = 0; i < StoredWidths.size(); ++i)
        model.layout.columns(StoredWidths[i]) = m_columns[i];
    model.layout.ssTab2 = m_listPage;
    model.layout.mapTab = m_mapTab;
}

void MapsTools::ShowMapInView(int row)
{
    if (row < 0 || row >= m_maps.rowCount(List::Maps))
        return;
    selectMapRow(row);
    if (!m_views)
        return;
    m_views->ResizeMapTabs(m_maps.rowCount(List::Maps));
    const MapEntry &map = m_maps.collection().maps.at(row);
    m_views->showMap(row, map.name, map.key, m_maps.viewContent(row));
}

void MapsTools::RefreshAllMapViews()
{
    const int count = m_maps.rowCount(List::Maps);
    if (!m_views) {
        m_mapTab = 1;
        return;
    }
    const BusyPointer busy;
    m_views->ResizeMapTabs(count);
    for (int row = 0; row < count; ++row)
        ShowMapInView(row);
    if (count > 0) {
        selectMapRow(0);
        m_views->setCurrentIndex(0);
    }
}

void MapsTools::UpdateMapMenus() { m_menus.apply(m_maps.menuState(selectedMapRow() >= 0)); }

int MapsTools::selectedMapRow() const
{
    if (!m_views) {
        const int count = m_maps.rowCount(List::Maps);
        return count == 0 ? -1 : std::min(m_mapTab, count) - 1;
    }
    const QModelIndex current = m_listViews[int(List::Maps)]->currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString MapsTools::selectedMapKey() const
{
    const int row = selectedMapRow();
    return row < 0 ? QString() : m_maps.key(List::Maps, row);
}

void MapsTools::selectMapRow(int row)
{
    if (!m_views) {
        m_mapTab = row + 1;
        return;
    }
    QTreeView *maps = m_listViews[int(List::Maps)];
    maps->setCurrentIndex(maps->model()->index(row, 0));
}

// Tab positions are row positions, so a tab stands for its map even while its picture is
// missing: the tab in front is always the map the commands act on.
void MapsTools::mapTabClicked(int index)
{
    if (index >= 0 && index < m_maps.rowCount(List::Maps))
        selectMapRow(index);
}

void MapsTools::mnuMapsAdd_Click()
{
    frmMap dialog(m_host.platform(), m_host.folder(), m_host.dialogParent());
    dialog.init(QString(), QString(), false, oGrid(), m_maps.collection().maps, true);
    m_host.platform().execDialog(dialog);
    if (dialog.cancelled())
        return;
    if (m_maps.AddMap(dialog.MapKey(), dialog.MapName(), dialog.MapFilename(), dialog.Grid(), dialog.IsGridVisible())
        == MapCollectionModel::Edit::Done)
        ShowMapInView(m_maps.rowCount(List::Maps) - 1);
    RefreshAllMapViews();
}

void MapsTools::mnuMapsEdit_Click()
{
    const int row = selectedMapRow();
    if (row < 0)
        return;
    const MapEntry map = m_maps.collection().maps.at(row);
    frmMap dialog(m_host.platform(), m_host.folder(), m_host.dialogParent());
    dialog.init(
        map.name, map.record.picturePath, map.record.gridVisible, m_maps.gridOf(row), m_maps.collection().maps, false);
    m_host.platform().execDialog(dialog);
    // The row changed shows again through the collection's row signal.
    if (!dialog.cancelled())
        m_maps.EditMap(row, dialog.MapName(), dialog.MapFilename(), dialog.Grid(), dialog.IsGridVisible());
}

void MapsTools::mnuMapsRemove_Click()
{
    const int row = selectedMapRow();
    if (row < 0 || !m_maps.RemoveMap(row))
        return;
    RefreshAllMapViews();
    UpdateMapMenus();
}

void MapsTools::toggleVisibility(bool (MapCollectionModel::*setVisible)(int, bool), QAction *item)
{
    const int row = selectedMapRow();
    if (row < 0 || !m_views || row >= m_views->viewCount())
        return;
    const ucPictureSiz &view = m_views->view(row);
    const int h = view.ScrollBar_H_Value();
    const int v = view.ScrollBar_V_Value();
    // The item has flipped its check; the row changed shows again through the row signal.
    (m_maps.*setVisible)(row, item->isChecked());
    m_views->restoreScroll(row, h, v);
}

void MapsTools::showViewMenu(int view, MapMarkerKind kind, QPoint globalPos)
{
    if (view < 0 || view >= m_maps.rowCount(List::Maps))
        return;
    selectMapRow(view);
    QMenu *menu = m_menus.mnuMap;
    switch (kind) {
    case MapMarkerKind::Surface:
        m_menus.apply(m_maps.popupState(view));
        break;
    case MapMarkerKind::Player:
        menu = m_menus.mnuPlayer;
        break;
    case MapMarkerKind::Object:
        menu = m_menus.mnuObjects;
        break;
    case MapMarkerKind::Note:
        menu = m_menus.mnuNote;
        break;
    }
    m_menuView = view;
    m_markers->setMenuCaller(m_views->view(view).GetMenuCaller());
    menu->popup(globalPos);
}

void MapsTools::zoomMenuView(void (ucPictureSiz::*zoom)())
{
    if (m_views && m_menuView >= 0 && m_menuView < m_views->viewCount())
        (m_views->view(m_menuView).*zoom)();
}

void MapsTools::markerMoved(MapMarkerKind kind, const QString &key, float x, float y)
{
    switch (kind) {
    case MapMarkerKind::Player:
        m_maps.PlayerMoved(key, x, y);
        break;
    case MapMarkerKind::Object:
        m_maps.ObjectMoved(key, x, y);
        break;
    case MapMarkerKind::Note:
        m_maps.NoteMoved(key, x, y);
        break;
    case MapMarkerKind::Surface:
        break;
    }
}

void MapsTools::markersChanged(List list, const QString &mapKey)
{
    if (list == List::Notes)
        RefreshAllMapViews();
    else
        ShowMapInView(m_maps.rowOfKey(List::Maps, mapKey));
    UpdateMapMenus();
}

void MapsTools::openHit(FoundMatch &match)
{
    m_host.showTab(MainTab::Maps);
    buildTab();
    const QString key = match.hit().key;
    const auto showNoteMap = [this, &key] {
        const int note = m_maps.rowOfKey(List::Notes, key);
        if (note >= 0)
            selectMapTab(m_maps.rowOfKey(List::Maps, m_maps.collection().notes.at(note).mapKey) + 1);
        return note;
    };
    const int note = showNoteMap();
    if (note < 0) {
        match.placeGone();
        return;
    }
    m_lists->setCurrentIndex(int(List::Notes));
    QTreeView *notes = m_listViews[int(List::Notes)];
    notes->setCurrentIndex(notes->model()->index(note, 0));
    m_markers->editNote(key, [&match](QLineEdit &text) { match.selectIn(text); });
    // A changed note shows every map again from the first: the note's own comes back to the front.
    showNoteMap();
}

void MapsTools::mnuMapsImport_Click()
{
    if (m_files.importCollection())
        RefreshAllMapViews();
}

void MapsTools::mnuMapsExport_Click() { m_files.exportCollection(); }

// "Shown" is the tab rule's: the selected tab's view with its picture, whichever main tab is in
// front, so that the Maps menu works from every tab.
void MapsTools::printMap(bool onlyShown)
{
    buildTab();
    const int tab = m_views->currentIndex();
    if (tab < 0 || tab >= m_maps.rowCount(List::Maps) || (onlyShown && m_views->view(tab).isHidden()))
        return;
    m_views->view(tab).PrintPicture();
}

void MapsTools::saveMapAsPicture(const QString &title)
{
    buildTab();
    const int tab = m_views->currentIndex();
    if (tab >= 0 && tab < m_maps.rowCount(List::Maps) && !m_views->view(tab).isHidden())
        m_files.saveAsPicture(m_views->view(tab), title);
}

void MapsTools::connectMarkerMenus()
{
    const MapsMenus &m = m_menus;
    connect(m_markers, &MapMarkerCommands::changed, this, &MapsTools::markersChanged);
    const auto onMap = [this](QAction *item, List list) {
        connect(item, &QAction::triggered, this, [this, list] { m_markers->add(list, selectedMapKey()); });
    };
    for (auto [item, list] : { std::pair { m.mnuMapsPlayerAdd, List::Players }, { m.mnuMapAddPlayer, List::Players },
             { m.mnuPlayersAdd, List::Players }, { m.mnuMapsObjectAdd, List::Objects },
             { m.mnuMapAddObject, List::Objects }, { m.mnuObjectsAdd, List::Objects },
             { m.mnuMapsNoteAdd, List::Notes }, { m.mnuMapAddNote, List::Notes } })
        onMap(item, list);
    // The Maps menu acts on a marker of the selected map that ChooseMarker finds.
    using Command = void (MapMarkerCommands::*)(List, const QString &);
    const auto chosen = [this](QAction *item, List list, Command command) {
        connect(item, &QAction::triggered, this, [this, list, command] {
            const QString key = m_markers->choose(list, selectedMapKey());
            if (!key.isEmpty())
                (m_markers->*command)(list, key);
        });
    };
    chosen(m.mnuMapsPlayerEdit, List::Players, &MapMarkerCommands::edit);
    chosen(m.mnuMapsPlayerRemove, List::Players, &MapMarkerCommands::remove);
    chosen(m.mnuMapsObjectEdit, List::Objects, &MapMarkerCommands::edit);
    chosen(m.mnuMapsObjectRemove, List::Objects, &MapMarkerCommands::remove);
    chosen(m.mnuMapsNoteEdit, List::Notes, &MapMarkerCommands::edit);
    chosen(m.mnuMapsNoteRemove, List::Notes, &MapMarkerCommands::remove);
    connect(m_menus.mnuPlayersEdit, &QAction::triggered, this,
        [this] { m_markers->edit(List::Players, m_markers->menuCaller()); });
    connect(m_menus.mnuPlayersRemove, &QAction::triggered, this,
        [this] { m_markers->remove(List::Players, m_markers->menuCaller()); });
    // A marker's pop-up acts on the marker under the pointer.
    const auto caller = [this](QAction *item, List list, Command command) {
        connect(item, &QAction::triggered, this,
            [this, list, command] { (m_markers->*command)(list, m_markers->menuCaller()); });
    };
    caller(m.mnuPlayerEdit, List::Players, &MapMarkerCommands::edit);
    caller(m.mnuPlayerRemove, List::Players, &MapMarkerCommands::remove);
    caller(m.mnuObjectsEdit, List::Objects, &MapMarkerCommands::edit);
    caller(m.mnuObjectsRemove, List::Objects, &MapMarkerCommands::remove);
    caller(m.mnuNoteEdit, List::Notes, &MapMarkerCommands::edit);
    caller(m.mnuNoteRemove, List::Notes, &MapMarkerCommands::remove);
}

// The player list's pop-up acts on the player row under the pointer.
void MapsTools::connectPlayerList()
{
    QTreeView *players = m_listViews[int(List::Players)];
    connect(players, &QWidget::customContextMenuRequested, this, [this, players](QPoint at) {
        const QModelIndex row = players->indexAt(at);
        m_markers->setMenuCaller(row.isValid() ? m_maps.key(List::Players, row.row()) : QString());
        m_menus.mnuPlayersAdd->setEnabled(m_maps.rowCount(List::Maps) > 0);
        m_menus.mnuPlayersEdit->setEnabled(row.isValid());
        m_menus.mnuPlayersRemove->setEnabled(row.isValid());
        m_menus.mnuPlayers->popup(players->viewport()->mapToGlobal(at));
    });
}

} // namespace Velmora
