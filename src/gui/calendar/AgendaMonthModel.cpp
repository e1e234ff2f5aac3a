#include "gui/calendar/AgendaMonthModel.h"

#include "core/calendar/AgendaBook.h"

using namespace Qt::StringLiterals;

namespace Velmora {

AgendaMonthModel::AgendaMonthModel(AgendaBook &book, int month, bool showMoons, const QList<QPixmap> &pictures,
                                   QObject *parent)
    : QAbstractTableModel(parent)
    , m_book(book)
    , m_month(month)
    , m_moonColumns(showMoons ? int(book.Moons().size()) : 0)
    , m_pictures(pictures)
{
}

int AgendaMonthModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_book.RowCount(m_month);
}

int AgendaMonthModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FirstMoonColumn + m_moonColumns;
}

QVariant AgendaMonthModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int day = index.row() + 1;
    switch (index.column()) {
    case DateColumn:
        return role == Qt::DisplayRole ? QVariant(QString::number(day)) : QVariant();
    case EventsColumn:
        if (role == Qt::EditRole)
            return m_book.Text(m_month, day);
        if (role == Qt::DisplayRole) {
            // Texts keep CR LF line breaks; a lone CR would show as a box.
            QString text = m_book.Text(m_month, day);
            return text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
        }
        return {};
    default:
        if (role != Qt::DecorationRole)
            return {};
        const int phase = m_book.PhaseAt(index.column() - FirstMoonColumn, m_month, day);
        return phase >= 1 && phase <= m_pictures.size() ? QVariant(m_pictures.at(phase - 1)) : QVariant();
    }
}

QVariant AgendaMonthModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == DateColumn)
        return tr("Date");
    if (section == EventsColumn)
        return tr("Events");
    const int moon = section - FirstMoonColumn;
    return moon >= 0 && moon < m_moonColumns ? QVariant(m_book.Moons().at(moon).MoonName()) : QVariant();
}

Qt::ItemFlags AgendaMonthModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == EventsColumn)
        result |= Qt::ItemIsEditable;
    return result;
}

bool AgendaMonthModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)
        || index.column() != EventsColumn)
        return false;
    if (!m_book.SetText(m_month, index.row() + 1, value.toString()))
        return false;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

} // namespace Velmora
