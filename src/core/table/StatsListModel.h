#pragma once

#include "core/table/NamedRowList.h"
#include "core/table/StatsRow.h"

namespace Velmora {

/// The statistics list (lsvStats): one row of 23 values per character, names unique with
/// regard to case; its in-place editing (columns "Class and level" to "Race" only), the import
/// of an exchange file, and the texts of its menu and dialog. The window marks the campaign
/// modified on every change it makes.
class StatsListModel : public NamedRowList<StatsRow>
{
    Q_OBJECT

public:
    /// The columns the in-place editor opens on: 1 "Class and level" to 9 "Race".
    static constexpr int FirstInPlaceColumn = 1;
    static constexpr int LastInPlaceColumn = 9;

    /// "Character name" ... "AC" for columns 0 to 22.
    static QString Header(int column);
    /// The dialog's field labels, "Character name:" ... "Will:" (the armour class field has
    /// none; it sits in its own frame).
    static QString FieldLabel(int field);
    /// " Basic Data  ", " Ability Score ", " Saving Throws ", " Combat Options ", " Armour Class ".
    static QString FrameCaption(int frame);
    static QString MenuTitle();
    /// mnuStats 0 "Show columns", 2 "Add", 3 "Edit", 4 "Remove", 6 "Import", 7 "Export"; "" for
    /// the separators 1 and 5.
    static QString MenuCaption(int index);
    static QString DuplicateNameTitle();
    /// The Yes/No question when a name is another row's: Yes edits the values again.
    static QString DuplicateNameQuestion();
    /// What an editor keeps of typed or pasted text: everything but ";".
    static QString Cleaned(const QString &text);

    explicit StatsListModel(QObject *parent = nullptr);

    struct ImportCount
    {
        int added = 0;
        int duplicates = 0; ///< rows whose name was already in the list: skipped
        int overLimit = 0;  ///< rows that found the list full: skipped

        bool operator==(const ImportCount &) const = default;
    };
    /// Appends the rows of an imported file in order, skipping those whose name is in the list.
    ImportCount importRows(const QList<StatsRow> &rows);

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    /// Columns 1 to 9 are editable in place.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    /// The in-place editor's text stored into a cell of columns 1 to 9, without ";".
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

protected:
    /// Names are compared exactly, with case.
    bool sameName(const QString &listed, const QString &name) const override { return listed == name; }
    /// The dialog's 23 values without ";".
    StatsRow cleaned(const StatsRow &row) const override;
};

} // namespace Velmora
