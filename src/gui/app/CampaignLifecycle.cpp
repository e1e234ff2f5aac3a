#include "gui/app/CampaignLifecycle.h"

#include "core/persistence/Campaign.h"
#include "gui/app/CampaignFileKind.h"
#include "gui/app/VelmoraForm.h"

using namespace Qt::StringLiterals;

namespace Velmora {

CampaignLifecycle::CampaignLifecycle(VelmoraForm &form, Campaign &campaign)
    : m_form(form)
    , m_campaign(campaign)
    , m_binding(form)
    , m_saving(form, campaign, m_binding)
    , m_opening(form, campaign, m_binding, m_saving)
{
}

void CampaignLifecycle::OpenCampaign(bool atStartup)
{
    m_opening.openCampaign(atStartup);
}

void CampaignLifecycle::OpenRecentFile(const QString &path)
{
    m_opening.openRecentFile(path);
}

void CampaignLifecycle::mnuFileNew_Click()
{
    // A campaign whose save failed is not replaced: its changes would be lost.
    const CampaignSession &session = m_form.campaignSession();
    if (!session.isUnnamed()) {
        if (session.isModified() && m_saving.save(session.path()) == SaveResult::Failed)
            return;
    } else if (m_form.AskSaveCampaign() && m_saving.saveAs() == SaveResult::Failed) {
        return;
    }
    m_opening.offerReEncryption();
    m_opening.startNewCampaign();
    // The new campaign's blocks are built in memory only; nothing is written to disk.
    m_campaign.WriteCampaignBlocks(m_form.folder().file(u"\\Campaigns\\NewCampaign.vlf"_s),
                                   m_form.state().version3Loaded);
}

bool CampaignLifecycle::saveBeforeOpen()
{
    const CampaignSession &session = m_form.campaignSession();
    if (session.isUnnamed())
        return !(m_form.AskSaveCampaign() && m_saving.saveAs() == SaveResult::Failed);
    return !(session.isModified() && m_saving.save(session.path()) == SaveResult::Failed);
}

void CampaignLifecycle::mnuFileOpen_Click()
{
    if (saveBeforeOpen())
        m_opening.openCampaign(false);
}

void CampaignLifecycle::OpenHandedOver(const QString &path)
{
    if (saveBeforeOpen())
        m_opening.openChosen(path, false);
}

void CampaignLifecycle::mnuFileSave_Click()
{
    // The menu's save writes a template in place; only the toolbar's save protects it.
    const QString path = m_form.campaignSession().path();
    const SaveResult saved = path.isEmpty() ? m_saving.saveAs() : m_saving.save(path);
    if (saved == SaveResult::Saved)
        m_form.sounds().play(SoundEvent::Save, m_form.state().soundsOn);
}

void CampaignLifecycle::mnuFileSaveAs_Click()
{
    if (m_saving.saveAs() == SaveResult::Saved)
        m_form.sounds().play(SoundEvent::Save, m_form.state().soundsOn);
}

void CampaignLifecycle::SaveOrSaveAs()
{
    m_saving.saveOrSaveAs();
}

void CampaignLifecycle::SaveCampaignAs()
{
    m_saving.saveAs();
}

std::optional<QString> CampaignLifecycle::ChooseSaveName(const QString &currentPath)
{
    return m_saving.chooseSaveName(currentPath);
}

bool CampaignLifecycle::SaveCampaign(const QString &path)
{
    return m_saving.save(path) == SaveResult::Saved;
}

void CampaignLifecycle::SaveModifiedDocuments()
{
    m_saving.saveModifiedDocuments();
}

void CampaignLifecycle::tmrAutoSave_Timer()
{
    if (!m_autoSave.tick(m_form.state().autosaveIntervalMinutes))
        return;
    // A save needs a name: an un-named campaign, or one still under its 3.0 name, waits for the
    // user's own save rather than opening a dialog in the middle of a game.
    const CampaignSession &session = m_form.campaignSession();
    if (session.isModified() && m_saving.canSaveInPlace(session.path()))
        m_saving.save(session.path());
}

void CampaignLifecycle::CampaignClosing()
{
    m_opening.offerReEncryption();
}

} // namespace Velmora
