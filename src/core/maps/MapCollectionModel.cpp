#include "core/maps/MapCollectionModel.h"

#include "core/maps/NoteKeys.h"

#include <cmath>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QString &keyOf(const MapEntry &map) { return map.key; }
const QString &keyOf(const PlayerMarker &player) { return player.name; }
const QString &keyOf(const ObjectMarker &object) { return object.name; }
const QString &keyOf(const NoteMarker &note) { return note.key; }
const QString &textOf(const PlayerMarker &player) { return player.name; }
const QString &textOf(const ObjectMarker &object) { return object.name; }
const QString &textOf(const NoteMarker &note) { return note.content; }

// A ";" would split the marker's stored item. Names are keys: a name with blanks around it would
// be a second player the list shows like the first.
void clean(PlayerMarker &player) { player.name = player.name.remove(u';').trimmed(); }
void clean(ObjectMarker &object) { object.name = object.name.remove(u';').trimmed(); }
void clean(NoteMarker &note) { note.content.remove(u';'); }

template <typename Row> int findKey(const QList<Row> &rows, const QString &key, int exceptRow = -1)
{
    for (int i = 0; i < rows.size(); ++i) {
        if (i != exceptRow && keyOf(rows.at(i)) == key)
            return i;
    }
    return -1;
}

template <typename Marker> QList<Marker> onMap(const QList<Marker> &rows, const QString &mapKey)
{
    QList<Marker> found;
    for (const Marker &marker : rows) {
        if (marker.mapKey == mapKey)
            found.append(marker);
    }
    return found;
}

} // namespace

MapCollectionModel::MapCollectionModel(QObject *parent)
    : QObject(parent)
{
}

void MapCollectionModel::setCollection(const MapCollection &collection)
{
    emit aboutToReset();
    m_collection = collection;
    emit wasReset();
}

void MapCollectionModel::importCollection(const MapCollection &collection)
{
    setCollection(collection);
    emit modified();
}

int MapCollectionModel::rowCount(List list) const
{
    switch (list) {
    case List::Maps:
        return int(m_collection.maps.size());
    case List::Players:
        return int(m_collection.players.size());
    case List::Objects:
        return int(m_collection.objects.size());
    case List::Notes:
        return int(m_collection.notes.size());
    }
    return 0;
}

QString MapCollectionModel::key(List list, int row) const
{
    if (row < 0 || row >= rowCount(list))
        return {};
    switch (list) {
    case List::Maps:
        return m_collection.maps.at(row).key;
    case List::Players:
        return m_collection.players.at(row).name;
    case List::Objects:
        return m_collection.objects.at(row).name;
    case List::Notes:
        return m_collection.notes.at(row).key;
    }
    return {};
}

int MapCollectionModel::rowOfKey(List list, const QString &key) const
{
    switch (list) {
    case List::Maps:
        return findKey(m_collection.maps, key);
    case List::Players:
        return findKey(m_collection.players, key);
    case List::Objects:
        return findKey(m_collection.objects, key);
    case List::Notes:
        return findKey(m_collection.notes, key);
    }
    return -1;
}

// The dialogs show map names and give back the chosen name. Its base name as the key would lose
// a map whose name differs from its key or holds a "."; so the name is looked up first, and the
// base name serves only for a choice that names no map.
QString MapCollectionModel::mapKeyOfChoice(const QString &mapText) const
{
    for (const MapEntry &map : m_collection.maps) {
        if (map.name == mapText)
            return map.key;
    }
    if (findKey(m_collection.maps, mapText) >= 0)
        return mapText;
    return MapRecord::FileBaseName(mapText);
}

QString MapCollectionModel::mapNameOfKey(const QString &mapKey) const
{
    const int row = findKey(m_collection.maps, mapKey);
    return row < 0 ? mapKey : m_collection.maps.at(row).name;
}

MapCollectionModel::Edit MapCollectionModel::AddMap(
    const QString &key, const QString &name, const QString &path, const oGrid &grid, bool gridVisible)
{
    if (key.isEmpty())
        return Edit::KeyEmpty;
    if (findKey(m_collection.maps, key) >= 0)
        return Edit::KeyTaken;
    if (m_collection.maps.size() >= MaxRows)
        return Edit::ListFull;
    MapRecord record;
    record.picturePath = path;
    record.fitted = true;
    record.gridVisible = gridVisible;
    record.gridX = grid.X;
    record.gridY = grid.Y;
    record.gridColour = grid.Colour;
    const int row = int(m_collection.maps.size());
    emit aboutToInsert(List::Maps, row);
    m_collection.maps.append(MapEntry { key, name.trimmed(), record });
    emit inserted(List::Maps);
    emit modified();
    return Edit::Done;
}

MapCollectionModel::Edit MapCollectionModel::EditMap(
    int row, const QString &name, const QString &path, const oGrid &grid, bool gridVisible)
{
    if (row < 0 || row >= m_collection.maps.size())
        return Edit::NotFound;
    MapEntry &map = m_collection.maps[row];
    map.name = name.trimmed();
    map.record.picturePath = path;
    map.record.gridVisible = gridVisible;
    map.record.gridX = grid.X;
    map.record.gridY = grid.Y;
    map.record.gridColour = grid.Colour;
    changed(List::Maps, row);
    return Edit::Done;
}

bool MapCollectionModel::RemoveMap(int row)
{
    if (row < 0 || row >= m_collection.maps.size())
        return false;
    emit aboutToRemove(List::Maps, row);
    m_collection.maps.removeAt(row);
    emit removed(List::Maps);
    emit modified();
    return true;
}

// The check mark is stored with the map, so it counts as a change like the other flags.
bool MapCollectionModel::SetFitted(int row, bool fitted) { return setMapFlag(row, &MapRecord::fitted, fitted); }

bool MapCollectionModel::SetGridVisible(int row, bool visible)
{
    return setMapFlag(row, &MapRecord::gridVisible, visible);
}

bool MapCollectionModel::SetPlayersVisible(int row, bool visible)
{
    return setMapFlag(row, &MapRecord::playersVisible, visible);
}

bool MapCollectionModel::SetNotesVisible(int row, bool visible)
{
    return setMapFlag(row, &MapRecord::notesVisible, visible);
}

bool MapCollectionModel::setMapFlag(int row, bool MapRecord::*flag, bool value)
{
    if (row < 0 || row >= m_collection.maps.size())
        return false;
    m_collection.maps[row].record.*flag = value;
    changed(List::Maps, row);
    return true;
}

oGrid MapCollectionModel::gridOf(int row) const
{
    if (row < 0 || row >= m_collection.maps.size())
        return {};
    const MapRecord &record = m_collection.maps.at(row).record;
    return oGrid { record.gridX, record.gridY, record.gridColour };
}

template <typename Marker>
MapCollectionModel::Edit MapCollectionModel::addMarker(List list, QList<Marker> &rows, Marker marker)
{
    clean(marker);
    marker.mapKey = mapKeyOfChoice(marker.mapKey);
    if (keyOf(marker).isEmpty())
        return Edit::KeyEmpty;
    if (findKey(rows, keyOf(marker)) >= 0)
        return Edit::KeyTaken;
    if (rows.size() >= MaxRows)
        return Edit::ListFull;
    emit aboutToInsert(list, int(rows.size()));
    rows.append(marker);
    emit inserted(list);
    emit modified();
    return Edit::Done;
}

template <typename Marker>
MapCollectionModel::Edit MapCollectionModel::editMarker(
    List list, QList<Marker> &rows, const QString &key, Marker marker)
{
    const int row = findKey(rows, key);
    if (row < 0)
        return Edit::NotFound;
    clean(marker);
    marker.mapKey = mapKeyOfChoice(marker.mapKey);
    if constexpr (std::is_same_v<Marker, NoteMarker>)
        marker.key = key;
    if (keyOf(marker).isEmpty())
        return Edit::KeyEmpty;
    if (findKey(rows, keyOf(marker), row) >= 0)
        return Edit::KeyTaken;
    rows[row] = marker;
    changed(list, row);
    return Edit::Done;
}

template <typename Marker> bool MapCollectionModel::removeMarker(List list, QList<Marker> &rows, const QString &key)
{
    const int row = findKey(rows, key);
    if (row < 0)
        return false;
    emit aboutToRemove(list, row);
    rows.removeAt(row);
    emit removed(list);
    emit modified();
    return true;
}

MapCollectionModel::Edit MapCollectionModel::AddPlayer(const oPlayer &player)
{
    return addMarker(List::Players, m_collection.players, player);
}

MapCollectionModel::Edit MapCollectionModel::AddObject(const oObject &object)
{
    return addMarker(List::Objects, m_collection.objects, object);
}

MapCollectionModel::Edit MapCollectionModel::AddNote(const oNote &note)
{
    return addMarker(List::Notes, m_collection.notes, note);
}

MapCollectionModel::Edit MapCollectionModel::EditPlayer(const QString &key, const oPlayer &player)
{
    return editMarker(List::Players, m_collection.players, key, player);
}

MapCollectionModel::Edit MapCollectionModel::EditObject(const QString &key, const oObject &object)
{
    return editMarker(List::Objects, m_collection.objects, key, object);
}

MapCollectionModel::Edit MapCollectionModel::EditNote(const QString &key, const oNote &note)
{
    return editMarker(List::Notes, m_collection.notes, key, note);
}

bool MapCollectionModel::RemovePlayer(const QString &key)
{
    return removeMarker(List::Players, m_collection.players, key);
}

// Removing an object is a change like removing a player or a note: the campaign file loses it.
bool MapCollectionModel::RemoveObject(const QString &key)
{
    return removeMarker(List::Objects, m_collection.objects, key);
}

bool MapCollectionModel::RemoveNote(const QString &key) { return removeMarker(List::Notes, m_collection.notes, key); }

bool MapCollectionModel::MarkerMoved(List list, const QString &key, double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    const float newX = float(roundHalfEven(x));
    const float newY = float(roundHalfEven(y));
    const auto move = [&](auto &rows) {
        const int row = findKey(rows, key);
        if (row < 0 || (rows.at(row).x == newX && rows.at(row).y == newY))
            return -1;
        rows[row].x = newX;
        rows[row].y = newY;
        return row;
    };
    const int row = list == List::Players ? move(m_collection.players)
        : list == List::Objects           ? move(m_collection.objects)
        : list == List::Notes             ? move(m_collection.notes)
                                          : -1;
    if (row < 0)
        return false;
    changed(list, row);
    return true;
}

QList<oPlayer> MapCollectionModel::CollectPlayers(const QString &mapKey) const
{
    return onMap(m_collection.players, mapKey);
}

QList<oObject> MapCollectionModel::CollectObjects(const QString &mapKey) const
{
    return onMap(m_collection.objects, mapKey);
}

QList<oNote> MapCollectionModel::CollectNotes(const QString &mapKey) const { return onMap(m_collection.notes, mapKey); }

QString MapCollectionModel::NewNoteID() const
{
    return NoteKeys::NewNoteID(m_collection.notes);
}

MarkerChoice MapCollectionModel::ChooseMarker(List list, const QString &mapKey) const
{
    MarkerChoice choice;
    const auto gather = [&](const auto &rows) {
        for (const auto &marker : onMap(rows, mapKey))
            choice.candidates.append({ keyOf(marker), textOf(marker) });
    };
    if (list == List::Players)
        gather(m_collection.players);
    else if (list == List::Objects)
        gather(m_collection.objects);
    else if (list == List::Notes)
        gather(m_collection.notes);

    if (choice.candidates.isEmpty()) {
        choice.messageTitle = tr("Velmora");
        choice.messageText = list == List::Players ? tr("There are no players linked to this map.")
            : list == List::Objects                ? tr("There are no objects linked to this map.")
                                                   : tr("There are no notes linked to this map.");
    } else if (choice.candidates.size() == 1) {
        choice.outcome = MarkerChoice::Outcome::One;
        choice.key = choice.candidates.first().first;
    } else {
        choice.outcome = MarkerChoice::Outcome::Several;
        choice.windowTitle = list == List::Notes ? tr("Note Selection") : tr("Player Selection");
        choice.columnHeader = list == List::Notes ? tr("Mote") : tr("Player name");
    }
    return choice;
}

MapViewContent MapCollectionModel::viewContent(int row) const
{
    MapViewContent content;
    if (row < 0 || row >= m_collection.maps.size())
        return content;
    const MapEntry &map = m_collection.maps.at(row);
    content.path = map.record.picturePath;
    content.mode = map.record.fitted ? 2 : 0;
    content.gridVisible = map.record.gridVisible;
    content.grid = gridOf(row);
    if (map.record.playersVisible)
        content.players = CollectPlayers(map.key);
    content.objects = CollectObjects(map.key);
    if (map.record.notesVisible)
        content.notes = CollectNotes(map.key);
    return content;
}

MapMenuState MapCollectionModel::menuState(bool mapSelected) const
{
    return MapMenuState::UpdateMapMenus(
        rowCount(List::Maps), mapSelected, rowCount(List::Players), rowCount(List::Objects), rowCount(List::Notes));
}

MapPopupState MapCollectionModel::popupState(int row) const
{
    MapPopupState state;
    if (row < 0 || row >= m_collection.maps.size())
        return state;
    const MapEntry &map = m_collection.maps.at(row);
    state.gridChecked = map.record.gridVisible;
    state.playersEnabled = !onMap(m_collection.players, map.key).isEmpty();
    state.playersChecked = state.playersEnabled && map.record.playersVisible;
    state.notesEnabled = !onMap(m_collection.notes, map.key).isEmpty();
    state.notesChecked = state.notesEnabled && map.record.notesVisible;
    return state;
}

QString MapCollectionModel::NoteSelectionErrorTitle() { return tr("Note Selection Error"); }

QString MapCollectionModel::NoteSelectionErrorText()
{
    return tr("There was an error in selecting the note.") + u"\r\n"_s + tr("Try again.");
}

double MapCollectionModel::roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double rest = value - down;
    const bool up = rest > 0.5 || (rest == 0.5 && std::fmod(down, 2.0) != 0.0);
    return (up ? down + 1.0 : down) + 0.0; // + 0.0 turns -0 into 0
}

void MapCollectionModel::changed(List list, int row)
{
    emit rowChanged(list, row);
    emit modified();
}

} // namespace Velmora
