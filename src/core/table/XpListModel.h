#pragma once

#include "core/table/NamedRowList.h"
#include "core/table/XpRow.h"

namespace Velmora {

/// The experience list (lsvXP): one row per character with its points, names unique without
/// regard to case; and the texts and field rules of its dialog (frmXP) and buttons. The window
/// shows it through a view and marks the campaign modified on every change it makes.
class XpListModel : public NamedRowList<XpRow>
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 3;

    static QString FrameCaption();
    static QString DialogCaption();
    /// "Player name", "Experience point", "Extra points needed" for fields 0 to 2.
    static QString FieldLabel(int field);
    /// "Add", "Edit", "Delete" for cmdXP 0 to 2; "OK", "Cancel" for cmdDone 0 and 1.
    static QString ButtonCaption(int index);
    static QString DoneCaption(int index);
    static QString DuplicateNameTitle();
    static QString DuplicateNameMessage();

    /// The two point fields take only the digits, Backspace and Enter as typed characters.
    static bool AcceptsPointsCharacter(QChar c);
    /// "OK" is enabled while all three fields hold more than blanks.
    static bool CanAccept(const QString &name, const QString &xp, const QString &needed);

    explicit XpListModel(QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
    /// Names are compared in upper case.
    bool sameName(const QString &listed, const QString &name) const override;
    /// The dialog's values are trimmed; ";" (the campaign's field separator) is dropped.
    XpRow cleaned(const XpRow &row) const override;
};

} // namespace Velmora
