#pragma once

#include "core/common/AppFolder.h"
#include "core/documents/Shortcut.h"

#include <QList>

namespace Velmora {

class Platform;

/// Looks for a moved file of a reference list with the user: whether to look at all, the open
/// dialog, and whether the other items of the list moved with it. Every list that opens files
/// (the classes, the documents, the saved Battle Box lists) relocates through here.
class ShortcutRelocator
{
public:
    ShortcutRelocator(Platform &platform, AppFolder folder);

    /// For the item `row` of `items`, whose file is missing. Returns the full path of the file
    /// the user found, with `items` updated (the other items too when the change was
    /// propagated), or "" when the user declined or cancelled, with `items` unchanged.
    QString relocate(QList<Shortcut> &items, qsizetype row) const;

private:
    Platform &m_platform;
    AppFolder m_folder;
};

} // namespace Velmora
