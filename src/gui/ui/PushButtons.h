#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace Velmora {

/// The push buttons of the windows, made one way.
struct PushButtons
{
    /// A button named `name` (so tests and readers find it by the control's name), with an
    /// optional tool tip and, for a member of a control array, its index. It never becomes a
    /// dialog's default button: Enter belongs to the text fields and must not close the window.
    static QPushButton *make(const QString &caption, const QString &name, QWidget *parent,
                             const QString &toolTip = {}, int index = -1);
};

} // namespace Velmora
