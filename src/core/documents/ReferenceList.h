#pragma once

#include "core/documents/ClassEntry.h"
#include "core/documents/FrameLabels.h"
#include "core/documents/ReferenceItem.h"
#include "core/documents/Shortcut.h"

#include <QList>
#include <QString>

namespace Velmora {

class AppFolder;

/// One list of the reference shelf (lsvClass, by index): the standard and prestige classes, the
/// custom links, articles, net books and web sites, which the campaign keeps, and the listings of
/// the application's Characters and Library folders, which it does not. The saved Battle Box
/// lists (index 6) are the Battle Box's own.
class ReferenceList
{
public:
    enum Index { Standard, Prestige, Links, Articles, NetBooks, WebSites, BattleBoxes, Characters, Library };
    /// The lists this class keeps, in index order.
    static const QList<int> &indexes();

    /// The shipped classes' colour, blue, as the program stores colours (red in the low byte).
    static constexpr quint32 DefaultColour = 0xFF0000;

    explicit ReferenceList(int index = Standard);

    int index() const { return m_index; }
    bool isClassList() const { return m_index == Standard || m_index == Prestige; }
    bool isFolderList() const { return m_index == Characters || m_index == Library; }
    const QList<ReferenceItem> &items() const { return m_items; }

    /// The frame's caption: lists 2 to 5 as the game master retitled them.
    static QString caption(int index, const FrameLabels &labels);
    /// The column headers: the name, then the location.
    static QStringList columns(int index);
    /// The application folder's subfolder a folder list shows ("Characters", "Library").
    static QString folderName(int index);

    /// A new campaign's list (a folder list is filled from its folder instead).
    void fillDefaults();
    /// The classes of this list's kind, in their order. A class is a default one when its key is
    /// one of the shipped classes' of the list.
    void fillClasses(const QList<ClassEntry> &classes);
    void fillShortcuts(const QList<Shortcut> &shortcuts);
    /// One item per file of the folder (text: the file name; location: its path in the stored
    /// form), sorted by name without regard to case.
    void fillFolder(const AppFolder &folder);
    /// Adds the custom classes of this list's kind whose key is not listed yet (letter case
    /// ignored), at the end in their order; what the campaign lists already stays as it is.
    /// Returns how many were added.
    int mergeClasses(const QList<ClassEntry> &custom);

    /// What a Remove on `row` (-1: nothing selected) has to do first.
    enum class Removal { NothingSelected, Ignored, AskFirst, Remove };
    Removal removal(qsizetype row) const;

    void add(const QString &text, const QString &location);
    /// The item keeps its default mark; a class item's key follows its new text.
    void edit(qsizetype row, const QString &text, const QString &location);
    void remove(qsizetype row);

    /// The locations as shortcuts (for relocation), and back: only the locations are taken.
    QList<Shortcut> toShortcuts() const;
    void setLocations(const QList<Shortcut> &shortcuts);
    QList<ClassEntry> toClasses() const;

    struct Message
    {
        QString title;
        QString text;
    };
    /// "Select existing item." (Edit and Remove without a selected item).
    static Message selectItem();
    /// The question before a default class goes.
    static Message defaultClassRemoval();

    bool operator==(const ReferenceList &) const = default;

private:
    static QString keyOf(const QString &text);
    bool isShippedKey(const QString &key) const;

    int m_index;
    QList<ReferenceItem> m_items;
};

} // namespace Velmora
