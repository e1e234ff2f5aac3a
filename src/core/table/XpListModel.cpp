#include "core/table/XpListModel.h"

using namespace Qt::StringLiterals;

namespace Velmora {

QString XpListModel::FrameCaption()
{
    return tr("XP");
}

QString XpListModel::DialogCaption()
{
    return tr("XP List");
}

QString XpListModel::FieldLabel(int field)
{
    switch (field) {
    case 0:
        return tr("Player name");
    case 1:
        return tr("Experience point");
    case 2:
        return tr("Extra points needed");
    default:
        return {};
    }
}

QString XpListModel::ButtonCaption(int index)
{
    switch (index) {
    case 0:
        return tr("Add");
    case 1:
        return tr("Edit");
    case 2:
        return tr("Delete");
    default:
        return {};
    }
}

QString XpListModel::DoneCaption(int index)
{
    return index == 0 ? tr("OK") : index == 1 ? tr("Cancel") : QString();
}

QString XpListModel::DuplicateNameTitle()
{
    return tr("Duplicate Name");
}

QString XpListModel::DuplicateNameMessage()
{
    return tr("The name is not unique in the list.") + u"\r\n"_s + tr("Please modify it.");
}

bool XpListModel::AcceptsPointsCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'\b' || c == u'\r';
}

bool XpListModel::CanAccept(const QString &name, const QString &xp, const QString &needed)
{
    return !name.trimmed().isEmpty() && !xp.trimmed().isEmpty() && !needed.trimmed().isEmpty();
}

XpListModel::XpListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void XpListModel::setRows(const QList<XpRow> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

bool XpListModel::isNameTaken(const QString &name, int exceptRow) const
{
    const QString upper = name.toUpper();
    for (int i = 0; i < m_rows.size(); ++i) {
        if (i != exceptRow && m_rows.at(i).name.toUpper() == upper)
            return true;
    }
    return false;
}

// Points are digits as typed, but a name may be pasted: a ";" in it would split the campaign's
// item into four fields, so it goes, as every other free-text field of a record drops it.
XpRow XpListModel::cleaned(const XpRow &row)
{
    const auto clean = [](const QString &text) { return QString(text).remove(u';').trimmed(); };
    return XpRow{clean(row.name), clean(row.xp), clean(row.needed)};
}

bool XpListModel::add(const XpRow &row)
{
    const XpRow clean = cleaned(row);
    if (m_rows.size() >= MaxRows || isNameTaken(clean.name))
        return false;
    const int at = int(m_rows.size());
    beginInsertRows({}, at, at);
    m_rows.append(clean);
    endInsertRows();
    return true;
}

bool XpListModel::replace(int row, const XpRow &values)
{
    const XpRow clean = cleaned(values);
    if (row < 0 || row >= m_rows.size() || isNameTaken(clean.name, row))
        return false;
    m_rows[row] = clean;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    return true;
}

void XpListModel::remove(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

int XpListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int XpListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant XpListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const XpRow &row = m_rows.at(index.row());
    switch (index.column()) {
    case 0:
        return row.name;
    case 1:
        return row.xp;
    case 2:
        return row.needed;
    default:
        return {};
    }
}

QVariant XpListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return tr("Character name");
    case 1:
        return tr("Current XP");
    case 2:
        return tr("XP needed for next level up");
    default:
        return {};
    }
}

} // namespace Velmora
