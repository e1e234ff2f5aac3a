#pragma once

#include <QString>

namespace Velmora {

/// What a click on a reference list's item does, decided by the list and by how the item's
/// location ends (compared without regard to case).
struct ItemOpening
{
    enum class Action {
        Viewer, ///< loaded into the tab's document viewer
        PathOnly, ///< a class's "pdf" document: its path is kept and shown, nothing is loaded
        Shell, ///< handed to the operating system's default action
        ShellBusy, ///< the same, with the busy cursor until the call returns ("htm", "html")
        BattleBox, ///< loaded into the Battle Box
    };
    /// The label above the viewer that shows the location.
    enum class Label { None, ClassFile, Doc };

    Action action = Action::Viewer;
    Label label = Label::None;
    bool askSaveFirst = true; ///< the viewer's save prompt runs before anything else
    bool relocateMissing = true; ///< a missing file is looked for with the user first

    static ItemOpening of(int listIndex, const QString &location);
    /// Whether `location`'s last characters are `ending`, letter case ignored ("pdf", "html").
    static bool endsWith(const QString &location, const QString &ending);

    bool operator==(const ItemOpening &) const = default;
};

} // namespace Velmora
