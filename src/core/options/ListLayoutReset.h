#pragma once

#include "core/persistence/ListLayout.h"

#include <QList>
#include <QString>

namespace Velmora {

/// The list-layout reset: the lists whose column widths a campaign keeps, by the names the reset
/// window shows, and the restoring of their initial widths.
class ListLayoutReset
{
public:
    /// Every list, in the order of the campaign's layout items.
    static QList<LayoutList> lists();
    /// "Moons", "Experience points", ... as the reset window lists them.
    static QString name(LayoutList list);
    /// The initial widths of `list`, as a new campaign has them.
    static QList<float> defaultWidths(LayoutList list);
    /// The chosen lists of `layout` back at their initial widths; false when none changed.
    static bool reset(ListLayout &layout, const QList<LayoutList> &chosen);
};

} // namespace Velmora
