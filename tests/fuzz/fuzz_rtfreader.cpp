// RTF from any bytes: reading must neither crash, hang nor allocate beyond a small multiple of the
// input, and what was read must write and read back to the same document.

#include "core/documents/RtfReader.h"
#include "core/documents/RtfWriter.h"

#include <cstdlib>

using namespace Velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    RtfReader reader;
    const std::optional<RichTextDocument> first = reader.read(input);
    if (first.has_value() == reader.error().has_value())
        std::abort(); // a document or an error, never both or neither
    if (!first)
        return 0;
    if (first->toPlainText().size() > input.size())
        std::abort(); // every character read takes at least one byte

    const QByteArray written = RtfWriter::write(*first);
    const std::optional<RichTextDocument> second = RtfReader().read(written);
    if (!second || *second != *first)
        std::abort();
    return 0;
}
