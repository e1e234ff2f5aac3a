#pragma once

#include "core/options/ImageEntry.h"

#include <QList>
#include <QString>

namespace Velmora {

class AppFolder;

/// The picture table: which file each replaceable picture shows, by key ("main", "class",
/// "calendar", "about", "tip"). A campaign's IMAGES block fills it; a new campaign has the five
/// shipped pictures.
class PictureTable
{
public:
    PictureTable() = default;
    explicit PictureTable(QList<ImageEntry> entries);

    static PictureTable defaults();

    const QList<ImageEntry> &entries() const { return m_entries; }
    bool contains(const QString &key) const;
    /// The stored path of `key`, or "" when the key is not in the table.
    QString path(const QString &key) const;
    /// Sets the path of `key` when the table holds it; false (and nothing changes) otherwise.
    bool setPath(const QString &key, const QString &path);

    /// The file a picture window loads for `key`: the stored path resolved in `folder`, or ""
    /// when the path is empty or no file is there (the window keeps its built-in picture).
    QString fileToShow(const AppFolder &folder, const QString &key) const;

    bool operator==(const PictureTable &) const = default;

private:
    ImageEntry *find(const QString &key);

    QList<ImageEntry> m_entries;
};

} // namespace Velmora
