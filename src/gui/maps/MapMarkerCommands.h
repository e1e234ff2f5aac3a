#pragma once

#include "core/maps/MapCollectionModel.h"

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

namespace Velmora {

class ToolHost;

/// Adding, editing and removing player, object and note markers through their dialogs, and the
/// choice of the marker a Maps menu command acts on (ChooseMarker). The collection counts every
/// change; the owner shows the changed map again when told.
class MapMarkerCommands : public QObject
{
    Q_OBJECT

public:
    using List = MapCollectionModel::List;

    MapMarkerCommands(ToolHost &host, MapCollectionModel &maps, QObject *parent = nullptr);

    /// The marker under the pointer when its pop-up menu opened.
    void setMenuCaller(const QString &key) { m_menuCaller = key; }
    const QString &menuCaller() const { return m_menuCaller; }

    /// A new marker of `list`'s kind, its dialog starting on the map `mapKey`.
    void add(List list, const QString &mapKey);
    void edit(List list, const QString &key);
    /// edit() on a note, whose text box `showNote` gets before the dialog shows.
    void editNote(const QString &key, const std::function<void(QLineEdit &)> &showNote);
    void remove(List list, const QString &key);
    /// ChooseMarker on the map `mapKey`: the only marker of the kind there, or the one the user
    /// picks among several; "" after the "no markers" message or a cancelled choice.
    QString choose(List list, const QString &mapKey);

signals:
    /// Markers of `list` on the map `mapKey` were added, edited or removed.
    void changed(Velmora::MapCollectionModel::List list, const QString &mapKey);

private:
    /// The dialog of `list`'s kind on the marker `key` ("" for a new one on the map `mapKey`).
    void open(List list, const QString &key, const QString &mapKey,
        const std::function<void(QLineEdit &)> &showNote = {});
    /// The note-selection error for a note key not in the list; true when the key is there.
    bool noteFound(List list, const QString &key);
    QString mapOf(List list, const QString &key) const;
    void report(MapCollectionModel::Edit result);

    ToolHost &m_host;
    MapCollectionModel &m_maps;
    QString m_menuCaller;
};

} // namespace Velmora
