#pragma once

#include "core/table/BattleBoxEntry.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace Velmora {

/// The Battle Box list as the window shows it: one row per combatant, 16 columns. Column 0 is
/// the turn mark (a check box, no text), 1 to 13 the editable values, 14 the initiative's sort
/// key (derived, hidden) and 15 the player icon (carried only, hidden).
///
/// Signals tell the window what happened: dataChanged, rowsInserted and rowsRemoved are changes
/// of campaign data; modelReset (setEntries, clear) is a load; layoutChanged is a sort. Once
/// sorted, the list stays sorted: new entries go to their sorted place. An edited cell keeps its
/// row until the next sort, so that a row never jumps away from the editor over it.
class BattleBoxList : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Turn,
        Initiative,
        Name,
        Fortitude,
        Reflex,
        Will,
        Special,
        Speed,
        ArmourClass,
        Melee,
        MeleeDamage,
        Ranged,
        RangedDamage,
        HitPoints,
        SortKey,
        Icon,
        ColumnCount
    };
    /// Counts are 16-bit signed.
    static constexpr int MaxEntries = 32767;

    /// "turn", "init", "char", ... "sortkey", "pIcon".
    static QString columnKey(int column);
    /// "Turn?", "Initiative", "Character name", ... "Player icon".
    static QString columnHeader(int column);
    /// The width of a new window's column, in twips; 0 for the two hidden columns.
    static int defaultWidth(int column);
    /// The text an entry shows in a column; "" for the turn mark.
    static QString text(const BattleBoxEntry &entry, int column);
    /// Sets the value of columns 1 to 13 and 15; the turn mark and the sort key take no text.
    static void setText(BattleBoxEntry &entry, int column, const QString &text);

    /// The keys no Battle Box editor takes: ";" (the campaign's field separator), "(" and ")"
    /// (copy numbers come only from replication) and "," (the Battle Box file's separator).
    static bool isDroppedKey(QChar key);

    /// The text before a name's last "(", trimmed of blanks: "Orc (3)" gives "Orc". A name
    /// without "(" is its own base name.
    static QString baseName(const QString &name);

    explicit BattleBoxList(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    /// Display and edit roles give the column's text; column 0 gives the check state.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    /// Column 0 takes a check state, columns 1 to 13 a text (the sort key follows the
    /// initiative); the two hidden columns take nothing.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    /// Inserts empty, unticked entries; refused (nothing inserted) when the list would pass
    /// MaxEntries.
    bool insertRows(int row, int count, const QModelIndex &parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    /// Sorts on the texts of `column` as they are (see headerClicked for the header's rules)
    /// and keeps the list sorted that way.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    const QList<BattleBoxEntry> &entries() const { return m_entries; }
    const BattleBoxEntry &entry(int row) const { return m_entries.at(row); }
    /// Replaces every entry (a load); entries beyond MaxEntries are left out.
    void setEntries(QList<BattleBoxEntry> entries);
    void clear() { setEntries({}); }
    /// Adds an entry at its sorted place (at the end while the list is not sorted). Its row, or
    /// -1 when the list is full.
    int addEntry(const BattleBoxEntry &entry);
    /// Replaces the entry of a row (what the edit dialog stores).
    void setEntry(int row, const BattleBoxEntry &entry);

    /// A click on the header of `column`: the initiative sorts through the sort key, the
    /// hidden columns do nothing, any other sorts on itself; the order flips at every click.
    /// True when the list was sorted (the window then drops a pending in-place edit).
    bool headerClicked(int column);
    bool isSorted() const { return m_sorted; }
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    /// The list's part of a round advance: every entry unticked, then sorted descending on
    /// the initiative's sort key.
    void advanceRound();
    void untickAll();

    /// Whether `name` equals, with case, the base name of an entry other than `editedRow`
    /// (-1 for a new entry): the edit dialog's check while no copies are asked for.
    bool isNameTaken(const QString &name, int editedRow) const;

    /// Adds `count` copies of the entry at `sourceRow`, numbered after its base name: "Orc"
    /// becomes "Orc (1)" and its copies "Orc (2)", "Orc (3)"...; a copy of a numbered name
    /// continues after the highest number its base name has in the list. Copies take every
    /// value but the turn mark and the icon. Returns how many were added: 0, with nothing
    /// changed, when the list is full or the name has a "(" without ")" after it; fewer than
    /// `count` when the list fills up (so a count of MaxEntries fills the list).
    int ReplicateEntry(int sourceRow, int count);

private:
    /// The row order that sorts `entries` on the current sort column and order.
    QList<int> sortedOrder() const;
    /// Where an entry goes in the sorted list: after the entries it sorts equal to.
    int sortedPosition(const BattleBoxEntry &entry) const;
    void sortNow();
    QString sortText(const BattleBoxEntry &entry) const;

    QList<BattleBoxEntry> m_entries;
    bool m_sorted = false;
    int m_sortColumn = SortKey;
    // A new list counts as ascending, so that the first header click sorts descending: the
    // highest initiative first, as a fight is run.
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace Velmora
