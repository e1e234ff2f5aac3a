#pragma once

#include "core/documents/Shortcut.h"

#include <QList>
#include <QString>

namespace Velmora {

class AppFolder;

/// Finding a moved file of a reference list again: where the open dialog looks for it, and the
/// new folder given to the other items of the list when the user wants the change propagated.
/// Paths may use either separator, as stored paths from other machines do.
class ShortcutRelocation
{
public:
    /// The open dialog for the file that was at `oldPath`: its folder, the old file name and a
    /// filter of the old extension, "(*.rtf)|*.rtf" ("(*)|*" for a name without one).
    struct Search
    {
        QString folder;
        QString fileName;
        QString filter;
    };
    static Search searchFor(const QString &oldPath);

    /// Every item's location in the folder of `chosenPath`, each keeping its own file name, in
    /// the stored form of `folder` (relative when under the application folder).
    static void propagate(QList<Shortcut> &items, const QString &chosenPath, const AppFolder &folder);

    /// The part of `path` after its last separator ("/" or "\"), the whole path without one.
    static QString fileNameOf(const QString &path);
    /// The part of `path` up to and including its last separator, "" without one.
    static QString folderOf(const QString &path);
};

} // namespace Velmora
