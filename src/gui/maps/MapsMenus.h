#pragma once

#include <QCoreApplication>

class QAction;
class QMenu;
class QWidget;

namespace Velmora {

class ToolHost;
struct MapMenuState;
struct MapPopupState;

/// The Maps menu of the menu bar and the pop-up menus of the maps: mnuMapSPopup (the Maps menu
/// again, for a right click on the map list), mnuMap (a map's surface), mnuPlayer, mnuObjects
/// and mnuNote (a marker under the pointer) and mnuPlayers (the player list). Every item is named
/// after its control; items the marker pop-ups share with the Maps menu carry the pop-up's name
/// before their own ("mnuPlayerEdit").
struct MapsMenus
{
    Q_DECLARE_TR_FUNCTIONS(MapsMenus)

public:
    QAction *mnuMapsImport = nullptr;
    QAction *mnuMapsExport = nullptr;
    QAction *mnuMapsAdd = nullptr;
    QAction *mnuMapsEdit = nullptr;
    QAction *mnuMapsRemove = nullptr;
    QAction *mnuMapsPrintActive = nullptr;
    QAction *mnuMapsSaveAs = nullptr;
    QAction *mnuMapsObjectAdd = nullptr;
    QAction *mnuMapsObjectEdit = nullptr;
    QAction *mnuMapsObjectRemove = nullptr;
    QAction *mnuMapsPlayerAdd = nullptr;
    QAction *mnuMapsPlayerEdit = nullptr;
    QAction *mnuMapsPlayerRemove = nullptr;
    QAction *mnuMapsNoteAdd = nullptr;
    QAction *mnuMapsNoteEdit = nullptr;
    QAction *mnuMapsNoteRemove = nullptr;

    QMenu *mnuMapSPopup = nullptr;
    QMenu *mnuMap = nullptr;
    QAction *mnuMapVisible = nullptr;
    QAction *mnuPlayerVisible = nullptr;
    QAction *mnuMapNotes = nullptr;
    QAction *mnuMapAddObject = nullptr;
    QAction *mnuMapAddPlayer = nullptr;
    QAction *mnuMapAddNote = nullptr;
    QAction *mnuMapPrint = nullptr;
    QAction *mnuMapSaveAs = nullptr;
    QAction *mnuMapZoomFit = nullptr;
    QAction *mnuMapZoomActual = nullptr;

    QMenu *mnuNote = nullptr;
    QAction *mnuNoteEdit = nullptr;
    QAction *mnuNoteRemove = nullptr;
    QMenu *mnuPlayer = nullptr;
    QAction *mnuPlayerEdit = nullptr;
    QAction *mnuPlayerRemove = nullptr;
    QMenu *mnuObjects = nullptr;
    QAction *mnuObjectsAdd = nullptr;
    QAction *mnuObjectsEdit = nullptr;
    QAction *mnuObjectsRemove = nullptr;
    QMenu *mnuPlayers = nullptr;
    QAction *mnuPlayersAdd = nullptr;
    QAction *mnuPlayersEdit = nullptr;
    QAction *mnuPlayersRemove = nullptr;

    /// The Maps menu goes to the host's menu bar; the pop-ups belong to `owner`.
    static MapsMenus build(ToolHost &host, QWidget *owner);
    /// UpdateMapMenus: enables the Maps menu's items.
    void apply(const MapMenuState &state) const;
    /// The map pop-up's three check items; its add, print and save items are always enabled.
    void apply(const MapPopupState &state) const;
};

} // namespace Velmora
