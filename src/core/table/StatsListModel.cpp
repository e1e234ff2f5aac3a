#include "core/table/StatsListModel.h"

#include <array>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

bool isColumn(int column)
{
    return column >= 0 && column < StatsRow::Count;
}

bool isInPlaceColumn(int column)
{
    return column >= StatsListModel::FirstInPlaceColumn && column <= StatsListModel::LastInPlaceColumn;
}

} // namespace

QString StatsListModel::Header(int column)
{
    static const std::array<const char *, StatsRow::Count> headers = {"Character name", "Class and level", "ECL",
        "Size", "Gender", "Alignement", "Religion / Patron deity", "Height", "Weight", "Race", "STR", "DEX", "CON",
        "INT", "WIS", "CHA", "HP", "SPEED", "Init mod", "Fort", "Reflex", "Will", "AC"};
    return isColumn(column) ? tr(headers[size_t(column)]) : QString();
}

QString StatsListModel::FieldLabel(int field)
{
    static const std::array<const char *, StatsRow::Count - 1> labels = {"Character name:", "Class and Level:",
        "ECL:", "Size:", "Gender:", "Alignment:", "Religion / Patron deity:", "Height:", "Weight:", "Race:", "STR:",
        "DEX:", "CON:", "INT:", "WIS:", "CHA:", "Hit points:", "Speed:", "Initiative modifier:", "Fortitude:",
        "Reflex:", "Will:"};
    return field >= 0 && field < int(labels.size()) ? tr(labels[size_t(field)]) : QString();
}

QString StatsListModel::FrameCaption(int frame)
{
    static const std::array<const char *, 5> frames
        = {" Basic Data  ", " Ability Score ", " Saving Throws ", " Combat Options ", " Armour Class "};
    return frame >= 0 && frame < int(frames.size()) ? tr(frames[size_t(frame)]) : QString();
}

QString StatsListModel::MenuTitle()
{
    return tr("Statistics");
}

QString StatsListModel::MenuCaption(int index)
{
    switch (index) {
    case 0:
        return tr("Show columns");
    case 2:
        return tr("Add");
    case 3:
        return tr("Edit");
    case 4:
        return tr("Remove");
    case 6:
        return tr("Import");
    case 7:
        return tr("Export");
    default:
        return {};
    }
}

QString StatsListModel::DuplicateNameTitle()
{
    return tr("Duplicate Name");
}

QString StatsListModel::DuplicateNameQuestion()
{
    return tr("Duplicate Player name.") + u"\r\n"_s + tr("Do you whish to change the name ?");
}

QString StatsListModel::Cleaned(const QString &text)
{
    return QString(text).remove(u';');
}

// The campaign joins a character's values with ";", so none may hold one, whatever the
// dialog let through (a paste).
StatsRow StatsListModel::cleaned(const StatsRow &row) const
{
    QStringList values = row.values();
    for (QString &value : values)
        value.remove(u';');
    return StatsRow::fromValues(values);
}

StatsListModel::StatsListModel(QObject *parent)
    : NamedRowList(parent)
{
}

// Rows past the 32767 a list can hold are counted, not added.
StatsListModel::ImportCount StatsListModel::importRows(const QList<StatsRow> &rows)
{
    ImportCount count;
    for (const StatsRow &row : rows) {
        if (isNameTaken(row.name))
            ++count.duplicates;
        else if (add(row))
            ++count.added;
        else
            ++count.overLimit;
    }
    return count;
}

int StatsListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : StatsRow::Count;
}

QVariant StatsListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || !isColumn(index.column())
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_rows.at(index.row()).values().at(index.column());
}

QVariant StatsListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return Header(section);
}

Qt::ItemFlags StatsListModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.isValid() && isInPlaceColumn(index.column()) ? base | Qt::ItemIsEditable : base;
}

bool StatsListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= m_rows.size() || !isInPlaceColumn(index.column()))
        return false;
    QStringList values = m_rows.at(index.row()).values();
    values[index.column()] = Cleaned(value.toString());
    m_rows[index.row()] = StatsRow::fromValues(values);
    emit dataChanged(index, index);
    return true;
}

} // namespace Velmora
