// Campaign files from any bytes, through the block file to the typed records of every block:
// loading must neither crash, hang nor allocate beyond reason, and once a loaded campaign has
// been saved and loaded, saving and loading it again gives the same campaign.

#include "core/persistence/Campaign.h"

#include <memory>

#include "FuzzSupport.h"

using namespace Velmora;

namespace {

// The campaign that a save of `campaign` loads back as.
std::unique_ptr<Campaign> resaved(Campaign &campaign)
{
    campaign.WriteCampaignBlocks(QString(), false);
    const Result<QByteArray> bytes = campaign.blockFile()->toBytes();
    Fuzz::require(bytes.ok()); // labels read from a file always fit
    auto loaded = std::make_unique<Campaign>(Fuzz::appFolder());
    Fuzz::require(loaded->LoadCampaignBytes(*bytes).readable);
    return loaded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Campaign first(Fuzz::appFolder());
    const LoadOutcome outcome = first.LoadCampaignBytes(Fuzz::bytes(data, size));
    Fuzz::require(outcome.readable == outcome.problem.isEmpty());
    if (!outcome.readable)
        return 0;
    // The first save may differ: a list emptied by unreadable items is not written, and its
    // absence loads as a new campaign's list.
    const std::unique_ptr<Campaign> settled = resaved(first);
    Fuzz::require(resaved(*settled)->model == settled->model);
    return 0;
}
