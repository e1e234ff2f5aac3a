#pragma once

// What the fuzz targets share: the input as bytes, the application folder, and the check.

#include "core/common/AppFolder.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace Velmora::Fuzz {

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The shipped data folder, so that the notes documents and sounds a file names can be found;
// loading only looks at it.
inline const AppFolder &appFolder()
{
    static const AppFolder folder(QString::fromUtf8(VELMORA_FUZZ_DATA_DIR));
    return folder;
}

// A broken promise is a crash, for libFuzzer to report with its input.
inline void require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace Velmora::Fuzz
