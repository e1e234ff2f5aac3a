// Map XML files from any bytes: reading must neither crash nor hang, a refused file leaves the
// collection as it was, and whatever was read writes a file that reads back to the same rows.

#include "core/maps/MapXmlFile.h"

#include "FuzzSupport.h"

using namespace Qt::StringLiterals;
using namespace Velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MapCollection before;
    before.players.append({u"Old"_s, u"Keep"_s, 1, 2, {}});
    MapCollection collection = before;
    const Result<MapXmlFile::Import> import = MapXmlFile::fromBytes(Fuzz::bytes(data, size), collection);
    if (!import || !import->replaced) {
        Fuzz::require(collection == before);
        return 0;
    }
    // Written, read and written again: the same bytes, every row read back.
    const QByteArray written = MapXmlFile::toBytes(collection);
    MapCollection again;
    const Result<MapXmlFile::Import> reread = MapXmlFile::fromBytes(written, again);
    Fuzz::require(reread.ok() && reread->replaced && reread->stopped.isEmpty());
    Fuzz::require(MapXmlFile::toBytes(again) == written);
    return 0;
}
