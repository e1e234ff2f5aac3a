#pragma once

#include "core/persistence/CampaignModel.h"

namespace Velmora {

/// A campaign that fills every block: multi-line agenda texts, the full 32767 Battle Box
/// entries, maps with markers of every kind. For round-trip tests and the campaign benchmark.
CampaignModel maximalCampaign(int battleBoxEntries = 32767);

} // namespace Velmora
