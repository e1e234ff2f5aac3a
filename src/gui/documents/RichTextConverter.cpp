#include "gui/documents/RichTextConverter.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr double kTwipsPerPixel = 15.0; // at 96 dpi, as the editor lays text out
constexpr double kTwipsPerPoint = 20.0;

using Paragraph = RichTextParagraph;

// ----- core -> Qt -------------------------------------------------------------------------------

QTextCharFormat charFormat(const RichTextCharFormat &format)
{
    QTextCharFormat out;
    // Text in the document's default font names none: QTextDocument::defaultFont covers it.
    if (!format.fontFamily.isEmpty())
        out.setFontFamilies({format.fontFamily});
    out.setFontPointSize(format.fontHalfPoints / 2.0);
    out.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(format.italic);
    out.setFontUnderline(format.underline);
    out.setFontStrikeOut(format.strike);
    if (format.verticalAlignment == RichTextCharFormat::VerticalAlignment::Superscript)
        out.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (format.verticalAlignment == RichTextCharFormat::VerticalAlignment::Subscript)
        out.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (format.foreground)
        out.setForeground(QColor(QRgb(*format.foreground)));
    if (format.background)
        out.setBackground(QColor(QRgb(*format.background)));
    if (!format.anchorHref.isEmpty()) {
        out.setAnchor(true);
        out.setAnchorHref(format.anchorHref);
    }
    return out;
}

QTextBlockFormat blockFormat(const Paragraph &paragraph)
{
    QTextBlockFormat out;
    switch (paragraph.alignment) {
    case Paragraph::Alignment::Left: out.setAlignment(Qt::AlignLeft); break;
    case Paragraph::Alignment::Center: out.setAlignment(Qt::AlignHCenter); break;
    case Paragraph::Alignment::Right: out.setAlignment(Qt::AlignRight); break;
    case Paragraph::Alignment::Justify: out.setAlignment(Qt::AlignJustify); break;
    }
    out.setLeftMargin(paragraph.leftIndent / kTwipsPerPixel);
    out.setRightMargin(paragraph.rightIndent / kTwipsPerPixel);
    out.setTextIndent(paragraph.firstLineIndent / kTwipsPerPixel);
    out.setTopMargin(paragraph.spaceBefore / kTwipsPerPixel);
    out.setBottomMargin(paragraph.spaceAfter / kTwipsPerPixel);
    return out;
}

QTextListFormat::Style listStyle(Paragraph::ListKind kind)
{
    switch (kind) {
    case Paragraph::ListKind::Decimal: return QTextListFormat::ListDecimal;
    case Paragraph::ListKind::LowerAlpha: return QTextListFormat::ListLowerAlpha;
    case Paragraph::ListKind::UpperAlpha: return QTextListFormat::ListUpperAlpha;
    case Paragraph::ListKind::LowerRoman: return QTextListFormat::ListLowerRoman;
    case Paragraph::ListKind::UpperRoman: return QTextListFormat::ListUpperRoman;
    case Paragraph::ListKind::Bullet:
    case Paragraph::ListKind::None: break;
    }
    return QTextListFormat::ListDisc;
}

class Builder
{
public:
    explicit Builder(QTextDocument &document)
        : m_document(document)
        , m_cursor(&document)
    {
    }

    // Writes the paragraph into the current (empty) block of the cursor.
    void paragraph(const Paragraph &paragraph)
    {
        m_cursor.setBlockFormat(blockFormat(paragraph));
        m_cursor.setBlockCharFormat(charFormat(paragraph.markFormat));
        if (paragraph.listKind != Paragraph::ListKind::None)
            joinList(paragraph);
        else
            m_lastList = nullptr;
        for (const RichTextRun &run : paragraph.runs) {
            const QTextCharFormat format = charFormat(run.format);
            if (run.image)
                image(*run.image, format);
            else
                m_cursor.insertText(run.text, format);
        }
    }

    void table(const RichTextTable &table)
    {
        m_lastList = nullptr;
        const int rows = int(table.rows.size());
        const int columns = int(table.columnCount());
        if (rows == 0 || columns == 0)
            return;
        QTextTableFormat format;
        format.setCellPadding(2);
        format.setBorder(1);
        QVector<QTextLength> widths;
        const RichTextTableRow &first = table.rows.first();
        int left = 0;
        for (const RichTextTableCell &cell : first.cells) {
            widths << QTextLength(QTextLength::FixedLength, std::max(1, cell.rightEdge - left) / kTwipsPerPixel);
            left = cell.rightEdge;
        }
        format.setColumnWidthConstraints(widths);
        QTextTable *qtable = m_cursor.insertTable(rows, columns, format);
        for (int r = 0; r < rows; ++r) {
            const QList<RichTextTableCell> &cells = table.rows.at(r).cells;
            for (int c = 0; c < cells.size() && c < columns; ++c) {
                QTextCursor cellCursor = qtable->cellAt(r, c).firstCursorPosition();
                Builder inner(m_document);
                inner.m_cursor = cellCursor;
                bool firstParagraph = true;
                for (const Paragraph &paragraph : cells.at(c).paragraphs) {
                    if (!std::exchange(firstParagraph, false))
                        inner.m_cursor.insertBlock();
                    inner.paragraph(paragraph);
                }
            }
        }
        m_cursor = qtable->lastCursorPosition();
        m_cursor.movePosition(QTextCursor::NextBlock);
    }

    void nextBlock() { m_cursor.insertBlock(); }

private:
    void joinList(const Paragraph &paragraph)
    {
        const QTextListFormat::Style style = listStyle(paragraph.listKind);
        const int indent = paragraph.listLevel + 1;
        if (m_lastList && m_lastList->format().style() == style && m_lastList->format().indent() == indent) {
            m_lastList->add(m_cursor.block());
            return;
        }
        QTextListFormat format;
        format.setStyle(style);
        format.setIndent(indent);
        m_lastList = m_cursor.createList(format);
    }

    void image(const RichTextImage &image, const QTextCharFormat &base)
    {
        const QString name = u"velmora-image-%1"_s.arg(++m_images);
        QImage decoded;
        decoded.loadFromData(image.data, image.format == RichTextImage::Format::Png ? "PNG" : "JPEG");
        m_document.addResource(QTextDocument::ImageResource, QUrl(name), decoded);
        QTextImageFormat format;
        format.merge(base);
        format.setName(name);
        format.setWidth(image.widthTwips / kTwipsPerPixel);
        format.setHeight(image.heightTwips / kTwipsPerPixel);
        format.setProperty(QTextFormat::UserProperty, image.data);
        format.setProperty(QTextFormat::UserProperty + 1, int(image.format));
        m_cursor.insertImage(format);
    }

    QTextDocument &m_document;
    QTextCursor m_cursor;
    QTextList *m_lastList = nullptr;
    int m_images = 0;
};

// ----- Qt -> core -------------------------------------------------------------------------------

RichTextCharFormat coreFormat(const QTextCharFormat &format)
{
    RichTextCharFormat out;
    const QStringList families = format.fontFamilies().toStringList();
    out.fontFamily = families.value(0);
    if (format.hasProperty(QTextFormat::FontPointSize))
        out.fontHalfPoints = qRound(format.fontPointSize() * 2);
    out.bold = format.fontWeight() >= QFont::Bold;
    out.italic = format.fontItalic();
    out.underline = format.fontUnderline();
    out.strike = format.fontStrikeOut();
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        out.verticalAlignment = RichTextCharFormat::VerticalAlignment::Superscript;
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        out.verticalAlignment = RichTextCharFormat::VerticalAlignment::Subscript;
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        out.foreground = quint32(format.foreground().color().rgb() & 0xFFFFFF);
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        out.background = quint32(format.background().color().rgb() & 0xFFFFFF);
    if (format.isAnchor())
        out.anchorHref = format.anchorHref();
    return out;
}

Paragraph::ListKind listKind(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListDecimal: return Paragraph::ListKind::Decimal;
    case QTextListFormat::ListLowerAlpha: return Paragraph::ListKind::LowerAlpha;
    case QTextListFormat::ListUpperAlpha: return Paragraph::ListKind::UpperAlpha;
    case QTextListFormat::ListLowerRoman: return Paragraph::ListKind::LowerRoman;
    case QTextListFormat::ListUpperRoman: return Paragraph::ListKind::UpperRoman;
    default: return Paragraph::ListKind::Bullet;
    }
}

Paragraph coreParagraph(const QTextBlock &block)
{
    Paragraph out;
    const QTextBlockFormat layout = block.blockFormat();
    const Qt::Alignment alignment = layout.alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter)
        out.alignment = Paragraph::Alignment::Center;
    else if (alignment & Qt::AlignRight)
        out.alignment = Paragraph::Alignment::Right;
    else if (alignment & Qt::AlignJustify)
        out.alignment = Paragraph::Alignment::Justify;
    out.leftIndent = qRound(layout.leftMargin() * kTwipsPerPixel);
    out.rightIndent = qRound(layout.rightMargin() * kTwipsPerPixel);
    out.firstLineIndent = qRound(layout.textIndent() * kTwipsPerPixel);
    out.spaceBefore = qRound(layout.topMargin() * kTwipsPerPixel);
    out.spaceAfter = qRound(layout.bottomMargin() * kTwipsPerPixel);
    if (const QTextList *list = block.textList()) {
        out.listKind = listKind(list->format().style());
        out.listLevel = std::clamp(list->format().indent() - 1, 0, 8);
    }
    out.markFormat = coreFormat(block.charFormat());
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            const QTextImageFormat imageFormat = format.toImageFormat();
            RichTextImage image;
            image.data = imageFormat.property(QTextFormat::UserProperty).toByteArray();
            image.format = RichTextImage::Format(imageFormat.property(QTextFormat::UserProperty + 1).toInt());
            if (image.data.isEmpty()) { // a picture pasted into the editor: keep it as PNG
                const QImage pasted = block.document()->resource(QTextDocument::ImageResource, QUrl(imageFormat.name())).value<QImage>();
                QBuffer buffer(&image.data);
                buffer.open(QIODevice::WriteOnly);
                pasted.save(&buffer, "PNG");
                image.format = RichTextImage::Format::Png;
            }
            image.widthTwips = qRound(imageFormat.width() * kTwipsPerPixel);
            image.heightTwips = qRound(imageFormat.height() * kTwipsPerPixel);
            // One object replacement character per picture.
            for (int i = 0; i < fragment.length(); ++i)
                out.runs << RichTextRun{QString(), coreFormat(format), image};
            continue;
        }
        QString text = fragment.text();
        out.runs << RichTextRun{text, coreFormat(format), std::nullopt};
    }
    return out;
}

void readFrame(QTextFrame *frame, QList<RichTextDocument::Block> &blocks);

RichTextTable coreTable(QTextTable *table)
{
    RichTextTable out;
    const QVector<QTextLength> widths = table->format().columnWidthConstraints();
    for (int r = 0; r < table->rows(); ++r) {
        RichTextTableRow row;
        int edge = 0;
        for (int c = 0; c < table->columns(); ++c) {
            RichTextTableCell cell;
            const double width = c < widths.size() && widths.at(c).type() == QTextLength::FixedLength ? widths.at(c).rawValue() : 96.0;
            edge += std::max(1, qRound(width * kTwipsPerPixel));
            cell.rightEdge = edge;
            const QTextTableCell qcell = table->cellAt(r, c);
            for (auto it = qcell.begin(); !it.atEnd(); ++it) {
                if (it.currentBlock().isValid())
                    cell.paragraphs << coreParagraph(it.currentBlock());
            }
            row.cells << cell;
        }
        out.rows << row;
    }
    return out;
}

void readFrame(QTextFrame *frame, QList<RichTextDocument::Block> &blocks)
{
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame *child = it.currentFrame()) {
            if (auto *table = qobject_cast<QTextTable *>(child))
                blocks << coreTable(table);
            else
                readFrame(child, blocks);
        } else if (it.currentBlock().isValid()) {
            blocks << coreParagraph(it.currentBlock());
        }
    }
}

} // namespace

void RichTextConverter::toQTextDocument(const RichTextDocument &document, QTextDocument &target)
{
    target.clear();
    if (!document.defaultFontFamily.isEmpty()) {
        QFont font = target.defaultFont();
        font.setFamilies({document.defaultFontFamily});
        target.setDefaultFont(font);
    }
    Builder builder(target);
    bool first = true;
    for (const RichTextDocument::Block &block : document.blocks) {
        if (const auto *paragraph = std::get_if<Paragraph>(&block)) {
            if (!std::exchange(first, false))
                builder.nextBlock();
            builder.paragraph(*paragraph);
        } else {
            // A table sits between paragraphs: Qt keeps an empty block after it, which the next
            // paragraph fills.
            builder.table(std::get<RichTextTable>(block));
            first = true;
        }
    }
}

RichTextDocument RichTextConverter::fromQTextDocument(const QTextDocument &source)
{
    RichTextDocument document;
    const QStringList families = source.defaultFont().families();
    document.defaultFontFamily = families.value(0);
    readFrame(source.rootFrame(), document.blocks);
    document.mergeRuns();
    return document;
}

} // namespace Velmora
