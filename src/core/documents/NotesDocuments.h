#pragma once

#include "core/common/AppFolder.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <array>

namespace Velmora {

/// The files of the three notes documents of the Docs tab (block DOCUMENTS). The documents
/// themselves are rich-text files of their own; the campaign keeps only where they are.
struct NotesDocuments
{
    Q_DECLARE_TR_FUNCTIONS(Velmora::NotesDocuments)

public:
    enum Slot { Notes, LastLeftOff, NpcsMet };
    static constexpr int SlotCount = 3;

    /// Stored path of each slot's file (AppFolder::storedPath): general notes, where the last
    /// game left off, the non-player characters the party has met.
    std::array<QString, SlotCount> paths;

    /// The slot's key in the block: "Notes", "Last", "NPCs".
    static QString key(int slot);
    /// The slot's default file, relative to the application folder ("\Documents\DM Notes.rtf").
    static QString defaultFile(int slot);

    /// The caption of the slot's inner tab on the Docs tab (" Notes", "& Game Last Left Off").
    static QString caption(int slot);
    /// How prompts name the slot ("'Notes'").
    static QString promptName(int slot);
    /// Titles of the slot's open and save-as dialogs.
    static QString openTitle(int slot);
    static QString saveAsTitle(int slot);
    /// Both dialogs' filter, RTF first.
    static QString fileFilter();
    /// The question before "Open" replaces a modified slot (title "Save Changes").
    static QString saveChangesTitle();
    static QString saveChangesText(int slot);
    /// The one message when a campaign's documents were not all found and the defaults were
    /// loaded instead.
    static QString notFoundTitle();
    static QString notFoundText();

    /// The rich-text toolbar's rule: "Open" and "SaveAs" always, "Save" while the slot is
    /// modified, every formatting button ("Fonts" to "align right") while the editor holds text.
    static bool buttonEnabled(const QString &key, bool modified, bool hasText);

    /// The three default files, in the form a campaign stores them ("\Documents\DM Notes.rtf").
    static NotesDocuments defaults();

    /// Whether every item names a file that exists, its stored path resolved in `folder` (an
    /// item without ";" or with an empty path names none). The Docs tab takes a campaign's
    /// documents only when all of them are there; otherwise it loads the three defaults.
    static bool filesExist(const QStringList &items, const AppFolder &folder);

    /// Items "key;path" (the path may hold ";"). Each item with a known key sets that slot;
    /// false when an item has no ";" or an unknown key (both are passed over).
    bool load(const QStringList &items);
    /// "Notes;" + path, "Last;" + path, "NPCs;" + path.
    QStringList toItems() const;
    QJsonObject toJson() const;

    bool operator==(const NotesDocuments &) const = default;
};

} // namespace Velmora
