#include "core/documents/RtfControlWords.h"

#include <array>

namespace Velmora {

namespace {

struct Entry
{
    const char *name;
    RtfWord word;
    char16_t character = 0;
};

// Destinations whose content is never shown: document information, styles, headers and
// footers, the plain-text stand-ins for list numbers and nested tables, picture fallbacks.
constexpr const char *kSkipped[] = {
    "info", "stylesheet", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
    "footerf", "footnote", "annotation", "pntext", "pntxta", "pntxtb", "listtext", "nonshppict",
    "nonesttables", "revtbl", "filetbl", "rxe", "tc", "tcn", "txe", "xe", "ftnsep", "ftnsepc",
    "aftnsep", "aftnsepc", "ftncn", "aftncn", "leveltext", "levelnumbers", "listname", "lfolevel",
    "template", "fldtype", "objdata", "objclass", "private", "atnid", "atnauthor", "atrfstart",
    "atrfend", "bkmkstart", "bkmkend", "comment", "title", "subject", "author", "operator",
    "keywords", "doccomm", "company", "generator", "themedata", "colorschememapping",
    "latentstyles", "datastore", "xmlnstbl", "rsidtbl", "pgdsctbl", "mmathPr", "listpicture",
    "shpinst", "picprop", "blipuid", "userprops", "docvar",
};

constexpr Entry kWords[] = {
    {"rtf", RtfWord::Rtf}, {"ansi", RtfWord::Ansi}, {"mac", RtfWord::Mac}, {"pc", RtfWord::Pc},
    {"pca", RtfWord::Pca}, {"ansicpg", RtfWord::AnsiCpg}, {"deff", RtfWord::Deff}, {"uc", RtfWord::Uc},
    {"u", RtfWord::U}, {"bin", RtfWord::Bin},
    {"fonttbl", RtfWord::FontTable}, {"colortbl", RtfWord::ColorTable}, {"listtable", RtfWord::ListTable},
    {"listoverridetable", RtfWord::ListOverrideTable}, {"field", RtfWord::Field},
    {"fldinst", RtfWord::FieldInstruction}, {"fldrslt", RtfWord::FieldResult}, {"pict", RtfWord::Picture},
    {"shppict", RtfWord::Transparent}, {"shp", RtfWord::Transparent}, {"shprslt", RtfWord::Transparent},
    {"object", RtfWord::Transparent}, {"result", RtfWord::Transparent}, {"pn", RtfWord::Pn},
    {"f", RtfWord::Font}, {"fcharset", RtfWord::FontCharset}, {"red", RtfWord::Red}, {"green", RtfWord::Green},
    {"blue", RtfWord::Blue}, {"list", RtfWord::List}, {"listlevel", RtfWord::ListLevel},
    {"levelnfc", RtfWord::LevelNfc}, {"levelnfcn", RtfWord::LevelNfc}, {"listid", RtfWord::ListId},
    {"listoverride", RtfWord::ListOverride}, {"ls", RtfWord::ListOverrideNumber},
    {"pngblip", RtfWord::PngBlip}, {"jpegblip", RtfWord::JpegBlip}, {"emfblip", RtfWord::OtherBlip},
    {"wmetafile", RtfWord::OtherBlip}, {"macpict", RtfWord::OtherBlip}, {"dibitmap", RtfWord::OtherBlip},
    {"wbitmap", RtfWord::OtherBlip}, {"pmmetafile", RtfWord::OtherBlip}, {"picw", RtfWord::PicWidth},
    {"pich", RtfWord::PicHeight}, {"picwgoal", RtfWord::PicWidthGoal}, {"pichgoal", RtfWord::PicHeightGoal},
    {"picscalex", RtfWord::PicScaleX}, {"picscaley", RtfWord::PicScaleY},
    {"pnlvlblt", RtfWord::PnBullet}, {"pnlvlbody", RtfWord::PnBody}, {"pnlvlcont", RtfWord::PnContinue},
    {"pnlvl", RtfWord::PnLevel}, {"pndec", RtfWord::PnDecimal}, {"pnucltr", RtfWord::PnUpperAlpha},
    {"pnlcltr", RtfWord::PnLowerAlpha}, {"pnucrm", RtfWord::PnUpperRoman}, {"pnlcrm", RtfWord::PnLowerRoman},
    {"plain", RtfWord::Plain}, {"b", RtfWord::Bold}, {"i", RtfWord::Italic}, {"ul", RtfWord::Underline},
    {"uld", RtfWord::Underline}, {"uldb", RtfWord::Underline}, {"ulw", RtfWord::Underline},
    {"ulwave", RtfWord::Underline}, {"uldash", RtfWord::Underline}, {"uldashd", RtfWord::Underline},
    {"uldashdd", RtfWord::Underline}, {"ulhwave", RtfWord::Underline}, {"ulldash", RtfWord::Underline},
    {"ulth", RtfWord::Underline}, {"ulthd", RtfWord::Underline}, {"ulthdash", RtfWord::Underline},
    {"ulthdashd", RtfWord::Underline}, {"ulthdashdd", RtfWord::Underline}, {"ulthldash", RtfWord::Underline},
    {"ululdbwave", RtfWord::Underline}, {"ulhair", RtfWord::Underline}, {"ulnone", RtfWord::UnderlineNone},
    {"strike", RtfWord::Strike}, {"strikedl", RtfWord::Strike}, {"fs", RtfWord::FontSize},
    {"cf", RtfWord::Foreground}, {"cb", RtfWord::Background}, {"highlight", RtfWord::Background},
    {"chcbpat", RtfWord::Background}, {"super", RtfWord::Superscript}, {"sub", RtfWord::Subscript},
    {"nosupersub", RtfWord::NoSuperSub}, {"up", RtfWord::Up}, {"dn", RtfWord::Down}, {"v", RtfWord::Hidden},
    {"pard", RtfWord::Pard}, {"ql", RtfWord::AlignLeft}, {"qc", RtfWord::AlignCenter}, {"qr", RtfWord::AlignRight},
    {"qj", RtfWord::AlignJustify}, {"qd", RtfWord::AlignJustify}, {"li", RtfWord::LeftIndent},
    {"lin", RtfWord::LeftIndent}, {"ri", RtfWord::RightIndent}, {"rin", RtfWord::RightIndent},
    {"fi", RtfWord::FirstIndent}, {"sb", RtfWord::SpaceBefore}, {"sa", RtfWord::SpaceAfter},
    {"intbl", RtfWord::InTable}, {"itap", RtfWord::TableLevel}, {"ilvl", RtfWord::ListLevelNumber},
    {"par", RtfWord::Par}, {"line", RtfWord::Line}, {"tab", RtfWord::Tab}, {"page", RtfWord::Page},
    {"sect", RtfWord::Section}, {"cell", RtfWord::Cell}, {"nestcell", RtfWord::NestedCell}, {"row", RtfWord::Row},
    {"nestrow", RtfWord::NestedRow}, {"trowd", RtfWord::RowDefaults}, {"cellx", RtfWord::CellEdge},
    {"bullet", RtfWord::Character, 0x2022}, {"emdash", RtfWord::Character, 0x2014},
    {"endash", RtfWord::Character, 0x2013}, {"lquote", RtfWord::Character, 0x2018},
    {"rquote", RtfWord::Character, 0x2019}, {"ldblquote", RtfWord::Character, 0x201C},
    {"rdblquote", RtfWord::Character, 0x201D}, {"emspace", RtfWord::Character, 0x2003},
    {"enspace", RtfWord::Character, 0x2002}, {"qmspace", RtfWord::Character, 0x2005},
    {"zwj", RtfWord::Character, 0x200D}, {"zwnj", RtfWord::Character, 0x200C},
    {"zwbo", RtfWord::Character, 0x200B}, {"zwnbo", RtfWord::Character, 0x2060},
    {"ltrmark", RtfWord::Character, 0x200E}, {"rtlmark", RtfWord::Character, 0x200F},
};

/// An open-addressing table over the names: built once, looked up for every control word.
class WordTable
{
public:
    WordTable()
    {
        for (const char *name : kSkipped)
            insert(name, RtfControl{RtfWord::Skip, 0});
        for (const Entry &entry : kWords)
            insert(entry.name, RtfControl{entry.word, entry.character});
    }

    RtfControl find(QByteArrayView name) const
    {
        for (size_t slot = hash(name);; slot = (slot + 1) % kSlots) {
            const Slot &entry = m_slots[slot];
            if (entry.name.isNull())
                return {};
            if (entry.name == name)
                return entry.control;
        }
    }

private:
    static constexpr size_t kSlots = 1024; // well over twice the names, so probes stay short

    struct Slot
    {
        QByteArrayView name;
        RtfControl control;
    };

    static size_t hash(QByteArrayView name)
    {
        quint32 value = 2166136261u; // FNV-1a
        for (char c : name)
            value = (value ^ quint8(c)) * 16777619u;
        return value % kSlots;
    }

    void insert(const char *name, RtfControl control)
    {
        const QByteArrayView key(name);
        size_t slot = hash(key);
        while (!m_slots[slot].name.isNull() && m_slots[slot].name != key)
            slot = (slot + 1) % kSlots;
        m_slots[slot] = Slot{key, control};
    }

    std::array<Slot, kSlots> m_slots{};
};

} // namespace

RtfControl lookupRtfControlWord(QByteArrayView name)
{
    static const WordTable table;
    return table.find(name);
}

} // namespace Velmora
