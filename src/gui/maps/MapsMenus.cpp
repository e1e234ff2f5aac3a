#include "gui/maps/MapsMenus.h"

#include "core/maps/MapMenuState.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QAction *item(QObject *parent, const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(name);
    return action;
}

QMenu *popup(QWidget *owner, const QString &name, const QString &title)
{
    auto *menu = new QMenu(title, owner);
    menu->setObjectName(name);
    return menu;
}

QAction *checkItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = item(menu, name, caption);
    action->setCheckable(true);
    menu->addAction(action);
    return action;
}

QAction *popupItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = item(menu, name, caption);
    menu->addAction(action);
    return action;
}

} // namespace

MapsMenus MapsMenus::build(ToolHost &host, QWidget *owner)
{
    MapsMenus m;
    m.mnuMapSPopup = popup(owner, u"mnuMapSPopup"_s, tr("&Maps"));
    // The menu bar's Maps menu takes its items over; the pop-up copy shows the same items.
    const auto add = [&](QAction *&slot, const QString &name, const QString &caption) {
        slot = item(owner, name, caption);
        host.addToMenu(MainMenu::Maps, slot);
        m.mnuMapSPopup->addAction(slot);
    };
    const auto separator = [&] {
        auto *line = new QAction(owner);
        line->setSeparator(true);
        host.addToMenu(MainMenu::Maps, line);
        m.mnuMapSPopup->addSeparator();
    };
    add(m.mnuMapsImport, u"mnuMapsImport"_s, tr("Import map collection..."));
    add(m.mnuMapsExport, u"mnuMapsExport"_s, tr("Export map collection..."));
    separator();
    add(m.mnuMapsAdd, u"mnuMapsAdd"_s, tr("Add map..."));
    add(m.mnuMapsEdit, u"mnuMapsEdit"_s, tr("Edit active map..."));
    add(m.mnuMapsRemove, u"mnuMapsRemove"_s, tr("Remove active map"));
    add(m.mnuMapsPrintActive, u"mnuMapsPrintActive"_s, tr("Print active map..."));
    add(m.mnuMapsSaveAs, u"mnuMapsSaveAs"_s, tr("Save active map as picture..."));
    separator();
    add(m.mnuMapsObjectAdd, u"mnuMapsObjectAdd"_s, tr("Add object..."));
    add(m.mnuMapsObjectEdit, u"mnuMapsObjectEdit"_s, tr("Edit object..."));
    add(m.mnuMapsObjectRemove, u"mnuMapsObjectRemove"_s, tr("Remove object..."));
    separator();
    add(m.mnuMapsPlayerAdd, u"mnuMapsPlayerAdd"_s, tr("Add player..."));
    add(m.mnuMapsPlayerEdit, u"mnuMapsPlayerEdit"_s, tr("Edit player..."));
    add(m.mnuMapsPlayerRemove, u"mnuMapsPlayerRemove"_s, tr("Remove player..."));
    separator();
    add(m.mnuMapsNoteAdd, u"mnuMapsNoteAdd"_s, tr("Add note..."));
    add(m.mnuMapsNoteEdit, u"mnuMapsNoteEdit"_s, tr("Edit note..."));
    add(m.mnuMapsNoteRemove, u"mnuMapsNoteRemove"_s, tr("Remove note..."));

    m.mnuMap = popup(owner, u"mnuMap"_s, tr("Map"));
    m.mnuMapVisible = checkItem(m.mnuMap, u"mnuMapVisible"_s, tr("Grid visible"));
    m.mnuPlayerVisible = checkItem(m.mnuMap, u"mnuPlayerVisible"_s, tr("Players visible"));
    m.mnuMapNotes = checkItem(m.mnuMap, u"mnuMapNotes"_s, tr("Note markers visible"));
    m.mnuMap->addSeparator();
    m.mnuMapAddObject = popupItem(m.mnuMap, u"mnuMapAddObject"_s, tr("Add object..."));
    m.mnuMapAddPlayer = popupItem(m.mnuMap, u"mnuMapAddPlayer"_s, tr("Add player..."));
    m.mnuMapAddNote = popupItem(m.mnuMap, u"mnuMapAddNote"_s, tr("Add note..."));
    m.mnuMap->addSeparator();
    m.mnuMapPrint = popupItem(m.mnuMap, u"mnuMapPrint"_s, tr("Print map..."));
    m.mnuMapSaveAs = popupItem(m.mnuMap, u"mnuMapSaveAs"_s, tr("Save map as picture..."));
    // Zoom beyond the two display modes: fit the control, or back to the picture's own size.
    m.mnuMap->addSeparator();
    m.mnuMapZoomFit = popupItem(m.mnuMap, u"mnuMapZoomFit"_s, tr("Zoom to fit"));
    m.mnuMapZoomActual = popupItem(m.mnuMap, u"mnuMapZoomActual"_s, tr("Actual size (100 %)"));

    m.mnuNote = popup(owner, u"mnuNote"_s, tr("Note"));
    m.mnuNoteEdit = popupItem(m.mnuNote, u"mnuNoteEdit"_s, tr("Edit note..."));
    m.mnuNoteRemove = popupItem(m.mnuNote, u"mnuNoteRemove"_s, tr("Remove note"));
    m.mnuPlayer = popup(owner, u"mnuPlayer"_s, tr("Player"));
    m.mnuPlayerEdit = popupItem(m.mnuPlayer, u"mnuPlayerEdit"_s, tr("Edit player..."));
    m.mnuPlayerRemove = popupItem(m.mnuPlayer, u"mnuPlayerRemove"_s, tr("Remove player"));
    m.mnuObjects = popup(owner, u"mnuObjects"_s, tr("Objects"));
    m.mnuObjectsAdd = popupItem(m.mnuObjects, u"mnuObjectsAdd"_s, tr("Add object..."));
    m.mnuObjectsEdit = popupItem(m.mnuObjects, u"mnuObjectsEdit"_s, tr("Edit object..."));
    m.mnuObjectsRemove = popupItem(m.mnuObjects, u"mnuObjectsRemove"_s, tr("Remove object..."));
    m.mnuPlayers = popup(owner, u"mnuPlayers"_s, tr("Players"));
    m.mnuPlayersAdd = popupItem(m.mnuPlayers, u"mnuPlayersAdd"_s, tr("Add player..."));
    m.mnuPlayersEdit = popupItem(m.mnuPlayers, u"mnuPlayersEdit"_s, tr("Edit player..."));
    m.mnuPlayersRemove = popupItem(m.mnuPlayers, u"mnuPlayersRemove"_s, tr("Remove player"));
    return m;
}

void MapsMenus::apply(const MapMenuState &state) const
{
    const std::pair<QAction *, bool> items[] = { { mnuMapsImport, state.mapsImport },
        { mnuMapsExport, state.mapsExport }, { mnuMapsAdd, state.mapsAdd }, { mnuMapsEdit, state.mapsEdit },
        { mnuMapsRemove, state.mapsRemove }, { mnuMapsPrintActive, state.mapsPrintActive },
        { mnuMapsSaveAs, state.mapsSaveAs }, { mnuMapsObjectAdd, state.objectAdd },
        { mnuMapsObjectEdit, state.objectEdit }, { mnuMapsObjectRemove, state.objectRemove },
        { mnuMapsPlayerAdd, state.playerAdd }, { mnuMapsPlayerEdit, state.playerEdit },
        { mnuMapsPlayerRemove, state.playerRemove }, { mnuMapsNoteAdd, state.noteAdd },
        { mnuMapsNoteEdit, state.noteEdit }, { mnuMapsNoteRemove, state.noteRemove } };
    for (const auto &[action, enabled] : items)
        action->setEnabled(enabled);
}

void MapsMenus::apply(const MapPopupState &state) const
{
    mnuMapVisible->setChecked(state.gridChecked);
    mnuPlayerVisible->setChecked(state.playersChecked);
    mnuPlayerVisible->setEnabled(state.playersEnabled);
    mnuMapNotes->setChecked(state.notesChecked);
    mnuMapNotes->setEnabled(state.notesEnabled);
}

} // namespace Velmora
