#include "core/options/ListLayoutReset.h"

using namespace Qt::StringLiterals;

namespace Velmora {

QList<LayoutList> ListLayoutReset::lists()
{
    QList<LayoutList> all;
    for (int i = 0; i < ListLayout::ListCount; ++i)
        all << LayoutList(i);
    return all;
}

QString ListLayoutReset::name(LayoutList list)
{
    static const char16_t *const names[ListLayout::ListCount] = {
        u"Moons",
        u"Experience points",
        u"Standard classes",
        u"Prestige classes",
        u"Custom links",
        u"Articles",
        u"Net books",
        u"Web sites",
        u"Battle Box lists",
        u"Characters",
        u"Library",
        u"Battle Box",
        u"Statistics",
        u"Maps",
        u"Map objects",
        u"Map players",
    };
    return QString::fromUtf16(names[int(list)]);
}

QList<float> ListLayoutReset::defaultWidths(LayoutList list) { return ListLayout::initialWidths()[size_t(list)]; }

bool ListLayoutReset::reset(ListLayout &layout, const QList<LayoutList> &chosen)
{
    bool changed = false;
    for (LayoutList list : chosen) {
        const QList<float> widths = defaultWidths(list);
        if (layout.columns(list) != widths) {
            layout.columns(list) = widths;
            changed = true;
        }
    }
    return changed;
}

} // namespace Velmora
