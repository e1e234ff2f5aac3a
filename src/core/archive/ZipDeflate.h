#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

namespace Velmora {

/// The compression the ZIP writer uses: a raw deflate stream (no zlib wrapper) at the default
/// level, and the CRC-32 of entries.
class ZipDeflate
{
public:
    enum Engine { LibDeflate, ZLib };

    /// The raw deflate stream of `data`, in a buffer sized by the engine's bound for its length.
    static QByteArray compress(QByteArrayView data);
    static QByteArray compress(QByteArrayView data, Engine engine);
    /// The engine compress() uses; the benchmark compares them (libdeflate by default).
    static void setEngine(Engine engine);
    static uint32_t crc32(uint32_t crc, QByteArrayView data);
};

} // namespace Velmora
