#pragma once

#include <QList>

class QTreeView;

namespace Velmora {

/// The column widths a campaign keeps for a list (in twips, 0 hides a column) put on a list view
/// and read back from it.
struct ListColumns
{
    /// Column by column, as far as both go; a width of 0 hides its column.
    static void apply(QTreeView &view, const QList<float> &twips);
    /// The view's widths into `twips`. A column the user has not resized keeps its stored value
    /// exactly, so that a campaign saves to the same bytes; a hidden column is 0.
    static void read(const QTreeView &view, QList<float> &twips);
};

} // namespace Velmora
