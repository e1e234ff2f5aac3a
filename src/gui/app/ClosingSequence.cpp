#include "gui/app/ClosingSequence.h"

#include "core/app/CampaignSession.h"
#include "core/app/ProgramState.h"
#include "core/app/SessionSettings.h"
#include "gui/app/CampaignCommands.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/Platform.h"

#include <QApplication>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace Velmora {

ClosingSequence::ClosingSequence(ProgramState &state, CampaignSession &campaignSession, Platform &platform,
                                 CampaignCommands &campaign, SessionSettings &session, const SoundCuePlayer &sounds,
                                 QWidget *mainWindow)
    : m_state(state)
    , m_campaignSession(campaignSession)
    , m_platform(platform)
    , m_campaign(campaign)
    , m_session(session)
    , m_sounds(sounds)
    , m_mainWindow(mainWindow)
{
}

bool ClosingSequence::AskSaveCampaign(Platform &platform, const QString &currentPath)
{
    const QString text = currentPath.isEmpty() ? tr("Do you want to save this new campaign ?")
                                               : tr("Do you want to save your changes ?");
    return platform.question(tr("Save New Campaign"), text);
}

QString ClosingSequence::closeAnywayText()
{
    return tr("The campaign was not saved.") + u"\r\n"_s + tr("Close Velmora anyway and lose its changes ?");
}

bool ClosingSequence::CloseProgram()
{
    const ProgramState before = m_state;
    const QString pathBefore = m_campaignSession.path();
    const bool modifiedBefore = m_campaignSession.isModified();
    decideWhetherToSave();
    if (m_state.saveOnClose && !saveCampaign() && !m_platform.question(tr("Velmora"), closeAnywayText())) {
        // The program stays open as it was before the close: the answer given for this close
        // and a name that could not be written are not kept.
        m_state = before;
        m_campaignSession.setPath(pathBefore);
        if (modifiedBefore)
            m_campaignSession.markModified();
        return false;
    }
    m_session.SaveSessionSettings(m_campaignSession.path(), m_state.version3Loaded);
    m_campaign.SaveModifiedDocuments();
    m_campaign.CampaignClosing();
    closeOtherWindows();
    m_sounds.play(SoundEvent::Close);
    return true;
}

void ClosingSequence::decideWhetherToSave()
{
    // A modified campaign is saved without asking when "save on close" is set; a new one is
    // offered for saving even without changes.
    const bool unnamed = m_campaignSession.isUnnamed();
    const bool modified = m_campaignSession.isModified();
    if ((modified && !m_state.saveOnClose) || (!modified && unnamed))
        m_state.saveOnClose = AskSaveCampaign(m_platform, m_campaignSession.path());
}

bool ClosingSequence::saveCampaign()
{
    if (m_campaignSession.isUnnamed()) {
        // A name chosen for a new campaign is saved even without changes; no name saves nothing.
        const std::optional<QString> chosen = m_campaign.ChooseSaveName(m_campaignSession.path());
        if (!chosen)
            return true;
        m_campaignSession.setPath(*chosen);
        return m_campaign.SaveCampaign(*chosen);
    }
    if (m_campaignSession.isModified())
        return m_campaign.SaveCampaign(m_campaignSession.path());
    return true;
}

void ClosingSequence::closeOtherWindows()
{
    const QString mainCaption = m_mainWindow ? m_mainWindow->windowTitle() : QString();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != m_mainWindow && window->isVisible() && window->windowTitle() != mainCaption)
            window->close();
    }
}

} // namespace Velmora

