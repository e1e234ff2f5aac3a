#pragma once

#include <functional>

class QBoxLayout;
class QDialog;
class QPushButton;

namespace Velmora {

/// The OK and Cancel buttons of the map dialogs (cmdOK, cmdCancel) at the foot of `layout`.
/// Cancel rejects the dialog; OK runs `onOk`, which accepts it or keeps it open.
struct DialogButtons
{
    /// Returns the OK button, for the dialog's enabling rule.
    static QPushButton *add(QDialog &dialog, QBoxLayout &layout, std::function<void()> onOk);
};

} // namespace Velmora
