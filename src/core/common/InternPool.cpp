#include "core/common/InternPool.h"

#include <QMutex>

#include <algorithm>
#include <memory>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace Velmora {

namespace {

struct Pool
{
    static constexpr qsizetype ChunkSize = 64 * 1024;

    QMutex mutex;
    std::unordered_set<std::u16string_view> values; // views into the chunks
    std::vector<std::unique_ptr<char16_t[]>> chunks;
    qsizetype usedInChunk = ChunkSize;
    qsizetype used = 0;

    // A copy of `value` in the chunks, which are never freed.
    std::u16string_view keep(std::u16string_view value)
    {
        const auto n = qsizetype(value.size());
        if (usedInChunk + n > ChunkSize) {
            chunks.push_back(std::make_unique<char16_t[]>(size_t(ChunkSize)));
            usedInChunk = 0;
        }
        char16_t *const copy = chunks.back().get() + usedInChunk;
        std::copy(value.begin(), value.end(), copy);
        usedInChunk += n;
        used += n;
        return {copy, value.size()};
    }
};

Pool &pool()
{
    // Never destroyed: its strings may be held until the very end of the program.
    static Pool *const instance = new Pool;
    return *instance;
}

} // namespace

QString InternPool::intern(QStringView value)
{
    const qsizetype n = value.size();
    if (n == 0 || n > MaxLength)
        return QString();
    const std::u16string_view key(value.utf16(), size_t(n));
    Pool &p = pool();
    const QMutexLocker lock(&p.mutex);
    auto found = p.values.find(key);
    if (found == p.values.end()) {
        if (p.used + n > Capacity)
            return QString();
        found = p.values.insert(p.keep(key)).first;
    }
    return QString::fromRawData(reinterpret_cast<const QChar *>(found->data()), n);
}

} // namespace Velmora
