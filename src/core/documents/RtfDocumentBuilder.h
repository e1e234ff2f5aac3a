#pragma once

#include "core/documents/RichTextDocument.h"

#include <QList>
#include <QStringView>

#include <algorithm>

namespace Velmora {

/// Collects what RtfReader finds, in file order, into a RichTextDocument: text and pictures into
/// runs, runs into paragraphs, paragraphs into table cells, cells into rows and rows into tables.
///
/// A table ends at the first paragraph outside it. Nothing already given is dropped: a cell
/// without \cell, a row without \row or a paragraph without \par at the end are kept.
class RtfDocumentBuilder
{
public:
    /// Appends text in `format`. `formatKey` tells the formats apart cheaply: equal keys promise
    /// equal formats (different keys may still be equal formats).
    void appendText(QStringView text, const RichTextCharFormat &format, quint64 formatKey);
    void appendText(QLatin1StringView text, const RichTextCharFormat &format, quint64 formatKey);
    void appendImage(RichTextImage image, const RichTextCharFormat &format);

    /// Ends the paragraph being built with `layout` (its runs are ignored): into the cell being
    /// built when `inTable`, else into the document.
    void endParagraph(const RichTextParagraph &layout, bool inTable);
    /// Only when the paragraph being built has runs (a page or section break).
    void endParagraphIfNotEmpty(const RichTextParagraph &layout, bool inTable);
    /// Ends the paragraph and the cell being built.
    void endCell(const RichTextParagraph &layout);
    /// The right edges (twips, \cellx) of the cells of the row being built: \trowd clears
    /// them, each \cellx adds one. They may come before or after the row's cells.
    void clearCellEdges() { m_edges.clear(); }
    void addCellEdge(int edge) { m_edges.append(std::min(edge, MaxCellEdge)); }
    /// Edges stop here (some 11,000 inches), so that spacing cells after it cannot overflow.
    static constexpr int MaxCellEdge = 1 << 24;
    /// Ends the row being built.
    void endRow();

    /// The document; the builder is empty afterwards.
    RichTextDocument finish(const RichTextParagraph &layout, bool inTable);

private:
    template<typename View>
    void append(View text, const RichTextCharFormat &format, quint64 formatKey);
    void takeParagraph(const RichTextParagraph &layout, QList<RichTextParagraph> &into);
    void closeRow();
    void endTable();

    RichTextDocument m_document;
    QList<RichTextRun> m_runs;
    quint64 m_lastKey = 0;
    bool m_lastKeyValid = false;
    QList<RichTextParagraph> m_cell;
    bool m_cellOpen = false;
    RichTextTableRow m_row;
    RichTextTable m_table;
    QList<int> m_edges;
};

} // namespace Velmora
