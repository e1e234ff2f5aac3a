#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Velmora {

/// The filter of a file dialog as the program writes it, pairs of description and pattern
/// joined by "|" ("Zip (*.zip)|*.zip|All (*.*)|*.*"), turned into Qt's name filters.
class FileFilterList
{
public:
    struct Entry
    {
        QString description;
        QString pattern; ///< masks joined by ";", as written
    };

    explicit FileFilterList(const QString &pipeFilter);

    const QList<Entry> &entries() const { return m_entries; }
    /// One Qt name filter per pair: the description, with its masks in parentheses unless the
    /// description already ends with them.
    QStringList qtFilters() const;
    /// The index of a Qt name filter from qtFilters(), or -1.
    int indexOf(const QString &qtFilter) const;
    /// A name typed without an extension ("Foo") gets the one of the pair in use ("Foo.vlf"),
    /// as the common save dialog does; a name with an extension, or a pair without a single
    /// plain extension ("*.*", "*.vl*"), leaves it as it is.
    QString withDefaultExtension(const QString &path, int index) const;

private:
    QList<Entry> m_entries;
};

} // namespace Velmora
