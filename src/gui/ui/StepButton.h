#pragma once

#include <QToolButton>

namespace Velmora {

/// A small arrow button that steps a number up or down by one ("Up by one", "Down by one"),
/// found by its objectName.
class StepButton : public QToolButton
{
public:
    StepButton(const QString &name, Qt::ArrowType arrow, const QString &toolTip, QWidget *parent)
        : QToolButton(parent)
    {
        setObjectName(name);
        setArrowType(arrow);
        setToolTip(toolTip);
    }
};

} // namespace Velmora
