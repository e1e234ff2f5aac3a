#include "core/common/SharedValues.h"

#include "core/common/InternPool.h"

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

} // namespace

QString SharedValues::lookUp(int column, QStringView value)
{
    const qsizetype n = value.size();
    if (n == 0)
        return QString();
    if (m_columns.size() <= size_t(column))
        m_columns.resize(size_t(column) + 1);
    Column &values = m_columns[size_t(column)];
    const char16_t *const chars = value.utf16();
    const auto equals = [value](const QString &kept) { return same(kept, value); };
    if (values.looked == Trial && values.found < Worthwhile)
        return value.toString(); // a column of names: hardly a value comes twice
    ++values.looked;
    // Most often a value is the one of the row before.
    Slot *slot = values.last;
    if (!slot || !equals(slot->text)) {
        if (values.byHash.empty())
            values.byHash.resize(size_t(1) << SlotBits);
        slot = &values.byHash[size_t(hashOf(chars, n) >> (64 - SlotBits))];
        values.last = slot;
        if (!equals(slot->text)) {
            *slot = {value.toString()};
            return slot->text;
        }
    }
    ++values.found;
    if (!slot->interned) {
        if (QString kept = InternPool::intern(value); !kept.isNull())
            slot->text = std::move(kept);
        slot->interned = true;
    }
    return slot->text;
}

} // namespace Velmora
