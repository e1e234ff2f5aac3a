#include "core/documents/RtfCharset.h"

#include "core/common/CodePage.h"

#include <QStringDecoder>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Symbol font bytes 0x20..0x7F that are not ASCII: the Greek alphabet and a few operators.
constexpr std::array<char16_t, 96> kSymbolLow = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B,
    0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7,
    0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B,
    0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3,
    0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0x007F,
};

// Symbol font bytes 0xA0..0xFF: arrows, relations, card suits and the bullet (0xB7).
constexpr std::array<char16_t, 96> kSymbolHigh = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118,
    0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, 0x00F0, 0x232A, 0x222B, 0x2320,
    0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0x00FF,
};

// The Wingdings signs that Word and WordPad use as bullets and ticks.
constexpr std::array<std::pair<unsigned char, char16_t>, 12> kWingdings = {{
    {0x6C, 0x25CF}, {0x6E, 0x25A0}, {0x6F, 0x25A1}, {0x71, 0x2751}, {0x75, 0x25C6}, {0x76, 0x2756},
    {0x9F, 0x2022}, {0xA7, 0x25AA}, {0xA8, 0x25FB}, {0xD8, 0x27A2}, {0xFB, 0x2717}, {0xFC, 0x2713},
}};

int codePageOfCharset(int fcharset, int ansiCodePage)
{
    switch (fcharset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return ansiCodePage;
    }
}

QByteArray decoderName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

RtfCharset::RtfCharset() = default;
RtfCharset::~RtfCharset() = default;

int RtfCharset::codePageOf(int fcharset, QStringView fontName, int ansiCodePage)
{
    if (fontName.contains(u"wingdings"_s, Qt::CaseInsensitive))
        return WingdingsFont;
    if (fcharset == 2 || fontName.compare(u"Symbol"_s, Qt::CaseInsensitive) == 0)
        return SymbolFont;
    return codePageOfCharset(fcharset, ansiCodePage);
}

QChar RtfCharset::pictureFontChar(int codePage, unsigned char byte)
{
    if (codePage == WingdingsFont) {
        for (const auto &[from, to] : kWingdings) {
            if (from == byte)
                return QChar(to);
        }
        return CodePage::toUnicode(byte);
    }
    if (byte >= 0x20 && byte < 0x80)
        return QChar(kSymbolLow[size_t(byte - 0x20)]);
    if (byte >= 0xA0)
        return QChar(kSymbolHigh[size_t(byte - 0xA0)]);
    return CodePage::toUnicode(byte);
}

QString RtfCharset::decode(QByteArrayView bytes, int codePage)
{
    if (codePage == SymbolFont || codePage == WingdingsFont) {
        QString text(bytes.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            text[i] = pictureFontChar(codePage, static_cast<unsigned char>(bytes[i]));
        return text;
    }
    if (codePage == 1252 || codePage <= 0)
        return CodePage::toUnicode(bytes);
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end()) {
        auto decoder = std::make_unique<QStringDecoder>(decoderName(codePage).constData());
        if (!decoder->isValid())
            decoder.reset();
        found = m_decoders.emplace(codePage, std::move(decoder)).first;
    }
    if (!found->second)
        return CodePage::toUnicode(bytes);
    found->second->resetState();
    return found->second->decode(bytes);
}

} // namespace Velmora
