#pragma once

#include <memory>
#include <vector>

namespace Velmora {

class CampaignPart;
class ToolHost;

/// The subsystems the program has: each one's tools, attached to the host. A new subsystem is
/// one line here.
struct InstalledParts
{
    static std::vector<std::unique_ptr<CampaignPart>> create(ToolHost &host);
};

} // namespace Velmora
