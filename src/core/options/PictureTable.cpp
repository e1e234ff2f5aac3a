#include "core/options/PictureTable.h"

#include "core/common/AppFolder.h"

#include <QFileInfo>

namespace Velmora {

PictureTable::PictureTable(QList<ImageEntry> entries)
    : m_entries(std::move(entries))
{
}

PictureTable PictureTable::defaults() { return PictureTable(ImageEntry::defaultList()); }

// Keys are compared without letter case, as the shipped list and older campaigns write them.
ImageEntry *PictureTable::find(const QString &key)
{
    for (ImageEntry &entry : m_entries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

bool PictureTable::contains(const QString &key) const { return const_cast<PictureTable *>(this)->find(key) != nullptr; }

QString PictureTable::path(const QString &key) const
{
    const ImageEntry *entry = const_cast<PictureTable *>(this)->find(key);
    return entry ? entry->path : QString();
}

bool PictureTable::setPath(const QString &key, const QString &path)
{
    ImageEntry *entry = find(key);
    if (!entry)
        return false;
    entry->path = path;
    return true;
}

QString PictureTable::fileToShow(const AppFolder &folder, const QString &key) const
{
    const QString stored = path(key);
    if (stored.isEmpty())
        return QString();
    const QString file = folder.storedFile(stored);
    return QFileInfo(file).isFile() ? file : QString();
}

} // namespace Velmora
