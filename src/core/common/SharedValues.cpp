#include "core/common/SharedValues.h"

#include <cstring>

namespace Velmora {

namespace {

constexpr quint64 Multiplier = 0x9E3779B97F4A7C15ULL; // 2^64 / golden ratio: spreads the bits

// Values are short: four characters at a time, mixed by a multiplication.
quint64 hashOf(const char16_t *chars, qsizetype n)
{
    quint64 hash = quint64(n);
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        quint64 word;
        std::memcpy(&word, chars + i, sizeof word);
        hash = (hash ^ word) * Multiplier;
    }
    for (; i < n; ++i)
        hash = (hash ^ chars[i]) * Multiplier;
    return hash;
}

// Equal texts of `n` characters, compared in the registers: a call to memcmp costs more than the
// comparison itself for values this short.
bool sameChars(const char16_t *a, const char16_t *b, qsizetype n)
{
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        quint64 x, y;
        std::memcpy(&x, a + i, sizeof x);
        std::memcpy(&y, b + i, sizeof y);
        if (x != y)
            return false;
    }
    for (; i < n; ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

} // namespace

QString SharedValues::text(int column, QStringView value)
{
    const qsizetype n = value.size();
    if (n == 0)
        return QString();
    if (m_columns.size() <= size_t(column))
        m_columns.resize(size_t(column) + 1);
    Column &values = m_columns[size_t(column)];
    const char16_t *const chars = value.utf16();
    const auto equals = [&](const QString &kept) {
        return kept.size() == n && sameChars(reinterpret_cast<const char16_t *>(kept.constData()), chars, n);
    };
    // Most often a value is the one of the row before.
    if (values.last && equals(*values.last))
        return *values.last;
    if (values.byHash.empty())
        values.byHash.resize(size_t(1) << SlotBits);
    QString &slot = values.byHash[size_t(hashOf(chars, n) >> (64 - SlotBits))];
    if (!equals(slot))
        slot = value.toString();
    values.last = &slot;
    return slot;
}

} // namespace Velmora
