// 3.0 campaigns from any bytes, read with the same bytes as the older settings file (which skips
// the lines before its first section, as the campaign's reader skips what follows its values):
// reading must neither crash, hang nor allocate beyond reason, and an upgraded campaign saves
// into a file that loads back to the same campaign.

#include "core/persistence/Campaign.h"
#include "core/persistence/Version3Reader.h"
#include "core/persistence/oIniFile.h"

#include "FuzzSupport.h"

using namespace Velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    oIniFile settings;
    settings.parse(input); // as the upgrade reads it: what was read before an error stands
    Campaign upgraded(Fuzz::appFolder());
    const LoadOutcome outcome = Version3Reader::parse(input, upgraded.model, &settings, {}, Fuzz::appFolder());
    Fuzz::require(outcome.readable == outcome.problem.isEmpty());
    if (!outcome.readable)
        return 0;

    upgraded.WriteCampaignBlocks(QString(), true);
    const Result<QByteArray> written = upgraded.blockFile()->toBytes();
    Fuzz::require(written.ok());
    Campaign reloaded(Fuzz::appFolder());
    Fuzz::require(reloaded.LoadCampaignBytes(*written).readable);
    Fuzz::require(reloaded.model == upgraded.model);
    return 0;
}
