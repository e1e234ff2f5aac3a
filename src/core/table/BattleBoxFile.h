#pragma once

#include "core/common/Result.h"
#include "core/documents/RichTextDocument.h"
#include "core/documents/Shortcut.h"
#include "core/table/BattleBoxEntry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

namespace Velmora {

/// A Battle Box file: a prepared encounter, its combatants and a rich-text note. Windows-1252
/// text, CR LF line ends: the line "BATTLEBOX"; one line per entry, "T," or "F," (the turn
/// mark) then the values of columns 1 to 13 and the icon, each followed by ","; then "NOTE,"
/// and the note's RTF up to the end of the file.
class BattleBoxFile
{
    Q_DECLARE_TR_FUNCTIONS(Velmora::BattleBoxFile)

public:
    struct Content
    {
        QList<BattleBoxEntry> entries;
        /// The note's RTF bytes as the file holds them; empty for no note.
        QByteArray notes;

        bool operator==(const Content &) const = default;
    };

    /// What reading found.
    enum class Reading {
        Missing, ///< no file there: nothing changes
        Unchanged, ///< a file of a single line: nothing changes
        WrongFile, ///< the first line is not "BATTLEBOX": refused, the Battle Box is left empty
        Loaded, ///< the content was read
    };

    /// A message box's title and text, for the window to show.
    struct Message
    {
        QString title;
        QString text;
    };

    static QByteArray toBytes(const Content &content);
    /// Never Missing. The content is set only when Loaded.
    static Reading fromBytes(const QByteArray &bytes, Content &content);

    /// Missing when no file is at `path` (or it is empty); an error when the file cannot be read.
    static Result<Reading> read(const QString &path, Content &content);
    /// Written whole, through a temporary file.
    static Result<void> write(const QString &path, const Content &content);

    /// The note as a document: RTF through our reader, any other text as plain text (as the
    /// rich-text box shows it), no bytes as an empty document.
    static RichTextDocument notesDocument(const QByteArray &notes);
    /// A document's RTF; no bytes for a document without blocks.
    static QByteArray notesBytes(const RichTextDocument &document);

    /// The refusal of a file that is not a Battle Box file ("Wrong File").
    static Message wrongFile();
    /// "Save" without any file name ("File Not Saved").
    static Message notSaved();
    /// The question of the save prompt ("Save Changes", Yes/No).
    static Message saveChanges();
    /// The file dialog's title and filter.
    static QString chooseTitle();
    static QString fileFilter();

    /// The file's name without its folder: the text after the last "\" or "/", or the whole
    /// path when it has neither.
    static QString FileNameOfPath(const QString &path);
    /// Links a file to the campaign: any row of the saved list with that path goes, then a row
    /// (FileNameOfPath, path) is added at the end.
    static void LinkBattleBoxFile(QList<Shortcut> &savedList, const QString &path);
};

} // namespace Velmora
