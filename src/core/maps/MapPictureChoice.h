#pragma once

#include "core/maps/MapCollection.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace Velmora {

class AppFolder;

/// What becomes of a picture chosen in the map dialog. Map keys are picture base names, so a
/// new map whose picture shares its base name with a map of the collection gets a copy of the
/// picture under a free name in the application folder's "Campaigns"; a picture already there
/// cannot be renamed that way and is refused.
struct MapPictureChoice
{
    Q_DECLARE_TR_FUNCTIONS(MapPictureChoice)

public:
    enum class Outcome {
        Use, ///< the chosen picture as it is
        Duplicate, ///< refused: a map has its key and it lies in "Campaigns" (exclamation)
        CopyFailed, ///< refused: the copy could not be made (information)
        Copied, ///< the copy is used; `message` says so (exclamation)
    };

    Outcome outcome = Outcome::Use;
    QString path; ///< the picture the map takes; "" when refused
    QString title;
    QString message; ///< "" for Use

    /// `isNew` false (editing a map) uses any picture as it is.
    static MapPictureChoice choose(
        const QString &chosen, const QList<MapEntry> &maps, bool isNew, const AppFolder &folder);
};

} // namespace Velmora
