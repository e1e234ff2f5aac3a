#include "gui/ui/PushButtons.h"

#include <QPushButton>

namespace Velmora {

QPushButton *PushButtons::make(const QString &caption, const QString &name, QWidget *parent,
                               const QString &toolTip, int index)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    if (index >= 0)
        button->setProperty("index", index);
    button->setAutoDefault(false);
    return button;
}

} // namespace Velmora
