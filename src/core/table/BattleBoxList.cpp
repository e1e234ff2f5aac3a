#include "core/table/BattleBoxList.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

struct ColumnInfo
{
    QString key;
    QString header;
    int width; // twips
    QString BattleBoxEntry::*field;
};

const std::array<ColumnInfo, BattleBoxList::ColumnCount> &columns()
{
    static const std::array<ColumnInfo, BattleBoxList::ColumnCount> all = {{
        {u"turn"_s, u"Turn?"_s, 1235, nullptr},
        {u"init"_s, u"Initiative"_s, 1411, &BattleBoxEntry::initiative},
        {u"char"_s, u"Character name"_s, 3175, &BattleBoxEntry::name},
        {u"fort"_s, u"Fort"_s, 882, &BattleBoxEntry::fortitude},
        {u"ref"_s, u"Ref"_s, 882, &BattleBoxEntry::reflex},
        {u"will"_s, u"Will"_s, 882, &BattleBoxEntry::will},
        {u"spec"_s, u"Special"_s, 1940, &BattleBoxEntry::special},
        {u"spd"_s, u"spd"_s, 882, &BattleBoxEntry::speed},
        {u"ac"_s, u"Ac"_s, 882, &BattleBoxEntry::armourClass},
        {u"melle"_s, u"Melee"_s, 1411, &BattleBoxEntry::melee},
        {u"dmg1"_s, u"dmg"_s, 1411, &BattleBoxEntry::meleeDamage},
        {u"ranged"_s, u"Ranged"_s, 1411, &BattleBoxEntry::ranged},
        {u"dmg2"_s, u"dmg"_s, 1411, &BattleBoxEntry::rangedDamage},
        {u"hp"_s, u"hp"_s, 1764, &BattleBoxEntry::hitPoints},
        {u"sortkey"_s, u"sortkey"_s, 0, nullptr},
        {u"pIcon"_s, u"Player icon"_s, 0, &BattleBoxEntry::icon},
    }};
    return all;
}

bool validColumn(int column) { return column >= 0 && column < BattleBoxList::ColumnCount; }

bool isEditable(int column) { return column >= BattleBoxList::Initiative && column <= BattleBoxList::HitPoints; }

QString trimmedOfBlanks(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == u' ')
        ++start;
    while (end > start && text.at(end - 1) == u' ')
        --end;
    return text.mid(start, end - start).toString();
}

// The copy number of a name: the text between its last "(" and a ")" after it. Anything that
// is not a 16-bit whole number there (a name typed into an older file, "Orc (x)") contributes
// no number, so replication goes on from the numbers that are there.
std::optional<int> copyNumber(const QString &name)
{
    const qsizetype open = name.lastIndexOf(u'(');
    const qsizetype close = name.lastIndexOf(u')');
    if (open < 0 || close < open)
        return std::nullopt;
    bool ok = false;
    const short number = QStringView(name).mid(open + 1, close - open - 1).trimmed().toShort(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

} // namespace

QString BattleBoxList::columnKey(int column) { return validColumn(column) ? columns()[column].key : QString(); }

QString BattleBoxList::columnHeader(int column) { return validColumn(column) ? columns()[column].header : QString(); }

int BattleBoxList::defaultWidth(int column) { return validColumn(column) ? columns()[column].width : 0; }

QString BattleBoxList::text(const BattleBoxEntry &entry, int column)
{
    if (column == SortKey)
        return entry.sortKey();
    if (!validColumn(column) || !columns()[column].field)
        return QString();
    return entry.*columns()[column].field;
}

void BattleBoxList::setText(BattleBoxEntry &entry, int column, const QString &text)
{
    if (validColumn(column) && columns()[column].field)
        entry.*columns()[column].field = text;
}

bool BattleBoxList::isDroppedKey(QChar key) { return key == u';' || key == u'(' || key == u')' || key == u','; }

QString BattleBoxList::baseName(const QString &name)
{
    const qsizetype open = name.lastIndexOf(u'(');
    return open < 0 ? name : trimmedOfBlanks(QStringView(name).left(open));
}

BattleBoxList::BattleBoxList(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int BattleBoxList::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_entries.size()); }

int BattleBoxList::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant BattleBoxList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const BattleBoxEntry &row = m_entries.at(index.row());
    if (index.column() == Turn)
        return role == Qt::CheckStateRole ? QVariant(int(row.ticked ? Qt::Checked : Qt::Unchecked)) : QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(row, index.column());
    return {};
}

QVariant BattleBoxList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !validColumn(section))
        return QAbstractTableModel::headerData(section, orientation, role);
    return columnHeader(section);
}

Qt::ItemFlags BattleBoxList::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Turn)
        flags |= Qt::ItemIsUserCheckable;
    else if (isEditable(index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool BattleBoxList::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    BattleBoxEntry &row = m_entries[index.row()];
    if (index.column() == Turn && role == Qt::CheckStateRole) {
        row.ticked = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    if (!isEditable(index.column()) || role != Qt::EditRole)
        return false;
    setText(row, index.column(), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    if (index.column() == Initiative) {
        const QModelIndex key = this->index(index.row(), SortKey);
        emit dataChanged(key, key, {Qt::DisplayRole, Qt::EditRole});
    }
    return true;
}

bool BattleBoxList::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || row > rowCount() || count < 1 || count > MaxEntries - rowCount())
        return false;
    beginInsertRows({}, row, row + count - 1);
    m_entries.insert(row, count, BattleBoxEntry());
    endInsertRows();
    return true;
}

bool BattleBoxList::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    m_entries.remove(row, count);
    endRemoveRows();
    return true;
}

void BattleBoxList::sort(int column, Qt::SortOrder order)
{
    if (!validColumn(column))
        return;
    m_sorted = true;
    m_sortColumn = column;
    m_sortOrder = order;
    sortNow();
}

void BattleBoxList::setEntries(QList<BattleBoxEntry> entries)
{
    beginResetModel();
    if (entries.size() > MaxEntries)
        entries.resize(MaxEntries);
    m_entries = std::move(entries);
    if (m_sorted) {
        QList<BattleBoxEntry> sorted;
        sorted.reserve(m_entries.size());
        for (int from : sortedOrder())
            sorted.append(std::move(m_entries[from]));
        m_entries = std::move(sorted);
    }
    endResetModel();
}

int BattleBoxList::addEntry(const BattleBoxEntry &entry)
{
    if (rowCount() >= MaxEntries)
        return -1;
    const int row = sortedPosition(entry);
    beginInsertRows({}, row, row);
    m_entries.insert(row, entry);
    endInsertRows();
    return row;
}

void BattleBoxList::setEntry(int row, const BattleBoxEntry &entry)
{
    if (row < 0 || row >= rowCount())
        return;
    m_entries[row] = entry;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

bool BattleBoxList::headerClicked(int column)
{
    if (column < Turn || column >= SortKey)
        return false;
    sort(column == Initiative ? SortKey : column,
         m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder);
    return true;
}

void BattleBoxList::advanceRound()
{
    untickAll();
    sort(SortKey, Qt::DescendingOrder);
}

void BattleBoxList::untickAll()
{
    for (BattleBoxEntry &row : m_entries)
        row.ticked = false;
    if (!m_entries.isEmpty())
        emit dataChanged(index(0, Turn), index(rowCount() - 1, Turn), {Qt::CheckStateRole});
}

bool BattleBoxList::isNameTaken(const QString &name, int editedRow) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (row != editedRow && baseName(m_entries.at(row).name) == name)
            return true;
    }
    return false;
}

int BattleBoxList::ReplicateEntry(int sourceRow, int count)
{
    const int added = std::min(count, MaxEntries - rowCount());
    if (sourceRow < 0 || sourceRow >= rowCount() || added < 1)
        return 0;
    const QString name = m_entries.at(sourceRow).name;
    const qsizetype open = name.lastIndexOf(u'(');
    QString base = name;
    int highest = 0;
    int number = 1;
    if (open < 0) {
        setData(index(sourceRow, Name), name + u" (1)"_s);
    } else {
        if (name.lastIndexOf(u')') < open)
            return 0;
        base = baseName(name);
        for (const BattleBoxEntry &row : std::as_const(m_entries)) {
            if (!row.name.contains(u'(') || baseName(row.name).compare(base, Qt::CaseInsensitive) != 0)
                continue;
            if (const std::optional<int> n = copyNumber(row.name)) {
                number = *n;
                highest = std::max(highest, *n);
            }
        }
    }
    if (highest == 0)
        highest = number;

    BattleBoxEntry copy = m_entries.at(sourceRow);
    copy.ticked = false;
    copy.icon.clear();
    beginInsertRows({}, rowCount(), rowCount() + added - 1);
    m_entries.reserve(m_entries.size() + added);
    for (int i = 1; i <= added; ++i) {
        copy.name = base + u" ("_s + QString::number(highest + i) + u')';
        m_entries.append(copy);
    }
    endInsertRows();
    if (m_sorted)
        sortNow();
    return added;
}

QString BattleBoxList::sortText(const BattleBoxEntry &entry) const
{
    // As the list view sorts: character by character without regard to case, so that "-"
    // comes before the digits and an initiative of -2 ("0000-2") sorts below 0.
    return text(entry, m_sortColumn).toCaseFolded();
}

QList<int> BattleBoxList::sortedOrder() const
{
    QList<QString> keys;
    keys.reserve(m_entries.size());
    for (const BattleBoxEntry &row : m_entries)
        keys.append(sortText(row));
    QList<int> order(m_entries.size());
    std::iota(order.begin(), order.end(), 0);
    if (m_sortOrder == Qt::AscendingOrder)
        std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys.at(a) < keys.at(b); });
    else
        std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys.at(b) < keys.at(a); });
    return order;
}

int BattleBoxList::sortedPosition(const BattleBoxEntry &entry) const
{
    if (!m_sorted)
        return rowCount();
    const QString key = sortText(entry);
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    const auto after = std::upper_bound(m_entries.cbegin(), m_entries.cend(), key,
                                        [this, ascending](const QString &k, const BattleBoxEntry &row) {
                                            const QString other = sortText(row);
                                            return ascending ? k < other : other < k;
                                        });
    return int(after - m_entries.cbegin());
}

void BattleBoxList::sortNow()
{
    const QList<int> order = sortedOrder();
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<BattleBoxEntry> sorted;
    sorted.reserve(m_entries.size());
    QList<int> newRow(m_entries.size());
    for (int to = 0; to < order.size(); ++to) {
        sorted.append(std::move(m_entries[order.at(to)]));
        newRow[order.at(to)] = to;
    }
    m_entries = std::move(sorted);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
        to.append(this->index(newRow.at(index.row()), index.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace Velmora
