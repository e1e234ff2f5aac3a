#pragma once

#include "core/maps/MapCollectionModel.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

namespace Velmora {

/// One of the four map lists as a table the window shows (lsvMaps, lsvPlayers, lsvObjects,
/// lsvNotes): column 0 the row's text, then its sub-items, all as text. The rows are those of the
/// shared collection, and the table follows every change made through it. The map list's rows
/// carry a check mark, checked for "FITTED"; setting it goes through the collection's rules.
class MapListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using List = MapCollectionModel::List;

    MapListModel(MapCollectionModel *maps, List list, QObject *parent = nullptr);

    /// The column headers: "path", "Status", "GridX", ... after the text's for maps; "MapID",
    /// "PosX", "PosY", "Symbol", "Movable" for players and objects; "whichmap", "symbol", "posX",
    /// "posY" for notes.
    static QStringList headers(List list);
    /// The texts of one row, column by column.
    static QStringList rowTexts(const MapCollection &collection, List list, int row);

    List list() const { return m_list; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    void follow();

    QPointer<MapCollectionModel> m_maps;
    List m_list;
};

} // namespace Velmora
