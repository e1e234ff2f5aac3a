#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Velmora {

/// Single-byte text as our files hold it: Windows-1252.
///
/// Every one of the 256 byte values decodes to one character and encodes back to the same byte:
/// the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
/// control characters of the same value, as Windows itself does. Characters that Windows-1252
/// cannot hold encode as "?".
class CodePage
{
public:
    static QString toUnicode(QByteArrayView bytes);
    /// toUnicode(bytes) written into `text`, whose memory is reused when it has room: a reader
    /// that decodes many items one after the other needs one string for all of them.
    static void toUnicode(QByteArrayView bytes, QString &text);
    static QByteArray fromUnicode(QStringView text);
    /// fromUnicode(text) added at the end of `bytes`.
    static void append(QByteArray &bytes, QStringView text);
    /// fromUnicode(text) written at `out`, which has room for text.size() bytes; returns the end.
    static char *encode(QStringView text, char *out);
    /// True when every character of `text` has a Windows-1252 byte.
    static bool canEncode(QStringView text);
    static QChar toUnicode(unsigned char byte);
};

} // namespace Velmora
