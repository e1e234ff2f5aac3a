#pragma once

#include <QByteArrayView>
#include <QString>

#include <map>
#include <memory>

class QStringDecoder;

namespace Velmora {

/// Turns the single- and double-byte text of an RTF file into Unicode, by the code page of the
/// font the text is in. Windows-1252 goes through CodePage; the picture fonts (Symbol,
/// Wingdings) get their own tables so that a bullet stays a bullet; other code pages go through
/// the system's converters, and Windows-1252 stands in for any the system lacks.
class RtfCharset
{
public:
    /// Pseudo code pages of the picture fonts.
    static constexpr int SymbolFont = -2;
    static constexpr int WingdingsFont = -3;

    RtfCharset();
    ~RtfCharset();
    RtfCharset(const RtfCharset &) = delete;
    RtfCharset &operator=(const RtfCharset &) = delete;

    /// The code page of a font from its \fcharset and name; `ansiCodePage` stands for charsets 0
    /// and 1 (ANSI and default) and any unknown one.
    static int codePageOf(int fcharset, QStringView fontName, int ansiCodePage);
    /// A byte of a picture font (SymbolFont or WingdingsFont) as Unicode.
    static QChar pictureFontChar(int codePage, unsigned char byte);

    QString decode(QByteArrayView bytes, int codePage);

private:
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace Velmora
