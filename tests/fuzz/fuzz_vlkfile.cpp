// Protected campaign files (".vlk") from any bytes: the header is read and its limits checked
// before any key is derived, nothing crashes or allocates beyond the input, and a file never
// opens under a password it was not sealed with. Keys are derived only under the smallest
// limits, so that each input stays fast; costlier acceptable limits stop after the header.
// An input whose first byte is odd is sealed under a fixed key and must open back the same.

#include "core/crypto/VlkFile.h"

#include "FuzzSupport.h"

using namespace Velmora;

namespace {

const VlkKey &fixedKey()
{
    static const VlkKey key = std::move(VlkFile::newKey("fuzz", VlkLimits::smallest()).value());
    return key;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    if (size > 0 && (data[0] & 1)) {
        const Result<VlkFile::Opened> opened = VlkFile::open(VlkFile::seal(input, fixedKey()), "fuzz", QString());
        Fuzz::require(opened && opened->plain == input);
        return 0;
    }
    const Result<VlkHeader> header = VlkHeader::parse(input, QString());
    if (!header) {
        Fuzz::require(!VlkFile::open(input, "fuzz", QString()));
        return 0;
    }
    Fuzz::require(header->limits.acceptable());
    if (!(header->limits == VlkLimits::smallest()))
        return 0;
    const Result<VlkFile::Opened> opened = VlkFile::open(input, "fuzz", QString());
    // Forging the tag of a file sealed under another key is not something fuzzing finds.
    Fuzz::require(!opened || opened->plain.size() == input.size() - VlkHeader::Size - 16);
    return 0;
}
