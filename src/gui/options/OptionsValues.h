#pragma once

#include "core/documents/FrameLabels.h"
#include "core/options/CampaignOptions.h"
#include "core/options/CustomTool.h"

#include <QList>

namespace Velmora {

/// What the options dialog edits: the session's "reopen the last campaign", the campaign's
/// switches and sound files (CampaignOptions; the window placement is not edited), the custom
/// tools and the four list captions.
struct OptionsValues
{
    bool openLastCampaign = false;
    CampaignOptions options;
    QList<CustomTool> tools;
    FrameLabels labels;

    bool operator==(const OptionsValues &) const = default;
};

} // namespace Velmora
