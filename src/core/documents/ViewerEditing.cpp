#include "core/documents/ViewerEditing.h"

#include "core/documents/DocumentFile.h"

namespace Velmora {

QString ViewerEditing::toolTip(Place place, bool editing)
{
    if (place == Place::Above)
        return editing ? tr("Click this to finish editing the text displayed in the above window.")
                       : tr("Click this to edit the text displayed in the above window.");
    return editing ? tr("Click this to finish editing the text displayed in the window below.")
                   : tr("Click this to edit the text displayed in the window below.");
}

bool ViewerEditing::asksToSave(const QString &loadedFile, bool changed)
{
    return changed && !DocumentFile::isPdf(loadedFile);
}

} // namespace Velmora
