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
    : NamedRowList(parent)
{
}

bool XpListModel::sameName(const QString &listed, const QString &name) const
{
    return listed.toUpper() == name.toUpper();
}

// Points are digits as typed, but a name may be pasted: a ";" in it would split the campaign's
// item into four fields, so it goes, as every other free-text field of a record drops it.
XpRow XpListModel::cleaned(const XpRow &row) const
{
    const auto clean = [](const QString &text) { return QString(text).remove(u';').trimmed(); };
    return XpRow{clean(row.name), clean(row.xp), clean(row.needed)};
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
