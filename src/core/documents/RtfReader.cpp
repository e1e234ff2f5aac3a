#include "core/documents/RtfReader.h"

#include "core/common/CodePage.h"
#include "core/common/HexDigits.h"
#include "core/documents/RtfCharset.h"
#include "core/documents/RtfControlWords.h"
#include "core/documents/RtfDocumentBuilder.h"
#include "core/documents/RtfField.h"
#include "core/documents/RtfPicture.h"
#include "core/documents/RtfTables.h"

#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

using ListKind = RichTextParagraph::ListKind;
using Alignment = RichTextParagraph::Alignment;
using Script = RichTextCharFormat::VerticalAlignment;

enum class Destination { Body, FontTable, ColorTable, ListTable, ListOverrideTable, FieldInstruction, Picture, Pn };

struct ParagraphState
{
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool inTable = false;
    int listOverride = 0;
    int listLevel = 0;
    ListKind pnKind = ListKind::None;
    int pnLevel = 0;
};

/// What a group inherits and restores on its end: RTF's character and paragraph formats are
/// scoped by groups.
struct GroupState
{
    Destination destination = Destination::Body;
    RichTextCharFormat format; // fontFamily and anchorHref are filled in by compose()
    int font = -1;             // -1: the default font (\deff)
    bool hidden = false;
    QString href;
    ParagraphState paragraph;
    int unicodeSkip = 1;
    qsizetype fieldDepth = 0;
};

struct PnState
{
    bool bullet = false;
    bool cont = false;
    int level = 0;
    ListKind style = ListKind::Decimal;
};

enum class Failure { None, NotRtf, TooDeep };

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

/// Control characters other than the tab have no place in a document.
bool isTextChar(QChar c)
{
    return c.unicode() >= 0x20 || c == u'\t';
}

bool isDestination(RtfWord word)
{
    switch (word) {
    case RtfWord::Skip:
    case RtfWord::FontTable:
    case RtfWord::ColorTable:
    case RtfWord::ListTable:
    case RtfWord::ListOverrideTable:
    case RtfWord::Field:
    case RtfWord::FieldInstruction:
    case RtfWord::FieldResult:
    case RtfWord::Picture:
    case RtfWord::Transparent:
    case RtfWord::Pn:
        return true;
    default:
        return false;
    }
}

/// One pass over the bytes; control words change the top group's state, text goes to the
/// builder (or to the table being read when the group is a font, colour or list table).
class RtfParser
{
public:
    RtfParser(QByteArrayView data, const RtfReader::Limits &limits) : m_data(data), m_limits(limits) {}

    std::optional<RichTextDocument> parse();
    Failure failure() const { return m_failure; }
    qsizetype failureOffset() const { return m_failureOffset; }

private:
    GroupState &top() { return m_states.back(); }
    bool openGroup();
    void closeGroup();
    void skipGroup();
    void controlSequence();
    void controlWord();
    void controlSymbol();
    void dispatch(RtfControl control, bool hasParam, int param);
    bool documentWord(RtfWord word, bool hasParam, int param);
    bool destinationWord(RtfWord word);
    void bodyWord(RtfControl control, bool hasParam, int param);
    void tableWord(RtfWord word, int param);
    void pnWord(RtfWord word, int param);
    void binaryData(int count);
    void text();
    void handleBytes(QByteArrayView bytes);
    void bodyBytes(QByteArrayView bytes);
    void appendChar(QChar c);
    void flushPending();
    void compose();
    RichTextParagraph layout();
    ListKind listKind(const ParagraphState &paragraph, int &level) const;
    QString familyOf(int font) const;
    void endPicture();
    void endDestination(const GroupState &ended);

    QByteArrayView m_data;
    RtfReader::Limits m_limits;
    qsizetype m_pos = 0;
    bool m_done = false;
    Failure m_failure = Failure::None;
    qsizetype m_failureOffset = 0;

    std::vector<GroupState> m_states; // not QList: top() runs for every token and must not check for sharing
    bool m_star = false;
    int m_skipChars = 0;
    int m_defaultFont = 0;
    QString m_defaultFamily;
    bool m_defaultFamilyFixed = false;

    RtfTables m_tables;
    QList<QString> m_fieldInstructions;
    RtfPicture m_picture;
    int m_pictureCount = 0;
    PnState m_pn;

    RtfCharset m_charset;
    QByteArray m_pending;
    int m_pendingCodePage = 1252;
    bool m_dirty = true;
    RichTextCharFormat m_composed;
    quint64 m_composedKey = 0;
    int m_codePage = 1252;
    RtfDocumentBuilder m_builder;
};

std::optional<RichTextDocument> RtfParser::parse()
{
    while (m_pos < m_data.size() && (m_data[m_pos] == ' ' || m_data[m_pos] == '\t' || m_data[m_pos] == '\r'
                                     || m_data[m_pos] == '\n'))
        ++m_pos;
    if (!m_data.sliced(m_pos).startsWith("{\\rtf")) {
        m_failure = Failure::NotRtf;
        m_failureOffset = m_pos;
        return std::nullopt;
    }
    while (m_pos < m_data.size() && !m_done) {
        switch (m_data[m_pos]) {
        case '{':
            if (!openGroup())
                return std::nullopt;
            break;
        case '}':
            ++m_pos;
            closeGroup();
            break;
        case '\\':
            controlSequence();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            text();
        }
    }
    flushPending();
    compose();
    RichTextDocument document = m_builder.finish(layout(), top().paragraph.inTable);
    document.defaultFontFamily = m_defaultFamily;
    return document;
}

bool RtfParser::openGroup()
{
    flushPending();
    m_skipChars = 0;
    m_star = false;
    if (m_states.size() >= size_t(std::max(m_limits.maxDepth, 1))) {
        m_failure = Failure::TooDeep;
        m_failureOffset = m_pos;
        return false;
    }
    GroupState state = m_states.empty() ? GroupState{} : m_states.back();
    m_states.push_back(std::move(state));
    ++m_pos;
    return true;
}

void RtfParser::closeGroup()
{
    flushPending();
    m_skipChars = 0;
    m_star = false;
    if (m_states.size() <= 1) { // the document's group: what follows it is not RTF
        m_done = true;
        return;
    }
    const GroupState ended = std::move(m_states.back());
    m_states.pop_back();
    endDestination(ended);
    if (top().fieldDepth < m_fieldInstructions.size())
        m_fieldInstructions.resize(top().fieldDepth);
    m_dirty = true;
}

void RtfParser::endDestination(const GroupState &ended)
{
    const Destination outer = top().destination;
    switch (ended.destination) {
    case Destination::FontTable:
        m_tables.endFont();
        // Text already read names its fonts against the default: that stays as it was.
        if (outer != Destination::FontTable && !m_defaultFamilyFixed)
            m_defaultFamily = m_tables.font(m_defaultFont) ? m_tables.font(m_defaultFont)->name : QString();
        break;
    case Destination::Picture:
        if (outer != Destination::Picture)
            endPicture();
        break;
    case Destination::Pn:
        if (outer != Destination::Pn) {
            top().paragraph.pnKind = m_pn.cont ? ListKind::None : m_pn.bullet ? ListKind::Bullet : m_pn.style;
            top().paragraph.pnLevel = m_pn.level;
        }
        break;
    default:
        break;
    }
}

// Skips the rest of the current group without looking inside, but for \bin data, whose bytes
// may hold braces.
void RtfParser::skipGroup()
{
    int depth = 1;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '{') {
            ++depth;
            ++m_pos;
        } else if (c == '}') {
            ++m_pos;
            if (--depth == 0) {
                closeGroup();
                return;
            }
        } else if (c == '\\' && m_pos + 1 < m_data.size() && isLetter(m_data[m_pos + 1])) {
            const qsizetype start = ++m_pos;
            while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
                ++m_pos;
            if (m_data.sliced(start, m_pos - start) == "bin") {
                qint64 count = 0;
                while (m_pos < m_data.size() && m_data[m_pos] >= '0' && m_data[m_pos] <= '9')
                    count = std::min<qint64>(count * 10 + (m_data[m_pos++] - '0'), m_data.size());
                if (m_pos < m_data.size() && m_data[m_pos] == ' ')
                    ++m_pos;
                m_pos += std::min<qint64>(count, m_data.size() - m_pos);
            }
        } else {
            m_pos += c == '\\' ? 2 : 1;
        }
    }
}

void RtfParser::controlSequence()
{
    if (m_pos + 1 >= m_data.size()) {
        m_pos = m_data.size();
        return;
    }
    if (isLetter(m_data[m_pos + 1]))
        controlWord();
    else
        controlSymbol();
}

void RtfParser::controlWord()
{
    const qsizetype start = ++m_pos;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
        ++m_pos;
    const QByteArrayView name = m_data.sliced(start, m_pos - start);
    bool negative = false;
    if (m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && m_data[m_pos + 1] >= '0' && m_data[m_pos + 1] <= '9') {
        negative = true;
        ++m_pos;
    }
    bool hasParam = false;
    qint64 value = 0;
    while (m_pos < m_data.size() && m_data[m_pos] >= '0' && m_data[m_pos] <= '9') {
        hasParam = true;
        value = std::min<qint64>(value * 10 + (m_data[m_pos++] - '0'), std::numeric_limits<int>::max());
    }
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos;
    const int param = int(negative ? -value : value);
    if (m_skipChars > 0) { // a stand-in for the \u character before it
        --m_skipChars;
        if (name == "bin" && hasParam)
            m_pos += std::min<qint64>(std::max(param, 0), m_data.size() - m_pos);
        return;
    }
    flushPending();
    dispatch(name.size() <= 32 ? lookupRtfControlWord(name) : RtfControl{}, hasParam, param);
}

void RtfParser::controlSymbol()
{
    const char symbol = m_data[m_pos + 1];
    m_pos += 2;
    if (symbol == '\'') {
        const int high = m_pos < m_data.size() ? hexValue(m_data[m_pos]) : -1;
        const int low = high >= 0 && m_pos + 1 < m_data.size() ? hexValue(m_data[m_pos + 1]) : -1;
        m_pos += high < 0 ? 0 : low < 0 ? 1 : 2;
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        if (low >= 0) {
            const char byte = char(high * 16 + low);
            handleBytes(QByteArrayView(&byte, 1));
        }
        return;
    }
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    flushPending();
    switch (symbol) {
    case '*':
        m_star = true;
        return;
    case '\\':
    case '{':
    case '}':
        appendChar(QChar(char16_t(symbol)));
        return;
    case '~':
        appendChar(QChar(0x00A0));
        return;
    case '-':
        appendChar(QChar(0x00AD));
        return;
    case '_':
        appendChar(QChar(0x2011));
        return;
    case '\t':
        appendChar(u'\t');
        return;
    case '\r':
    case '\n':
        dispatch(RtfControl{RtfWord::Par, 0}, false, 0);
        return;
    default:
        return;
    }
}

void RtfParser::dispatch(RtfControl control, bool hasParam, int param)
{
    if (m_star) {
        m_star = false;
        if (!isDestination(control.word)) { // "{\*\...}": a destination we do not know
            skipGroup();
            return;
        }
    }
    if (documentWord(control.word, hasParam, param) || destinationWord(control.word))
        return;
    switch (top().destination) {
    case Destination::Body:
        bodyWord(control, hasParam, param);
        return;
    case Destination::FontTable:
    case Destination::ColorTable:
    case Destination::ListTable:
    case Destination::ListOverrideTable:
        tableWord(control.word, param);
        return;
    case Destination::Picture:
        m_picture.word(control.word, hasParam, param);
        return;
    case Destination::Pn:
        pnWord(control.word, param);
        return;
    case Destination::FieldInstruction:
        if (control.word == RtfWord::Character)
            appendChar(QChar(control.character));
        else if (control.word == RtfWord::Tab)
            appendChar(u'\t');
        return;
    }
}

bool RtfParser::documentWord(RtfWord word, bool hasParam, int param)
{
    switch (word) {
    case RtfWord::Ansi:
        m_tables.ansiCodePage = 1252;
        return true;
    case RtfWord::Mac:
        m_tables.ansiCodePage = 10000;
        return true;
    case RtfWord::Pc:
        m_tables.ansiCodePage = 437;
        return true;
    case RtfWord::Pca:
        m_tables.ansiCodePage = 850;
        return true;
    case RtfWord::AnsiCpg:
        if (param > 0)
            m_tables.ansiCodePage = param;
        return true;
    case RtfWord::Deff:
        m_defaultFont = param;
        return true;
    case RtfWord::Uc:
        top().unicodeSkip = std::clamp(param, 0, 16);
        return true;
    case RtfWord::U:
        if (hasParam) {
            appendChar(QChar(char16_t(param < 0 ? param + 65536 : param)));
            m_skipChars = top().unicodeSkip;
        }
        return true;
    case RtfWord::Bin:
        binaryData(param);
        return true;
    default:
        return false;
    }
}

bool RtfParser::destinationWord(RtfWord word)
{
    GroupState &state = top();
    switch (word) {
    case RtfWord::Skip:
        skipGroup();
        return true;
    case RtfWord::Transparent:
        return true;
    case RtfWord::FontTable:
        state.destination = Destination::FontTable;
        m_tables.startFonts();
        return true;
    case RtfWord::ColorTable:
        state.destination = Destination::ColorTable;
        m_tables.startColours();
        return true;
    case RtfWord::ListTable:
        state.destination = Destination::ListTable;
        return true;
    case RtfWord::ListOverrideTable:
        state.destination = Destination::ListOverrideTable;
        return true;
    case RtfWord::Field:
        m_fieldInstructions.append(QString());
        state.fieldDepth = m_fieldInstructions.size();
        return true;
    case RtfWord::FieldInstruction:
        if (m_fieldInstructions.isEmpty() || state.destination != Destination::Body)
            skipGroup();
        else
            state.destination = Destination::FieldInstruction;
        return true;
    case RtfWord::FieldResult:
        if (state.destination == Destination::Body && !m_fieldInstructions.isEmpty()) {
            state.href = RtfField::hyperlinkTarget(m_fieldInstructions.back());
            m_dirty = true;
        }
        return true;
    case RtfWord::Picture:
        if (state.destination != Destination::Body) {
            skipGroup();
            return true;
        }
        state.destination = Destination::Picture;
        m_picture = RtfPicture(m_limits.maxPictureBytes);
        return true;
    case RtfWord::Pn:
        if (state.destination != Destination::Body) {
            skipGroup();
            return true;
        }
        state.destination = Destination::Pn;
        m_pn = PnState{};
        return true;
    default:
        return false;
    }
}

void RtfParser::bodyWord(RtfControl control, bool hasParam, int param)
{
    GroupState &state = top();
    RichTextCharFormat &format = state.format;
    ParagraphState &paragraph = state.paragraph;
    const bool on = !hasParam || param != 0;
    switch (control.word) {
    case RtfWord::Plain:
        format = RichTextCharFormat{};
        state.font = -1;
        state.hidden = false;
        break;
    case RtfWord::Bold: format.bold = on; break;
    case RtfWord::Italic: format.italic = on; break;
    case RtfWord::Underline: format.underline = on; break;
    case RtfWord::UnderlineNone: format.underline = false; break;
    case RtfWord::Strike: format.strike = on; break;
    case RtfWord::FontSize:
        if (param > 0)
            format.fontHalfPoints = std::min(param, 3276);
        break;
    case RtfWord::Font: state.font = param; break;
    case RtfWord::Foreground: format.foreground = m_tables.colour(param); break;
    case RtfWord::Background: format.background = m_tables.colour(param); break;
    case RtfWord::Superscript: format.verticalAlignment = on ? Script::Superscript : Script::Normal; break;
    case RtfWord::Subscript: format.verticalAlignment = on ? Script::Subscript : Script::Normal; break;
    case RtfWord::NoSuperSub: format.verticalAlignment = Script::Normal; break;
    case RtfWord::Up:
    case RtfWord::Down: {
        // Text raised or lowered by N half-points (6 when N is not given) is shown as superscript
        // or subscript: the editor knows no other offset.
        const int shift = (hasParam ? param : 6) * (control.word == RtfWord::Up ? 1 : -1);
        format.verticalAlignment = shift > 0 ? Script::Superscript : shift < 0 ? Script::Subscript : Script::Normal;
        break;
    }
    case RtfWord::Hidden: state.hidden = on; break;
    case RtfWord::Pard: paragraph = ParagraphState{}; return;
    case RtfWord::AlignLeft: paragraph.alignment = Alignment::Left; return;
    case RtfWord::AlignCenter: paragraph.alignment = Alignment::Center; return;
    case RtfWord::AlignRight: paragraph.alignment = Alignment::Right; return;
    case RtfWord::AlignJustify: paragraph.alignment = Alignment::Justify; return;
    case RtfWord::LeftIndent: paragraph.leftIndent = param; return;
    case RtfWord::RightIndent: paragraph.rightIndent = param; return;
    case RtfWord::FirstIndent: paragraph.firstLineIndent = param; return;
    case RtfWord::SpaceBefore: paragraph.spaceBefore = param; return;
    case RtfWord::SpaceAfter: paragraph.spaceAfter = param; return;
    case RtfWord::InTable: paragraph.inTable = true; return;
    case RtfWord::TableLevel: paragraph.inTable = param > 0; return;
    case RtfWord::ListOverrideNumber: paragraph.listOverride = param; return;
    case RtfWord::ListLevelNumber: paragraph.listLevel = std::clamp(param, 0, 8); return;
    case RtfWord::Par: m_builder.endParagraph(layout(), paragraph.inTable); return;
    case RtfWord::Page:
    case RtfWord::Section: m_builder.endParagraphIfNotEmpty(layout(), paragraph.inTable); return;
    case RtfWord::Cell: m_builder.endCell(layout()); return;
    case RtfWord::NestedCell: m_builder.endParagraph(layout(), true); return;
    case RtfWord::Row: m_builder.endRow(); return;
    case RtfWord::RowDefaults: m_builder.clearCellEdges(); return;
    case RtfWord::CellEdge: m_builder.addCellEdge(param); return;
    case RtfWord::Line: appendChar(QChar::LineSeparator); return;
    case RtfWord::Tab: appendChar(u'\t'); return;
    case RtfWord::Character: appendChar(QChar(control.character)); return;
    default: return;
    }
    m_dirty = true;
}

void RtfParser::tableWord(RtfWord word, int param)
{
    switch (top().destination) {
    case Destination::FontTable: m_tables.fontWord(word, param); return;
    case Destination::ColorTable: m_tables.colourWord(word, param); return;
    case Destination::ListTable: m_tables.listWord(word, param); return;
    case Destination::ListOverrideTable: m_tables.listOverrideWord(word, param); return;
    default: return;
    }
}

void RtfParser::pnWord(RtfWord word, int param)
{
    switch (word) {
    case RtfWord::PnBullet: m_pn.bullet = true; return;
    case RtfWord::PnContinue: m_pn.cont = true; return;
    case RtfWord::PnLevel: m_pn.level = std::clamp(param - 1, 0, 8); return;
    case RtfWord::PnDecimal: m_pn.style = ListKind::Decimal; return;
    case RtfWord::PnUpperAlpha: m_pn.style = ListKind::UpperAlpha; return;
    case RtfWord::PnLowerAlpha: m_pn.style = ListKind::LowerAlpha; return;
    case RtfWord::PnUpperRoman: m_pn.style = ListKind::UpperRoman; return;
    case RtfWord::PnLowerRoman: m_pn.style = ListKind::LowerRoman; return;
    default: return;
    }
}

void RtfParser::binaryData(int count)
{
    const qsizetype length = std::min<qint64>(std::max(count, 0), m_data.size() - m_pos);
    if (top().destination == Destination::Picture)
        m_picture.binary(m_data.sliced(m_pos, length));
    m_pos += length;
}

void RtfParser::text()
{
    const qsizetype start = m_pos;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    QByteArrayView bytes = m_data.sliced(start, m_pos - start);
    if (m_skipChars > 0) {
        const qsizetype skipped = std::min<qsizetype>(m_skipChars, bytes.size());
        m_skipChars -= int(skipped);
        bytes = bytes.sliced(skipped);
    }
    m_star = false;
    if (!bytes.isEmpty())
        handleBytes(bytes);
}

void RtfParser::handleBytes(QByteArrayView bytes)
{
    switch (top().destination) {
    case Destination::Body:
        bodyBytes(bytes);
        return;
    case Destination::FontTable:
        m_tables.fontText(bytes);
        return;
    case Destination::ColorTable:
        m_tables.colourText(bytes);
        return;
    case Destination::FieldInstruction: {
        QString text = CodePage::toUnicode(bytes);
        text.removeIf([](QChar c) { return !isTextChar(c); });
        m_fieldInstructions.back() += text;
        return;
    }
    case Destination::Picture:
        m_picture.hexText(bytes);
        return;
    default:
        return;
    }
}

// Text in the document: ASCII in the usual code page goes to the builder as it stands; bytes
// of other code pages wait in m_pending, since a double-byte character may come as two \'hh.
void RtfParser::bodyBytes(QByteArrayView bytes)
{
    if (top().hidden)
        return;
    compose();
    if (m_codePage != 1252 && m_codePage != RtfCharset::SymbolFont && m_codePage != RtfCharset::WingdingsFont) {
        if (m_pendingCodePage != m_codePage)
            flushPending();
        m_pending.append(bytes);
        m_pendingCodePage = m_codePage;
        return;
    }
    flushPending();
    bool plain = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x80) {
            plain = false;
            break;
        }
    }
    if (plain && m_codePage == 1252) {
        m_builder.appendText(QLatin1StringView(bytes), m_composed, m_composedKey);
        return;
    }
    QString text = m_charset.decode(bytes, m_codePage);
    text.removeIf([](QChar c) { return !isTextChar(c); });
    m_builder.appendText(text, m_composed, m_composedKey);
}

void RtfParser::appendChar(QChar c)
{
    switch (top().destination) {
    case Destination::Body:
        if (top().hidden || !isTextChar(c))
            return;
        flushPending();
        compose();
        m_builder.appendText(QStringView(&c, 1), m_composed, m_composedKey);
        return;
    case Destination::FontTable:
        m_tables.fontChar(c);
        return;
    case Destination::FieldInstruction:
        if (isTextChar(c))
            m_fieldInstructions.back() += c;
        return;
    default:
        return;
    }
}

void RtfParser::flushPending()
{
    if (m_pending.isEmpty())
        return;
    QString text = m_charset.decode(m_pending, m_pendingCodePage);
    m_pending.clear();
    text.removeIf([](QChar c) { return !isTextChar(c); });
    m_builder.appendText(text, m_composed, m_composedKey);
}

void RtfParser::compose()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    m_defaultFamilyFixed = true;
    const GroupState &state = top();
    RichTextCharFormat format = state.format;
    const int font = state.font >= 0 ? state.font : m_defaultFont;
    const RtfTables::Font *entry = m_tables.font(font);
    m_codePage = entry ? entry->codePage : m_tables.ansiCodePage;
    format.fontFamily = familyOf(font);
    format.anchorHref = state.href;
    if (format != m_composed) {
        m_composed = std::move(format);
        ++m_composedKey;
    }
}

QString RtfParser::familyOf(int font) const
{
    const RtfTables::Font *entry = m_tables.font(font);
    return entry && entry->name != m_defaultFamily ? entry->name : QString();
}

RichTextParagraph RtfParser::layout()
{
    compose();
    const ParagraphState &state = top().paragraph;
    RichTextParagraph paragraph;
    paragraph.alignment = state.alignment;
    paragraph.leftIndent = state.leftIndent;
    paragraph.rightIndent = state.rightIndent;
    paragraph.firstLineIndent = state.firstLineIndent;
    paragraph.spaceBefore = state.spaceBefore;
    paragraph.spaceAfter = state.spaceAfter;
    paragraph.listKind = listKind(state, paragraph.listLevel);
    if (paragraph.listKind == ListKind::None)
        paragraph.listLevel = 0;
    paragraph.markFormat = m_composed;
    paragraph.markFormat.anchorHref.clear();
    return paragraph;
}

// Word's lists (\ls, resolved through the list tables) win over RichEdit's (\pn); a list
// number that no table defines still makes a list item.
ListKind RtfParser::listKind(const ParagraphState &paragraph, int &level) const
{
    if (paragraph.listOverride <= 0) {
        level = paragraph.pnLevel;
        return paragraph.pnKind;
    }
    level = paragraph.listLevel;
    return m_tables.listKind(paragraph.listOverride, level)
        .value_or(paragraph.pnKind != ListKind::None ? paragraph.pnKind : ListKind::Bullet);
}

void RtfParser::endPicture()
{
    if (m_pictureCount >= m_limits.maxPictures || top().hidden)
        return;
    std::optional<RichTextImage> image = m_picture.image();
    if (!image)
        return;
    ++m_pictureCount;
    compose();
    m_builder.appendImage(std::move(*image), m_composed);
}

} // namespace

std::optional<RichTextDocument> RtfReader::read(QByteArrayView rtf)
{
    RtfParser parser(rtf, m_limits);
    std::optional<RichTextDocument> document = parser.parse();
    switch (parser.failure()) {
    case Failure::None:
        m_error.reset();
        break;
    case Failure::NotRtf:
        m_error = RtfError{tr("This is not an RTF document."), parser.failureOffset()};
        break;
    case Failure::TooDeep:
        m_error = RtfError{tr("The RTF groups are nested too deeply."), parser.failureOffset()};
        break;
    }
    return document;
}

} // namespace Velmora
