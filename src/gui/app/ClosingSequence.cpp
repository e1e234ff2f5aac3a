#include "gui/app/ClosingSequence.h"

#include "core/app/ProgramState.h"
#include "core/app/SessionSettings.h"
#include "gui/app/CampaignCommands.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/Platform.h"

#include <QApplication>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace Velmora {

ClosingSequence::ClosingSequence(ProgramState &state, Platform &platform, CampaignCommands &campaign,
                                 SessionSettings &session, const SoundCuePlayer &sounds, QWidget *mainWindow)
    : m_state(state)
    , m_platform(platform)
    , m_campaign(campaign)
    , m_session(session)
    , m_sounds(sounds)
    , m_mainWindow(mainWindow)
{
}

bool ClosingSequence::AskSaveCampaign(Platform &platform, const QString &currentPath)
{
    const QString text = currentPath.isEmpty() ? u"Do you want to save this new campaign ?"_s
                                               : u"Do you want to save your changes ?"_s;
    return platform.question(u"Save New Campaign"_s, text);
}

QString ClosingSequence::closeAnywayText()
{
    return tr("The campaign was not saved.") + u"\r\n"_s + tr("Close Velmora anyway and lose its changes ?");
}

bool ClosingSequence::CloseProgram()
{
    const ProgramState before = m_state;
    decideWhetherToSave();
    if (m_state.saveOnClose && !saveCampaign() && !m_platform.question(u"Velmora"_s, closeAnywayText())) {
        // The program stays open as it was before the close: the answer given for this close
        // and a name that could not be written are not kept.
        m_state = before;
        return false;
    }
    m_session.SaveSessionSettings(m_state.currentCampaignPath, m_state.version3Loaded);
    m_campaign.SaveModifiedDocuments();
    closeOtherWindows();
    m_sounds.play(SoundEvent::Close);
    return true;
}

void ClosingSequence::decideWhetherToSave()
{
    // A modified campaign is saved without asking when "save on close" is set; a new one is
    // offered for saving even without changes.
    const bool unnamed = m_state.currentCampaignPath.isEmpty();
    if ((m_state.campaignModified && !m_state.saveOnClose) || (!m_state.campaignModified && unnamed))
        m_state.saveOnClose = AskSaveCampaign(m_platform, m_state.currentCampaignPath);
}

bool ClosingSequence::saveCampaign()
{
    if (m_state.currentCampaignPath.isEmpty()) {
        const std::optional<QString> chosen = m_campaign.ChooseSaveName(m_state.currentCampaignPath);
        m_state.campaignModified = chosen.has_value();
        if (chosen)
            m_state.currentCampaignPath = *chosen;
    }
    if (m_state.campaignModified)
        return m_campaign.SaveCampaign(m_state.currentCampaignPath);
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

