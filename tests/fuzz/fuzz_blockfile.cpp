// Campaign block files from any bytes: reading must neither crash, hang nor allocate beyond the
// input, and what was read must write and read back to the same blocks.

#include "core/persistence/oVLFile.h"

#include <QBuffer>

#include <cstdlib>

using namespace Velmora;

namespace {

bool sameBlocks(const oVLFile &a, const oVLFile &b)
{
    if (a.Blocks().size() != b.Blocks().size())
        return false;
    for (qsizetype i = 0; i < a.Blocks().size(); ++i) {
        if (a.Blocks().at(i).Label() != b.Blocks().at(i).Label()
            || a.Blocks().at(i).Items() != b.Blocks().at(i).Items())
            return false;
    }
    return true;
}

oVLFile parsed(const QByteArray &bytes, bool *read = nullptr)
{
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    oVLFile vl;
    const bool ok = vl.parse(device).ok();
    if (read)
        *read = ok;
    return vl;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const oVLFile first = parsed(input);
    for (const oBlock &block : first.Blocks()) {
        if (block.Label().size() > oBlock::MaxLabelLength)
            std::abort();
    }

    const Result<QByteArray> written = first.toBytes();
    if (!written)
        std::abort(); // labels read from a file always fit
    bool read = false;
    const oVLFile second = parsed(*written, &read);
    if (!read || !sameBlocks(first, second))
        std::abort();
    return 0;
}
