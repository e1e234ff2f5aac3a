#include "core/documents/RtfDocumentBuilder.h"

namespace Velmora {

namespace {

/// Twips between the edges of cells that come without an edge of their own, or with one that
/// is not right of the cell before (RtfWriter spaces such cells the same way).
constexpr int kDefaultCellWidth = 1440;

} // namespace

void RtfDocumentBuilder::appendText(QStringView text, const RichTextCharFormat &format, quint64 formatKey)
{
    append(text, format, formatKey);
}

void RtfDocumentBuilder::appendText(QLatin1StringView text, const RichTextCharFormat &format, quint64 formatKey)
{
    append(text, format, formatKey);
}

template<typename View>
void RtfDocumentBuilder::append(View text, const RichTextCharFormat &format, quint64 formatKey)
{
    if (text.isEmpty())
        return;
    if (!m_runs.isEmpty() && !m_runs.back().image
        && ((m_lastKeyValid && m_lastKey == formatKey) || m_runs.back().format == format)) {
        m_runs.back().text.append(text);
    } else {
        m_runs.append(RichTextRun{text.toString(), format, {}});
    }
    m_lastKey = formatKey;
    m_lastKeyValid = true;
}

void RtfDocumentBuilder::appendImage(RichTextImage image, const RichTextCharFormat &format)
{
    m_runs.append(RichTextRun{{}, format, std::move(image)});
    m_lastKeyValid = false;
}

void RtfDocumentBuilder::takeParagraph(const RichTextParagraph &layout, QList<RichTextParagraph> &into)
{
    RichTextParagraph paragraph = layout;
    paragraph.runs = std::move(m_runs);
    m_runs.clear();
    m_lastKeyValid = false;
    into.append(std::move(paragraph));
}

void RtfDocumentBuilder::endParagraph(const RichTextParagraph &layout, bool inTable)
{
    if (inTable) {
        takeParagraph(layout, m_cell);
        m_cellOpen = true;
        return;
    }
    endTable();
    RichTextParagraph paragraph = layout;
    paragraph.runs = std::move(m_runs);
    m_runs.clear();
    m_lastKeyValid = false;
    m_document.blocks.append(std::move(paragraph));
}

void RtfDocumentBuilder::endParagraphIfNotEmpty(const RichTextParagraph &layout, bool inTable)
{
    if (!m_runs.isEmpty())
        endParagraph(layout, inTable);
}

void RtfDocumentBuilder::endCell(const RichTextParagraph &layout)
{
    takeParagraph(layout, m_cell);
    m_row.cells.append(RichTextTableCell{std::move(m_cell), 0});
    m_cell.clear();
    m_cellOpen = false;
}

void RtfDocumentBuilder::endRow()
{
    if (!m_runs.isEmpty() || m_cellOpen) // text after the last \cell: a cell of its own
        endCell(RichTextParagraph{});
    closeRow();
}

void RtfDocumentBuilder::closeRow()
{
    int edge = 0;
    for (qsizetype i = 0; i < m_row.cells.size(); ++i) {
        edge = i < m_edges.size() && m_edges.at(i) > edge ? m_edges.at(i)
                                                          : std::min(edge + kDefaultCellWidth, MaxCellEdge);
        m_row.cells[i].rightEdge = edge;
    }
    m_table.rows.append(std::move(m_row));
    m_row = {};
}

void RtfDocumentBuilder::endTable()
{
    if (m_cellOpen) {
        m_row.cells.append(RichTextTableCell{std::move(m_cell), 0});
        m_cell.clear();
        m_cellOpen = false;
    }
    if (!m_row.cells.isEmpty())
        closeRow();
    if (m_table.rows.isEmpty())
        return;
    m_document.blocks.append(std::move(m_table));
    m_table = {};
}

RichTextDocument RtfDocumentBuilder::finish(const RichTextParagraph &layout, bool inTable)
{
    if (!m_runs.isEmpty())
        endParagraph(layout, inTable);
    endTable();
    RichTextDocument document = std::move(m_document);
    m_document = {};
    return document;
}

} // namespace Velmora
