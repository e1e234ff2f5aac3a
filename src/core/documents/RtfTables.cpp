#include "core/documents/RtfTables.h"

#include "core/common/CodePage.h"
#include "core/documents/RtfCharset.h"

#include <algorithm>

namespace Velmora {

namespace {

using ListKind = RichTextParagraph::ListKind;

/// Word's level number formats (\levelnfc): 23 is a bullet, 255 no number at all.
ListKind kindOfLevelFormat(int nfc)
{
    switch (nfc) {
    case 1: return ListKind::UpperRoman;
    case 2: return ListKind::LowerRoman;
    case 3: return ListKind::UpperAlpha;
    case 4: return ListKind::LowerAlpha;
    case 23: return ListKind::Bullet;
    case 255: return ListKind::None;
    default: return ListKind::Decimal;
    }
}

} // namespace

void RtfTables::startFonts()
{
    m_fontName.clear();
    m_fontCharset = 0;
}

void RtfTables::fontWord(RtfWord word, int param)
{
    if (word == RtfWord::Font) {
        endFont();
        m_fontNumber = param;
    } else if (word == RtfWord::FontCharset) {
        m_fontCharset = param;
    }
}

void RtfTables::fontText(QByteArrayView text)
{
    for (char c : text) {
        if (c == ';')
            endFont();
        else
            fontChar(CodePage::toUnicode(static_cast<unsigned char>(c)));
    }
}

void RtfTables::fontChar(QChar c)
{
    if (c.unicode() >= 0x20) // no control characters, and no tabs, in a name
        m_fontName += c;
}

void RtfTables::endFont()
{
    const QString name = m_fontName.trimmed();
    if (!name.isEmpty())
        m_fonts.insert(m_fontNumber, Font{name, RtfCharset::codePageOf(m_fontCharset, name, ansiCodePage)});
    m_fontName.clear();
    m_fontCharset = 0;
}

const RtfTables::Font *RtfTables::font(int number) const
{
    const auto found = m_fonts.constFind(number);
    return found == m_fonts.cend() ? nullptr : &*found;
}

void RtfTables::startColours()
{
    m_colours.clear();
    m_colour = 0;
    m_colourSet = false;
}

void RtfTables::colourWord(RtfWord word, int param)
{
    const quint32 value = quint32(std::clamp(param, 0, 255));
    switch (word) {
    case RtfWord::Red: m_colour = (m_colour & 0x00FFFFu) | (value << 16); break;
    case RtfWord::Green: m_colour = (m_colour & 0xFF00FFu) | (value << 8); break;
    case RtfWord::Blue: m_colour = (m_colour & 0xFFFF00u) | value; break;
    default: return;
    }
    m_colourSet = true;
}

void RtfTables::colourText(QByteArrayView text)
{
    for (char c : text) {
        if (c != ';')
            continue;
        m_colours.append(m_colourSet ? std::optional<quint32>(m_colour) : std::nullopt);
        m_colour = 0;
        m_colourSet = false;
    }
}

std::optional<quint32> RtfTables::colour(int number) const
{
    return number >= 0 && number < m_colours.size() ? m_colours.at(number) : std::nullopt;
}

void RtfTables::listWord(RtfWord word, int param)
{
    if (word == RtfWord::List)
        m_lists.append(List{});
    else if (m_lists.isEmpty())
        return;
    else if (word == RtfWord::ListLevel)
        m_lists.back().formats.append(0);
    else if (word == RtfWord::LevelNfc && !m_lists.back().formats.isEmpty())
        m_lists.back().formats.back() = param;
    else if (word == RtfWord::ListId)
        m_lists.back().id = param;
}

void RtfTables::listOverrideWord(RtfWord word, int param)
{
    if (word == RtfWord::ListOverride)
        m_overrides.append(ListOverride{});
    else if (m_overrides.isEmpty())
        return;
    else if (word == RtfWord::ListId)
        m_overrides.back().listId = param;
    else if (word == RtfWord::ListOverrideNumber)
        m_overrides.back().number = param;
}

std::optional<ListKind> RtfTables::listKind(int number, int level) const
{
    for (const ListOverride &entry : m_overrides) {
        if (entry.number != number)
            continue;
        for (const List &list : m_lists) {
            if (list.id == entry.listId && !list.formats.isEmpty())
                return kindOfLevelFormat(list.formats.at(std::min<qsizetype>(level, list.formats.size() - 1)));
        }
    }
    return std::nullopt;
}

} // namespace Velmora
