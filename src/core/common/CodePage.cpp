#include "core/common/CodePage.h"

#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace Velmora {

namespace {

// 0x80..0x9F; the undefined slots keep their own value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(kHigh.size()); ++i) {
        if (kHigh[size_t(i)] == c)
            return 0x80 + i;
    }
    return -1;
}

char encodeByte(char16_t c)
{
    const int b = encodeChar(c);
    return b < 0 ? '?' : static_cast<char>(b);
}

} // namespace

QChar CodePage::toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kHigh[size_t(byte - 0x80)]);
    return QChar(char16_t(byte));
}

QString CodePage::toUnicode(QByteArrayView bytes)
{
    QString text;
    toUnicode(bytes, text);
    return text;
}

// Windows-1252 is Latin-1 but for 0x80..0x9F: widen as Latin-1, sixteen bytes at a time, and
// mend that range only in the rare stretches that hold a byte of 0x80 or more.
void CodePage::toUnicode(QByteArrayView bytes, QString &text)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    text.resize(n);
    char16_t *const out = reinterpret_cast<char16_t *>(text.data());
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), _mm_unpackhi_epi8(chunk, zero));
        if (_mm_movemask_epi8(chunk) == 0)
            continue;
        for (qsizetype k = i; k < i + 16; ++k)
            out[k] = toUnicode(in[k]).unicode();
    }
#endif
    for (; i < n; ++i)
        out[i] = toUnicode(in[i]).unicode();
}

QByteArray CodePage::fromUnicode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    append(bytes, text);
    return bytes;
}

void CodePage::append(QByteArray &bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size()); // grows by more than asked: a block is built item by item
    encode(text, bytes.data() + start);
}

char *CodePage::encode(QStringView text, char *out)
{
    const char16_t *const in = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
#ifdef __SSE2__
    // Our texts are nearly all ASCII: eight characters a step, each taken as its low byte.
    const __m128i highBits = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= n; i += 8) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(chunk, highBits), zero)) == 0xFFFF) {
            _mm_storel_epi64(reinterpret_cast<__m128i *>(out + i), _mm_packus_epi16(chunk, chunk));
            continue;
        }
        for (qsizetype k = i; k < i + 8; ++k)
            out[k] = encodeByte(in[k]);
    }
#endif
    for (; i < n; ++i)
        out[i] = in[i] < 0x80 ? static_cast<char>(in[i]) : encodeByte(in[i]);
    return out + n;
}

bool CodePage::canEncode(QStringView text)
{
    for (QChar c : text) {
        if (encodeChar(c.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace Velmora
