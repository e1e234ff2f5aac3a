#pragma once

#include "core/documents/RichTextParagraph.h"
#include "core/documents/RichTextTable.h"

#include <QList>
#include <QString>

#include <variant>

namespace Velmora {

/// A rich-text document in memory: what the notes documents, the Battle Box notes and the reports
/// hold, independent of any widget. RtfReader builds it from RTF bytes, RtfWriter writes it
/// back; the editor converts it to and from QTextDocument.
///
/// A block is a paragraph or a table, in reading order. Adjacent runs of a paragraph with equal
/// formats are merged by the reader, so a document reads back equal to what was written when its
/// runs are merged too (mergeRuns()), its tables are apart (a paragraph between two tables) and
/// every cell's right edge is set.
struct RichTextDocument
{
    using Block = std::variant<RichTextParagraph, RichTextTable>;

    QList<Block> blocks;
    /// The font of text that names none (RTF's default font); empty when the file had none.
    QString defaultFontFamily;

    /// One plain paragraph per line ("\n", "\r\n" or "\r" ends a line), in the default format.
    static RichTextDocument fromPlainText(const QString &text);

    /// The text without formatting: paragraphs joined by "\n", line breaks as "\n", the cells of
    /// a table row joined by "\t" (one line per row, a cell's non-empty paragraphs joined by " "),
    /// pictures left out.
    QString toPlainText() const;

    /// Joins adjacent runs of equal format in every paragraph and drops empty text runs, as the
    /// reader does.
    void mergeRuns();

    bool operator==(const RichTextDocument &) const = default;
};

} // namespace Velmora
