#pragma once

#include "gui/ui/ProgramSwitches.h"

namespace Velmora {

class VelmoraForm;

/// The main window's switches as the options dialog reads and sets them.
class MainSwitches : public ProgramSwitches
{
public:
    explicit MainSwitches(VelmoraForm &form);

    CampaignOptions switches() const override;
    bool openLastCampaign() const override;
    void applySwitches(const CampaignOptions &options, bool openLastCampaign) override;

private:
    VelmoraForm &m_form;
};

} // namespace Velmora
