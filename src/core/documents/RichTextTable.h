#pragma once

#include "core/documents/RichTextParagraph.h"

#include <QList>

namespace Velmora {

/// One cell of a table row: its paragraphs (at least one when read) and where its right edge
/// stands, in twips from the left margin (RTF's \cellx). An edge that is not right of the one
/// before (0, say) stands for one 1440 twips (an inch) right of it, when read and when written.
struct RichTextTableCell
{
    QList<RichTextParagraph> paragraphs;
    int rightEdge = 0;

    bool operator==(const RichTextTableCell &) const = default;
};

struct RichTextTableRow
{
    QList<RichTextTableCell> cells;

    bool operator==(const RichTextTableRow &) const = default;
};

/// A table: rows of cells. Rows may differ in cell count and edges, as in RTF; tables nested in
/// a cell are kept as that cell's paragraphs.
struct RichTextTable
{
    QList<RichTextTableRow> rows;

    /// The largest cell count of any row.
    qsizetype columnCount() const;

    bool operator==(const RichTextTable &) const = default;
};

} // namespace Velmora
