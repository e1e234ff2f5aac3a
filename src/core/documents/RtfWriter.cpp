#include "core/documents/RtfWriter.h"

#include "core/common/CodePage.h"
#include "core/common/HexDigits.h"
#include "core/documents/RtfCharset.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <charconv>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

using ListKind = RichTextParagraph::ListKind;
using VerticalAlignment = RichTextCharFormat::VerticalAlignment;

constexpr int kListLevels = 9;
/// Width of a cell whose right edge is not right of the one before, as RtfReader reads it.
constexpr int kCellWidth = 1440;

/// Word's level number format (\levelnfc) of each list kind.
int levelFormat(ListKind kind)
{
    switch (kind) {
    case ListKind::UpperRoman: return 1;
    case ListKind::LowerRoman: return 2;
    case ListKind::UpperAlpha: return 3;
    case ListKind::LowerAlpha: return 4;
    case ListKind::Bullet: return 23;
    default: return 0;
    }
}

QByteArray roman(int number)
{
    static constexpr std::array<std::pair<int, const char *>, 13> kDigits = {{
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"}, {10, "x"}, {9, "ix"}, {5, "v"}, {4, "iv"}, {1, "i"},
    }};
    QByteArray text;
    for (const auto &[value, digits] : kDigits) {
        for (; number >= value; number -= value)
            text += digits;
    }
    return text;
}

QByteArray letters(int number)
{
    QByteArray text;
    for (; number > 0; number = (number - 1) / 26)
        text.prepend(char('a' + (number - 1) % 26));
    return text;
}

/// The visible number of a list item, as the rich-text control shows it before the text.
QByteArray itemNumber(ListKind kind, int number)
{
    switch (kind) {
    case ListKind::LowerAlpha: return letters(number) + '.';
    case ListKind::UpperAlpha: return letters(number).toUpper() + '.';
    case ListKind::LowerRoman: return roman(number) + '.';
    case ListKind::UpperRoman: return roman(number).toUpper() + '.';
    default: return QByteArray::number(number) + '.';
    }
}

QByteArray pnStyle(ListKind kind)
{
    switch (kind) {
    case ListKind::LowerAlpha: return "\\pnlcltr";
    case ListKind::UpperAlpha: return "\\pnucltr";
    case ListKind::LowerRoman: return "\\pnlcrm";
    case ListKind::UpperRoman: return "\\pnucrm";
    default: return "\\pndec";
    }
}

/// The Windows-1252 byte of a character, or -1 when it has none.
int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    static const std::array<char16_t, 32> high = [] {
        std::array<char16_t, 32> table{};
        for (int i = 0; i < 32; ++i)
            table[size_t(i)] = CodePage::toUnicode(static_cast<unsigned char>(0x80 + i)).unicode();
        return table;
    }();
    const auto found = std::find(high.begin(), high.end(), c);
    return found == high.end() ? -1 : 0x80 + int(found - high.begin());
}

QByteArray pngPixelSizeWords(const RichTextImage &image)
{
    int width = image.widthTwips / 15;
    int height = image.heightTwips / 15;
    const QByteArray &png = image.data;
    if (image.format == RichTextImage::Format::Png && png.size() >= 24) {
        auto be32 = [&png](int at) {
            return int(std::min<quint32>((quint32(quint8(png[at])) << 24) | (quint32(quint8(png[at + 1])) << 16)
                                             | (quint32(quint8(png[at + 2])) << 8) | quint32(quint8(png[at + 3])),
                                         1u << 20));
        };
        width = be32(16);
        height = be32(20);
    }
    return "\\picw" + QByteArray::number(width) + "\\pich" + QByteArray::number(height);
}

class Writer
{
public:
    explicit Writer(const RichTextDocument &document) : m_document(document) {}
    QByteArray write();

private:
    void collect(const RichTextParagraph &paragraph);
    void header();
    void listTables();
    void paragraph(const RichTextParagraph &paragraph, bool inTable, const char *end);
    void listItem(const RichTextParagraph &paragraph);
    void table(const RichTextTable &table);
    void runs(const QList<RichTextRun> &runs);
    void run(const RichTextRun &run);
    void image(const RichTextImage &image);
    void charFormat(const RichTextCharFormat &format);
    void text(QStringView text, bool pictureFont);
    void word(const char *name);
    void word(const char *name, qint64 value);
    void raw(const QByteArray &bytes);
    void raw(const char *bytes) { m_out += bytes; m_afterWord = false; }
    void appendNumber(qint64 value);
    int fontIndex(const QString &family) const { return family.isEmpty() ? 0 : m_fonts.value(family, 0); }
    int colourIndex(quint32 rgb) const { return m_colours.value(rgb, 0); }

    const RichTextDocument &m_document;
    QByteArray m_out;
    bool m_afterWord = false;
    QHash<QString, int> m_fonts;
    QStringList m_fontNames;
    QHash<quint32, int> m_colours;
    QList<quint32> m_colourList;
    QList<ListKind> m_listKinds; // \ls N is m_listKinds[N - 1]
    std::array<int, kListLevels> m_counters = {};
    std::array<ListKind, kListLevels> m_counterKinds = {};
    bool m_previousWasItem = false;
};

QByteArray Writer::write()
{
    m_fontNames << m_document.defaultFontFamily;
    for (const RichTextDocument::Block &block : m_document.blocks) {
        if (const auto *p = std::get_if<RichTextParagraph>(&block)) {
            collect(*p);
            continue;
        }
        for (const RichTextTableRow &row : std::get<RichTextTable>(block).rows) {
            for (const RichTextTableCell &cell : row.cells) {
                for (const RichTextParagraph &p : cell.paragraphs)
                    collect(p);
            }
        }
    }
    header();
    for (const RichTextDocument::Block &block : m_document.blocks) {
        if (const auto *p = std::get_if<RichTextParagraph>(&block))
            paragraph(*p, false, "par");
        else
            table(std::get<RichTextTable>(block));
    }
    raw("}\r\n");
    return m_out;
}

void Writer::collect(const RichTextParagraph &paragraph)
{
    auto addFormat = [this](const RichTextCharFormat &format) {
        if (!format.fontFamily.isEmpty() && !m_fonts.contains(format.fontFamily)
            && format.fontFamily != m_document.defaultFontFamily) {
            m_fonts.insert(format.fontFamily, int(m_fontNames.size()));
            m_fontNames << format.fontFamily;
        }
        for (const auto &colour : {format.foreground, format.background}) {
            if (colour && !m_colours.contains(*colour & 0xFFFFFF)) {
                m_colours.insert(*colour & 0xFFFFFF, int(m_colourList.size()) + 1);
                m_colourList << (*colour & 0xFFFFFF);
            }
        }
    };
    addFormat(paragraph.markFormat);
    for (const RichTextRun &r : paragraph.runs)
        addFormat(r.format);
    if (paragraph.listKind != ListKind::None && !m_listKinds.contains(paragraph.listKind))
        m_listKinds << paragraph.listKind;
}

void Writer::header()
{
    raw("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl");
    for (qsizetype i = 0; i < m_fontNames.size(); ++i) {
        raw("{");
        word("f", i);
        word("fnil");
        const int codePage = RtfCharset::codePageOf(0, m_fontNames.at(i), 1252);
        word("fcharset", codePage == RtfCharset::SymbolFont || codePage == RtfCharset::WingdingsFont ? 2 : 0);
        const QStringList parts = m_fontNames.at(i).split(u';'); // a ";" would end the name
        for (qsizetype part = 0; part < parts.size(); ++part) {
            if (part > 0)
                raw("\\u59?");
            text(parts.at(part), false);
        }
        raw(";}");
    }
    raw("}\r\n{\\colortbl;");
    for (quint32 rgb : std::as_const(m_colourList)) {
        word("red", (rgb >> 16) & 0xFF);
        word("green", (rgb >> 8) & 0xFF);
        word("blue", rgb & 0xFF);
        raw(";");
    }
    raw("}\r\n");
    listTables();
    word("viewkind", 4);
    raw("\r\n");
}

void Writer::listTables()
{
    if (m_listKinds.isEmpty())
        return;
    raw("{\\*\\listtable");
    for (qsizetype i = 0; i < m_listKinds.size(); ++i) {
        const int format = levelFormat(m_listKinds.at(i));
        raw("\r\n{");
        word("list");
        word("listtemplateid", 1000 + i);
        for (int level = 0; level < kListLevels; ++level) {
            raw("{");
            word("listlevel");
            word("levelnfc", format);
            word("levelnfcn", format);
            word("leveljc", 0);
            word("levelfollow", 0);
            word("levelstartat", 1);
            if (format == 23) {
                raw("{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}");
            } else {
                raw("{\\leveltext\\'02\\'0" + QByteArray::number(level) + ".;}{\\levelnumbers\\'01;}");
            }
            word("fi", -360);
            word("li", 720 * (level + 1));
            raw("}");
        }
        word("listid", 1000 + i);
        raw("}");
    }
    raw("}\r\n{\\*\\listoverridetable");
    for (qsizetype i = 0; i < m_listKinds.size(); ++i) {
        raw("{");
        word("listoverride");
        word("listid", 1000 + i);
        word("listoverridecount", 0);
        word("ls", i + 1);
        raw("}");
    }
    raw("}\r\n");
}

void Writer::paragraph(const RichTextParagraph &paragraph, bool inTable, const char *end)
{
    word("pard");
    word("plain");
    if (inTable)
        word("intbl");
    switch (paragraph.alignment) {
    case RichTextParagraph::Alignment::Left: break;
    case RichTextParagraph::Alignment::Center: word("qc"); break;
    case RichTextParagraph::Alignment::Right: word("qr"); break;
    case RichTextParagraph::Alignment::Justify: word("qj"); break;
    }
    if (paragraph.leftIndent != 0)
        word("li", paragraph.leftIndent);
    if (paragraph.rightIndent != 0)
        word("ri", paragraph.rightIndent);
    if (paragraph.firstLineIndent != 0)
        word("fi", paragraph.firstLineIndent);
    if (paragraph.spaceBefore != 0)
        word("sb", paragraph.spaceBefore);
    if (paragraph.spaceAfter != 0)
        word("sa", paragraph.spaceAfter);
    listItem(paragraph);
    runs(paragraph.runs);
    RichTextCharFormat mark = paragraph.markFormat;
    mark.anchorHref.clear();
    charFormat(mark);
    word(end);
    raw("\r\n");
}

// The rich-text control's form first ({\pntext} is the number as text, for readers without
// lists), then Word's (\ls, \ilvl).
void Writer::listItem(const RichTextParagraph &paragraph)
{
    const ListKind kind = paragraph.listKind;
    if (kind == ListKind::None) {
        m_counters.fill(0);
        m_previousWasItem = false;
        return;
    }
    const int level = std::clamp(paragraph.listLevel, 0, kListLevels - 1);
    const bool starts = !m_previousWasItem || m_counterKinds[size_t(level)] != kind || m_counters[size_t(level)] == 0;
    if (m_counterKinds[size_t(level)] != kind)
        m_counters[size_t(level)] = 0;
    m_counterKinds[size_t(level)] = kind;
    const int number = ++m_counters[size_t(level)];
    std::fill(m_counters.begin() + level + 1, m_counters.end(), 0);
    m_previousWasItem = true;

    raw("{");
    word("pntext");
    if (kind == ListKind::Bullet)
        raw("\\'95");
    else
        text(QString::fromLatin1(itemNumber(kind, number)), false);
    word("tab");
    raw("}{\\*");
    word("pn");
    if (kind == ListKind::Bullet) {
        word("pnlvlblt");
    } else {
        word("pnlvlbody");
        raw(pnStyle(kind));
        m_afterWord = true;
        if (starts)
            word("pnstart", 1);
    }
    word("pnindent", 360);
    raw(kind == ListKind::Bullet ? "{\\pntxtb\\'95}}" : "{\\pntxta .}}");
    m_afterWord = false;
    word("ls", m_listKinds.indexOf(kind) + 1);
    word("ilvl", level);
}

void Writer::table(const RichTextTable &table)
{
    for (const RichTextTableRow &row : table.rows) {
        word("trowd");
        word("trgaph", 108);
        qint64 edge = 0;
        for (const RichTextTableCell &cell : row.cells) {
            edge = cell.rightEdge > edge ? cell.rightEdge : edge + kCellWidth;
            for (const char *side : {"clbrdrt", "clbrdrl", "clbrdrb", "clbrdrr"}) {
                word(side);
                word("brdrs");
                word("brdrw", 10);
            }
            word("cellx", edge);
        }
        raw("\r\n");
        for (const RichTextTableCell &cell : row.cells) {
            if (cell.paragraphs.isEmpty())
                paragraph(RichTextParagraph{}, true, "cell");
            for (qsizetype i = 0; i < cell.paragraphs.size(); ++i)
                paragraph(cell.paragraphs.at(i), true, i + 1 == cell.paragraphs.size() ? "cell" : "par");
        }
        word("row");
        raw("\r\n");
    }
}

// Runs with one hyperlink target go into one HYPERLINK field; a "#name" target is a bookmark.
void Writer::runs(const QList<RichTextRun> &runs)
{
    for (qsizetype i = 0; i < runs.size();) {
        const QString &href = runs.at(i).format.anchorHref;
        if (href.isEmpty()) {
            run(runs.at(i++));
            continue;
        }
        QString target = href;
        target.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
        raw("{\\field{\\*\\fldinst HYPERLINK ");
        if (target.size() > 1 && target.startsWith(u'#'))
            text(u"\\l \""_s + target.sliced(1) + u"\" "_s, false);
        else
            text(u'"' + target + u"\" "_s, false);
        raw("}{\\fldrslt{");
        for (; i < runs.size() && runs.at(i).format.anchorHref == href; ++i)
            run(runs.at(i));
        raw("}}}");
    }
}

void Writer::run(const RichTextRun &run)
{
    if (!run.image && run.text.isEmpty())
        return;
    RichTextCharFormat format = run.format;
    format.anchorHref.clear();
    raw("{");
    charFormat(format);
    if (run.image)
        image(*run.image);
    const QString &family = format.fontFamily.isEmpty() ? m_document.defaultFontFamily : format.fontFamily;
    const int codePage = RtfCharset::codePageOf(0, family, 1252);
    text(run.text, codePage == RtfCharset::SymbolFont || codePage == RtfCharset::WingdingsFont);
    raw("}");
}

void Writer::image(const RichTextImage &image)
{
    raw("{");
    word("pict");
    word(image.format == RichTextImage::Format::Png ? "pngblip" : "jpegblip");
    raw(pngPixelSizeWords(image));
    if (image.widthTwips > 0)
        word("picwgoal", image.widthTwips);
    if (image.heightTwips > 0)
        word("pichgoal", image.heightTwips);
    raw(" ");
    const QByteArray hex = image.data.toHex();
    for (qsizetype at = 0; at < hex.size(); at += 128) {
        raw("\r\n");
        raw(hex.sliced(at, std::min<qsizetype>(128, hex.size() - at)));
    }
    raw("}");
}

// Only what differs from \plain: the font, its size and the effects that are on. Every run is
// a group of its own and every paragraph starts with \plain, so no \nosupersub is ever needed.
void Writer::charFormat(const RichTextCharFormat &format)
{
    if (const int font = fontIndex(format.fontFamily); font != 0)
        word("f", font);
    if (format.fontHalfPoints != 24)
        word("fs", format.fontHalfPoints);
    if (format.bold)
        word("b");
    if (format.italic)
        word("i");
    if (format.underline)
        word("ul");
    if (format.strike)
        word("strike");
    if (format.verticalAlignment == VerticalAlignment::Superscript)
        word("super");
    else if (format.verticalAlignment == VerticalAlignment::Subscript)
        word("sub");
    if (format.foreground)
        word("cf", colourIndex(*format.foreground & 0xFFFFFF));
    if (format.background)
        word("highlight", colourIndex(*format.background & 0xFFFFFF));
}

// Picture fonts (Symbol, Wingdings) get every character as \uN, since a reader maps their
// bytes to other signs.
void Writer::text(QStringView text, bool pictureFont)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\t' || u == QChar::LineSeparator || u == u'\n' || u == u'\r') {
            word(u == u'\t' ? "tab" : "line");
            continue;
        }
        if (u < 0x20)
            continue;
        if (u == u'\\' || u == u'{' || u == u'}') {
            const char escaped[] = {'\\', char(u), '\0'};
            raw(escaped);
            continue;
        }
        if (m_afterWord) {
            m_out += ' ';
            m_afterWord = false;
        }
        if (!pictureFont && u < 0x80) {
            m_out += char(u);
        } else if (u == 0x00A0 || u == 0x00AD || u == 0x2011) {
            raw(u == 0x00A0 ? "\\~" : u == 0x00AD ? "\\-" : "\\_");
        } else if (const int byte = pictureFont ? -1 : windows1252Byte(u); byte >= 0) {
            const char escaped[] = {'\\', '\'', hexDigit(byte >> 4), hexDigit(byte), '\0'};
            raw(escaped);
        } else {
            m_out += "\\u";
            appendNumber(qint16(u));
            raw("?");
        }
    }
}

void Writer::word(const char *name)
{
    m_out += '\\';
    m_out += name;
    m_afterWord = true;
}

void Writer::word(const char *name, qint64 value)
{
    m_out += '\\';
    m_out += name;
    appendNumber(value);
    m_afterWord = true;
}

void Writer::appendNumber(qint64 value)
{
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    m_out.append(digits, result.ptr - digits);
}

void Writer::raw(const QByteArray &bytes)
{
    m_out += bytes;
    m_afterWord = false;
}

} // namespace

QByteArray RtfWriter::write(const RichTextDocument &document)
{
    return Writer(document).write();
}

} // namespace Velmora
