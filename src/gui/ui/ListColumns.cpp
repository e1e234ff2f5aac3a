#include "gui/ui/ListColumns.h"

#include "core/persistence/ListLayout.h"

#include <QHeaderView>
#include <QTreeView>

namespace Velmora {

void ListColumns::apply(QTreeView &view, const QList<float> &twips)
{
    const int columns = qMin(int(twips.size()), view.header()->count());
    for (int column = 0; column < columns; ++column) {
        const int pixels = ListLayout::toPixels(twips.at(column));
        view.setColumnHidden(column, pixels <= 0);
        if (pixels > 0)
            view.setColumnWidth(column, pixels);
    }
}

void ListColumns::read(const QTreeView &view, QList<float> &twips)
{
    const int columns = qMin(int(twips.size()), view.header()->count());
    for (int column = 0; column < columns; ++column) {
        const int pixels = view.isColumnHidden(column) ? 0 : view.columnWidth(column);
        if (pixels != qMax(0, ListLayout::toPixels(twips.at(column))))
            twips[column] = ListLayout::fromPixels(pixels);
    }
}

} // namespace Velmora
