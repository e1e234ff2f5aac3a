#pragma once

#include <QCoreApplication>
#include <QString>

namespace Velmora {

/// The rules of a read-only document viewer's edit box (chkEdit): its tooltips, and when
/// finishing an edit asks to save the file.
class ViewerEditing
{
    Q_DECLARE_TR_FUNCTIONS(Velmora::ViewerEditing)

public:
    /// Where the viewer is, seen from its edit box.
    enum class Place { Above, Below };

    /// The box's tooltip: what a click does next (start or finish editing).
    static QString toolTip(Place place, bool editing);
    /// Finishing an edit asks to save only when the text was changed and the loaded file is not
    /// a "pdf" (whose text the viewer never writes back).
    static bool asksToSave(const QString &loadedFile, bool changed);

    static QString savePromptTitle() { return tr("Save Data"); }
    static QString savePromptText()
    {
        return tr("This file has been modified.") + u"\r\n"_qs + tr("Save those changes ?");
    }
};

} // namespace Velmora
