#include "gui/maps/MapMarkerCommands.h"

#include "gui/maps/frmNote.h"
#include "gui/maps/frmObject.h"
#include "gui/maps/frmPlayer.h"
#include "gui/maps/frmWhichNote.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

using List = MapCollectionModel::List;
using Edit = MapCollectionModel::Edit;

QString mapAt(const MapCollection &collection, List list, int row)
{
    switch (list) {
    case List::Players:
        return collection.players.at(row).mapKey;
    case List::Objects:
        return collection.objects.at(row).mapKey;
    case List::Notes:
        return collection.notes.at(row).mapKey;
    case List::Maps:
        break;
    }
    return {};
}

/// The marker at `row` of `markers`, nothing for a new one (row -1).
template <typename Marker> std::optional<Marker> markerAt(const QList<Marker> &markers, int row)
{
    return row < 0 ? std::nullopt : std::optional<Marker>(markers.at(row));
}

} // namespace

MapMarkerCommands::MapMarkerCommands(ToolHost &host, MapCollectionModel &maps, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_maps(maps)
{
}

void MapMarkerCommands::add(List list, const QString &mapKey) { open(list, QString(), mapKey); }

void MapMarkerCommands::edit(List list, const QString &key)
{
    if (noteFound(list, key) && m_maps.rowOfKey(list, key) >= 0)
        open(list, key, mapOf(list, key));
}

void MapMarkerCommands::editNote(const QString &key, const std::function<void(QLineEdit &)> &showNote)
{
    if (noteFound(List::Notes, key) && m_maps.rowOfKey(List::Notes, key) >= 0)
        open(List::Notes, key, mapOf(List::Notes, key), showNote);
}

void MapMarkerCommands::remove(List list, const QString &key)
{
    if (!noteFound(list, key) || m_maps.rowOfKey(list, key) < 0)
        return;
    const QString mapKey = mapOf(list, key);
    const bool removed = list == List::Players ? m_maps.RemovePlayer(key)
        : list == List::Objects                ? m_maps.RemoveObject(key)
                                               : m_maps.RemoveNote(key);
    if (removed)
        emit changed(list, mapKey);
}

void MapMarkerCommands::open(
    List list, const QString &key, const QString &mapKey, const std::function<void(QLineEdit &)> &showNote)
{
    const MapCollection &all = m_maps.collection();
    const int row = key.isEmpty() ? -1 : m_maps.rowOfKey(list, key);
    Platform &platform = m_host.platform();
    Edit result = Edit::NotFound;
    if (list == List::Players) {
        frmPlayer dialog(platform, m_host.folder(), m_host.dialogParent());
        dialog.init(all.players, all.maps, markerAt(all.players, row), mapKey);
        platform.execDialog(dialog);
        if (!dialog.cancelled())
            result = row < 0 ? m_maps.AddPlayer(dialog.GetPlayer()) : m_maps.EditPlayer(key, dialog.GetPlayer());
    } else if (list == List::Objects) {
        frmObject dialog(platform, m_host.folder(), m_host.dialogParent());
        dialog.init(all.objects, all.maps, markerAt(all.objects, row), mapKey);
        platform.execDialog(dialog);
        if (!dialog.cancelled())
            result = row < 0 ? m_maps.AddObject(dialog.GetObject()) : m_maps.EditObject(key, dialog.GetObject());
    } else {
        frmNote dialog(platform, m_host.folder(), m_host.dialogParent());
        dialog.init(all.maps, all.notes, markerAt(all.notes, row), mapKey);
        if (showNote)
            showNote(*dialog.noteField());
        platform.execDialog(dialog);
        if (!dialog.cancelled())
            result = row < 0 ? m_maps.AddNote(dialog.GetNote()) : m_maps.EditNote(key, dialog.GetNote());
    }
    report(result);
    if (result != Edit::Done)
        return;
    // An edit may move the marker to another map: both maps show again.
    const QString now = mapAt(m_maps.collection(), list, row < 0 ? m_maps.rowCount(list) - 1 : row);
    if (row >= 0 && now != mapKey)
        emit changed(list, mapKey);
    emit changed(list, now);
}

QString MapMarkerCommands::choose(List list, const QString &mapKey)
{
    const MarkerChoice choice = m_maps.ChooseMarker(list, mapKey);
    switch (choice.outcome) {
    case MarkerChoice::Outcome::None:
        m_host.platform().information(choice.messageTitle, choice.messageText);
        return {};
    case MarkerChoice::Outcome::One:
        return choice.key;
    case MarkerChoice::Outcome::Several:
        break;
    }
    frmWhichNote dialog(m_host.dialogParent());
    dialog.init(choice);
    m_host.platform().execDialog(dialog);
    return dialog.cancelled() ? QString() : dialog.GetNoteID();
}

bool MapMarkerCommands::noteFound(List list, const QString &key)
{
    if (list != List::Notes || m_maps.rowOfKey(list, key) >= 0)
        return true;
    m_host.platform().exclamation(
        MapCollectionModel::NoteSelectionErrorTitle(), MapCollectionModel::NoteSelectionErrorText());
    return false;
}

QString MapMarkerCommands::mapOf(List list, const QString &key) const
{
    const int row = m_maps.rowOfKey(list, key);
    return row < 0 ? QString() : mapAt(m_maps.collection(), list, row);
}

// The dialogs refuse names already taken; what the collection still refuses is said here.
void MapMarkerCommands::report(Edit result)
{
    QString text;
    if (result == Edit::KeyTaken)
        text = tr("There is already a marker by that name in the list.");
    else if (result == Edit::KeyEmpty)
        text = tr("A marker needs a name.");
    else if (result == Edit::ListFull)
        text = tr("The list is full: it holds at most %1 markers.").arg(MapCollectionModel::MaxRows);
    if (!text.isEmpty())
        m_host.platform().exclamation(tr("Velmora"), text);
}

} // namespace Velmora
