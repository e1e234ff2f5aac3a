#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace Velmora {

/// One source file read and compressed.
struct ZipCompressed
{
    bool ok = false; // false: the file could not be read
    QByteArray data; // the raw deflate stream
    bool stored = false; // an empty file: no stream at all
    uint32_t crc = 0;
    qint64 size = 0;
};

/// Reads and compresses the writer's files on several threads, a bounded amount ahead of the
/// one writing them, so that at most about `bytesAhead` of source data is held at once.
class ZipCompressQueue
{
public:
    ZipCompressQueue(QStringList paths, std::vector<qint64> sizes, int threads, qint64 bytesAhead);
    ~ZipCompressQueue();
    ZipCompressQueue(const ZipCompressQueue &) = delete;
    ZipCompressQueue &operator=(const ZipCompressQueue &) = delete;

    /// The file `index`, waiting until it is done; indexes are taken in order.
    ZipCompressed take(int index);

private:
    void work();
    bool mayStart() const;

    const QStringList m_paths;
    const std::vector<qint64> m_sizes;
    const qint64 m_bytesAhead;
    std::vector<std::optional<ZipCompressed>> m_done;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_next = 0;
    int m_taken = 0;
    qint64 m_inFlight = 0;
    bool m_stop = false;
    std::vector<std::thread> m_threads;
};

} // namespace Velmora
