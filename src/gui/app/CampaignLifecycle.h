#pragma once

#include "gui/app/AutoSaveCounter.h"
#include "gui/app/CampaignCommands.h"
#include "gui/app/CampaignOpening.h"
#include "gui/app/CampaignOptionsBinding.h"
#include "gui/app/CampaignSaving.h"

namespace Velmora {

class Campaign;
class VelmoraForm;

/// The campaign's life cycle behind the main window's File menu, toolbar, recent files, start-up
/// open, closing sequence and autosave timer: new, open, save, save as, templates, the upgrade
/// of format 3.0 and the timed autosave, over the one open Campaign.
///
/// Opening is CampaignOpening's, saving CampaignSaving's; the program's switches meet the
/// campaign's options in CampaignOptionsBinding. The main window owns this object; `campaign`
/// must outlive it.
class CampaignLifecycle final : public CampaignCommands
{
public:
    CampaignLifecycle(VelmoraForm &form, Campaign &campaign);

    void OpenCampaign(bool atStartup) override;
    void OpenRecentFile(const QString &path) override;
    void OpenHandedOver(const QString &path) override;
    void mnuFileNew_Click() override;
    void mnuFileOpen_Click() override;
    void mnuFileSave_Click() override;
    void mnuFileSaveAs_Click() override;
    void SaveOrSaveAs() override;
    void SaveCampaignAs() override;
    std::optional<QString> ChooseSaveName(const QString &currentPath) override;
    bool SaveCampaign(const QString &path) override;
    void SaveModifiedDocuments() override;
    void tmrAutoSave_Timer() override;
    void CampaignClosing() override;

private:
    /// File > Open's first step; false when the campaign could not be saved.
    bool saveBeforeOpen();

    VelmoraForm &m_form;
    Campaign &m_campaign;
    CampaignOptionsBinding m_binding;
    CampaignSaving m_saving;
    CampaignOpening m_opening;
    AutoSaveCounter m_autoSave;
};

} // namespace Velmora
