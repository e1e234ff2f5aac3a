#pragma once

#include "core/maps/MapCollection.h"
#include "core/maps/MapMenuState.h"
#include "core/maps/MapViewContent.h"
#include "core/maps/MarkerChoice.h"
#include "core/maps/oGrid.h"

#include <QObject>
#include <QString>

namespace Velmora {

/// The campaign's map collection and its rules: lookups by key, adding, editing and removing maps
/// and markers, moved markers, visibility, what each map view and menu is given. One object is
/// shared by the window, its four list views (MapListModel) and the dialogs.
///
/// Changes: every operation that succeeds (returns Done or true) changes campaign data and emits
/// modified(); setCollection() (a load) does not. Marker moves, visibility toggles, the
/// fitted/full check mark and the removal of an object count too, on purpose (older versions let
/// them pass): they change what the campaign file stores, and closing the program must save them
/// or ask, never drop a moved marker silently.
///
/// The row signals (aboutToInsert ... wasReset) let the list models follow every change.
class MapCollectionModel : public QObject
{
    Q_OBJECT

public:
    enum class List { Maps, Players, Objects, Notes };
    enum class Edit { Done, NotFound, KeyEmpty, KeyTaken, ListFull };
    /// Counts are 16-bit signed.
    static constexpr int MaxRows = 32767;

    explicit MapCollectionModel(QObject *parent = nullptr);

    const MapCollection &collection() const { return m_collection; }
    /// A load: replaces everything, kept as it comes (a key met twice stays; lookups find the
    /// first), and is not a change.
    void setCollection(const MapCollection &collection);
    /// An import: replaces everything and is a change.
    void importCollection(const MapCollection &collection);

    int rowCount(List list) const;
    QString key(List list, int row) const;
    /// The first row with exactly this key, -1 if none.
    int rowOfKey(List list, const QString &key) const;
    /// The map key a dialog's map choice stands for (the dialogs list map names; markers store
    /// keys): the first map named `mapText`, else the map keyed so, else its base name.
    QString mapKeyOfChoice(const QString &mapText) const;
    /// The display name of the map keyed `mapKey`; the key itself when no map has it.
    QString mapNameOfKey(const QString &mapKey) const;

    /// Add map: fitted, players and notes not visible, no navigation position.
    Edit AddMap(const QString &key, const QString &name, const QString &path, const oGrid &grid, bool gridVisible);
    /// Edit map: name, path, grid and grid visibility; the key stays.
    Edit EditMap(int row, const QString &name, const QString &path, const oGrid &grid, bool gridVisible);
    /// Leaves the map's markers in their lists.
    bool RemoveMap(int row);
    /// The row's check mark: true "FITTED", false "FULL".
    bool SetFitted(int row, bool fitted);
    bool SetGridVisible(int row, bool visible);
    bool SetPlayersVisible(int row, bool visible);
    bool SetNotesVisible(int row, bool visible);
    oGrid gridOf(int row) const;

    /// Adds take a marker as its dialog gives it: its map field holds the dialog's map choice
    /// (mapKeyOfChoice). Player names are unique among players, object names among objects, note
    /// IDs among notes. ";" is dropped from names and note texts: it would split the stored item.
    Edit AddPlayer(const oPlayer &player);
    Edit AddObject(const oObject &object);
    Edit AddNote(const oNote &note);
    /// Edits rename the row (players, objects: key and text become the new name; a note keeps its
    /// ID and takes the new text) and rewrite its map, position and icon.
    Edit EditPlayer(const QString &key, const oPlayer &player);
    Edit EditObject(const QString &key, const oObject &object);
    Edit EditNote(const QString &key, const oNote &note);
    bool RemovePlayer(const QString &key);
    bool RemoveObject(const QString &key);
    bool RemoveNote(const QString &key);

    /// A marker dragged to (x, y) in picture units: stored rounded to whole numbers, half to even.
    /// False (nothing changed) for an unknown key or the position it already has.
    bool PlayerMoved(const QString &key, double x, double y) { return MarkerMoved(List::Players, key, x, y); }
    bool ObjectMoved(const QString &key, double x, double y) { return MarkerMoved(List::Objects, key, x, y); }
    bool NoteMoved(const QString &key, double x, double y) { return MarkerMoved(List::Notes, key, x, y); }
    bool MarkerMoved(List list, const QString &key, double x, double y);

    /// The markers whose map is exactly `mapKey`, in list order.
    QList<oPlayer> CollectPlayers(const QString &mapKey) const;
    QList<oObject> CollectObjects(const QString &mapKey) const;
    QList<oNote> CollectNotes(const QString &mapKey) const;
    /// The first of "_1", "_2", "_3", ... that is no note's ID.
    QString NewNoteID() const;
    /// Counts the markers of `list` (Players, Objects or Notes) on the map `mapKey`.
    MarkerChoice ChooseMarker(List list, const QString &mapKey) const;
    /// What the view of map `row` is given.
    MapViewContent viewContent(int row) const;

    MapMenuState menuState(bool mapSelected) const;
    MapPopupState popupState(int row) const;

    /// The message for a note key that is not in the list when editing or removing.
    static QString NoteSelectionErrorTitle();
    static QString NoteSelectionErrorText();

    /// Rounds half to even: 2.5 gives 2, 3.5 gives 4, -0.5 gives 0.
    static double roundHalfEven(double value);

signals:
    void modified();
    void aboutToInsert(Velmora::MapCollectionModel::List list, int row);
    void inserted(Velmora::MapCollectionModel::List list);
    void aboutToRemove(Velmora::MapCollectionModel::List list, int row);
    void removed(Velmora::MapCollectionModel::List list);
    void rowChanged(Velmora::MapCollectionModel::List list, int row);
    void aboutToReset();
    void wasReset();

private:
    template <typename Marker> Edit addMarker(List list, QList<Marker> &rows, Marker marker);
    template <typename Marker> Edit editMarker(List list, QList<Marker> &rows, const QString &key, Marker marker);
    template <typename Marker> bool removeMarker(List list, QList<Marker> &rows, const QString &key);
    bool setMapFlag(int row, bool MapRecord::*flag, bool value);
    void changed(List list, int row);

    MapCollection m_collection;
};

} // namespace Velmora
