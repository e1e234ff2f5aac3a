#include "core/common/ItemFields.h"

#include <algorithm>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace Velmora {

ItemFields::ItemFields(QStringView item, QChar separator)
    : m_item(item)
{
    m_starts.append(0);
    const char16_t *const data = item.utf16();
    const char16_t mark = separator.unicode();
    const qsizetype n = item.size();
    qsizetype i = 0;
#ifdef __SSE2__
    // Eight characters a step: the long lists' items are read by the tens of thousands.
    const __m128i marks = _mm_set1_epi16(static_cast<short>(mark));
    for (; i + 8 <= n; i += 8) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(chunk, marks)));
        while (found) {
            const int byte = std::countr_zero(found);
            m_starts.append(i + byte / 2 + 1);
            found &= ~(3u << byte); // each character sets two bits
        }
    }
#endif
    for (; i < n; ++i) {
        if (data[i] == mark)
            m_starts.append(i + 1);
    }
}

QStringView ItemFields::span(qsizetype first, qsizetype last) const
{
    return m_item.sliced(m_starts[first], end(last) - m_starts[first]);
}

QString ItemFields::join(std::span<const QStringView> fields)
{
    if (fields.empty())
        return QString();
    qsizetype length = qsizetype(fields.size()) - 1;
    for (QStringView field : fields)
        length += field.size();
    QString item(length, Qt::Uninitialized);
    QChar *out = item.data();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            *out++ = u';';
        out = std::copy(fields[i].begin(), fields[i].end(), out);
    }
    return item;
}

} // namespace Velmora
