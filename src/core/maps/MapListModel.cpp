#include "core/maps/MapListModel.h"

#include "core/common/NumberText.h"

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QString flag(bool value) { return value ? u"TRUE"_s : u"FALSE"_s; }

QStringList mapTexts(const MapEntry &map)
{
    const MapRecord &r = map.record;
    return { map.name, r.picturePath, r.fitted ? u"FITTED"_s : u"FULL"_s, QString::number(r.gridX),
        QString::number(r.gridY), QString::number(r.gridColour), r.navX, r.navY, flag(r.gridVisible),
        flag(r.playersVisible), flag(r.notesVisible) };
}

} // namespace

MapListModel::MapListModel(MapCollectionModel *maps, List list, QObject *parent)
    : QAbstractTableModel(parent)
    , m_maps(maps)
    , m_list(list)
{
    follow();
}

// The first header of the map list is ours to name: the other lists head their text column
// with what the row text is.
QStringList MapListModel::headers(List list)
{
    switch (list) {
    case List::Maps:
        return { tr("Map name"), u"path"_s, u"Status"_s, u"GridX"_s, u"GridY"_s, u"GridColour"_s, u"NavigX"_s,
            u"NavigY"_s, u"gridvisible"_s, u"playersvisible"_s, u"notesvisible"_s };
    case List::Players:
        return { tr("Player name"), u"MapID"_s, u"PosX"_s, u"PosY"_s, u"Symbol"_s, u"Movable"_s };
    case List::Objects:
        return { tr("Object name"), u"MapID"_s, u"PosX"_s, u"PosY"_s, u"Symbol"_s, u"Movable"_s };
    case List::Notes:
        return { u"content"_s, u"whichmap"_s, u"symbol"_s, u"posX"_s, u"posY"_s };
    }
    return {};
}

QStringList MapListModel::rowTexts(const MapCollection &collection, List list, int row)
{
    const auto position = [](float value) { return NumberText::single(value); };
    switch (list) {
    case List::Maps:
        return mapTexts(collection.maps.at(row));
    case List::Players: {
        const PlayerMarker &p = collection.players.at(row);
        return { p.name, p.mapKey, position(p.x), position(p.y), p.icon, QString() }; // players are always movable
    }
    case List::Objects: {
        const ObjectMarker &o = collection.objects.at(row);
        return { o.name, o.mapKey, position(o.x), position(o.y), o.icon, flag(o.movable) };
    }
    case List::Notes: {
        const NoteMarker &n = collection.notes.at(row);
        return { n.content, n.mapKey, n.icon, position(n.x), position(n.y) };
    }
    }
    return {};
}

void MapListModel::follow()
{
    const auto mine = [this](List list) { return list == m_list; };
    connect(m_maps, &MapCollectionModel::aboutToInsert, this, [=, this](List list, int row) {
        if (mine(list))
            beginInsertRows({}, row, row);
    });
    connect(m_maps, &MapCollectionModel::inserted, this, [=, this](List list) {
        if (mine(list))
            endInsertRows();
    });
    connect(m_maps, &MapCollectionModel::aboutToRemove, this, [=, this](List list, int row) {
        if (mine(list))
            beginRemoveRows({}, row, row);
    });
    connect(m_maps, &MapCollectionModel::removed, this, [=, this](List list) {
        if (mine(list))
            endRemoveRows();
    });
    connect(m_maps, &MapCollectionModel::rowChanged, this, [=, this](List list, int row) {
        if (mine(list))
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(m_maps, &MapCollectionModel::aboutToReset, this, [this] { beginResetModel(); });
    connect(m_maps, &MapCollectionModel::wasReset, this, [this] { endResetModel(); });
}

int MapListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_maps ? 0 : m_maps->rowCount(m_list);
}

int MapListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(headers(m_list).size());
}

QVariant MapListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::CheckStateRole && m_list == List::Maps && index.column() == 0)
        return m_maps->collection().maps.at(index.row()).record.fitted ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole)
        return {};
    return rowTexts(m_maps->collection(), m_list, index.row()).value(index.column());
}

QVariant MapListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return headers(m_list).value(section);
}

Qt::ItemFlags MapListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && m_list == List::Maps && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool MapListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::CheckStateRole || m_list != List::Maps
        || index.column() != 0)
        return false;
    return m_maps->SetFitted(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
}

} // namespace Velmora
