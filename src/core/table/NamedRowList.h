#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace Velmora {

/// The rows of a list whose names are unique (the XP and the statistics lists) as a table model:
/// loading, adding, replacing and removing rows. A subclass says how two names compare and what
/// of a row the list keeps.
template<typename Row>
class NamedRowList : public QAbstractTableModel
{
public:
    static constexpr int MaxRows = 32767;

    using QAbstractTableModel::QAbstractTableModel;

    /// The campaign's list, as loaded (nothing is checked: a campaign keeps what it has).
    void setRows(const QList<Row> &rows)
    {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }
    const QList<Row> &rows() const { return m_rows; }

    /// Whether another row (not `exceptRow`) has `name`.
    bool isNameTaken(const QString &name, int exceptRow = -1) const
    {
        for (int i = 0; i < m_rows.size(); ++i) {
            if (i != exceptRow && sameName(m_rows.at(i).name, name))
                return true;
        }
        return false;
    }
    /// "Add": appends the row as the list keeps it, unless its name is taken or the list is
    /// full; false then, nothing added.
    bool add(const Row &row)
    {
        const Row clean = cleaned(row);
        if (m_rows.size() >= MaxRows || isNameTaken(clean.name))
            return false;
        const int at = int(m_rows.size());
        beginInsertRows({}, at, at);
        m_rows.append(clean);
        endInsertRows();
        return true;
    }
    /// "Edit": replaces row `row` unless its new name is another row's; false then.
    bool replace(int row, const Row &values)
    {
        const Row clean = cleaned(values);
        if (row < 0 || row >= m_rows.size() || isNameTaken(clean.name, row))
            return false;
        m_rows[row] = clean;
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return true;
    }
    /// "Delete" / "Remove".
    void remove(int row)
    {
        if (row < 0 || row >= m_rows.size())
            return;
        beginRemoveRows({}, row, row);
        m_rows.removeAt(row);
        endRemoveRows();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }

protected:
    virtual bool sameName(const QString &listed, const QString &name) const = 0;
    /// What the list keeps of a row from the dialog.
    virtual Row cleaned(const Row &row) const = 0;

    QList<Row> m_rows;
};

} // namespace Velmora
