#include "core/documents/RichTextDocument.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QString paragraphText(const RichTextParagraph &paragraph)
{
    QString text;
    for (const RichTextRun &run : paragraph.runs)
        text += run.text;
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

QString cellText(const RichTextTableCell &cell)
{
    QStringList texts;
    for (const RichTextParagraph &paragraph : cell.paragraphs) {
        if (QString text = paragraphText(paragraph); !text.isEmpty())
            texts << text;
    }
    return texts.join(u' ');
}

void mergeParagraphRuns(RichTextParagraph &paragraph)
{
    QList<RichTextRun> merged;
    merged.reserve(paragraph.runs.size());
    for (RichTextRun &run : paragraph.runs) {
        if (!run.image && run.text.isEmpty())
            continue;
        if (!run.image && !merged.isEmpty() && !merged.back().image && merged.back().format == run.format)
            merged.back().text += run.text;
        else
            merged.append(std::move(run));
    }
    paragraph.runs = std::move(merged);
}

} // namespace

qsizetype RichTextTable::columnCount() const
{
    qsizetype count = 0;
    for (const RichTextTableRow &row : rows)
        count = std::max(count, row.cells.size());
    return count;
}

RichTextDocument RichTextDocument::fromPlainText(const QString &text)
{
    RichTextDocument document;
    QString normalised = text;
    normalised.replace(u"\r\n"_s, u"\n"_s);
    normalised.replace(u'\r', u'\n');
    for (const QString &line : normalised.split(u'\n')) {
        RichTextParagraph paragraph;
        if (!line.isEmpty())
            paragraph.runs.append(RichTextRun{line, {}, {}});
        document.blocks.append(paragraph);
    }
    return document;
}

QString RichTextDocument::toPlainText() const
{
    QStringList lines;
    for (const Block &block : blocks) {
        if (const auto *paragraph = std::get_if<RichTextParagraph>(&block)) {
            lines << paragraphText(*paragraph);
            continue;
        }
        for (const RichTextTableRow &row : std::get<RichTextTable>(block).rows) {
            QStringList cells;
            for (const RichTextTableCell &cell : row.cells)
                cells << cellText(cell);
            lines << cells.join(u'\t');
        }
    }
    return lines.join(u'\n');
}

void RichTextDocument::mergeRuns()
{
    for (Block &block : blocks) {
        if (auto *paragraph = std::get_if<RichTextParagraph>(&block)) {
            mergeParagraphRuns(*paragraph);
            continue;
        }
        for (RichTextTableRow &row : std::get<RichTextTable>(block).rows) {
            for (RichTextTableCell &cell : row.cells) {
                for (RichTextParagraph &paragraph : cell.paragraphs)
                    mergeParagraphRuns(paragraph);
            }
        }
    }
}

} // namespace Velmora
