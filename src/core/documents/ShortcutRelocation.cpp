#include "core/documents/ShortcutRelocation.h"

#include "core/common/AppFolder.h"

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

qsizetype lastSeparator(const QString &path)
{
    return qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

} // namespace

QString ShortcutRelocation::fileNameOf(const QString &path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString ShortcutRelocation::folderOf(const QString &path)
{
    return path.left(lastSeparator(path) + 1);
}

ShortcutRelocation::Search ShortcutRelocation::searchFor(const QString &oldPath)
{
    const QString name = fileNameOf(oldPath);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    return {folderOf(oldPath), name, u"(*"_s + extension + u")|*"_s + extension};
}

void ShortcutRelocation::propagate(QList<Shortcut> &items, const QString &chosenPath, const AppFolder &folder)
{
    const QString newFolder = folderOf(chosenPath);
    for (Shortcut &item : items)
        item.location = folder.storedPath(newFolder + fileNameOf(item.location));
}

} // namespace Velmora
