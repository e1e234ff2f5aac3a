#include "core/archive/ZipCompressQueue.h"

#include "core/archive/ZipDeflate.h"

#include <QFile>

namespace Velmora {

namespace {

ZipCompressed compressFile(const QString &path)
{
    ZipCompressed result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return result;
    result.ok = true;
    result.size = data.size();
    result.crc = ZipDeflate::crc32(0, data);
    // An empty file is an entry with no data at all (sizes 0, CRC-32 0). Other tools refuse a
    // deflate entry without its stream, so it is stored (method 0), the one exception.
    result.stored = data.isEmpty();
    if (!result.stored)
        result.data = ZipDeflate::compress(data);
    return result;
}

} // namespace

ZipCompressQueue::ZipCompressQueue(QStringList paths, std::vector<qint64> sizes, int threads, qint64 bytesAhead)
    : m_paths(std::move(paths))
    , m_sizes(std::move(sizes))
    , m_bytesAhead(bytesAhead)
    , m_done(size_t(m_paths.size()))
{
    const int count = std::max(1, std::min<int>(threads, int(m_paths.size())));
    for (int i = 0; i < count; ++i)
        m_threads.emplace_back([this] { work(); });
}

ZipCompressQueue::~ZipCompressQueue()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    for (std::thread &t : m_threads)
        t.join();
}

// The next file may start while the data held ahead is under the bound, and always when it is
// the one the writer waits for.
bool ZipCompressQueue::mayStart() const { return m_next == m_taken || m_inFlight < m_bytesAhead; }

void ZipCompressQueue::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stop || m_next >= m_paths.size() || mayStart(); });
        if (m_stop || m_next >= m_paths.size())
            return;
        const int index = m_next++;
        m_inFlight += m_sizes[size_t(index)];
        lock.unlock();
        ZipCompressed result = compressFile(m_paths[index]);
        lock.lock();
        m_done[size_t(index)] = std::move(result);
        m_changed.notify_all();
    }
}

ZipCompressed ZipCompressQueue::take(int index)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_done[size_t(index)].has_value(); });
    ZipCompressed result = std::move(*m_done[size_t(index)]);
    m_done[size_t(index)].reset();
    m_inFlight -= m_sizes[size_t(index)];
    m_taken = index + 1;
    lock.unlock();
    m_changed.notify_all();
    return result;
}

} // namespace Velmora
