#include "support/gui/RecordingCampaignCommands.h"

#include "core/app/CampaignSession.h"
#include "support/gui/ScriptedPlatform.h"

using namespace Qt::StringLiterals;

namespace Velmora {

RecordingCampaignCommands::RecordingCampaignCommands(ScriptedPlatform &platform, CampaignSession &session)
    : m_platform(platform)
    , m_session(session)
{
}

void RecordingCampaignCommands::OpenCampaign(bool atStartup)
{
    m_platform.note(atStartup ? u"OpenCampaign(true)"_s : u"OpenCampaign(false)"_s);
}

void RecordingCampaignCommands::OpenRecentFile(const QString &path)
{
    m_platform.note(u"OpenRecentFile("_s + path + u')');
}

void RecordingCampaignCommands::mnuFileNew_Click()
{
    m_platform.note(u"mnuFileNew_Click()"_s);
}

void RecordingCampaignCommands::mnuFileOpen_Click()
{
    m_platform.note(u"mnuFileOpen_Click()"_s);
}

void RecordingCampaignCommands::mnuFileSave_Click()
{
    m_platform.note(u"mnuFileSave_Click()"_s);
}

void RecordingCampaignCommands::mnuFileSaveAs_Click()
{
    m_platform.note(u"mnuFileSaveAs_Click()"_s);
}

void RecordingCampaignCommands::SaveOrSaveAs()
{
    m_platform.note(u"SaveOrSaveAs()"_s);
}

void RecordingCampaignCommands::SaveCampaignAs()
{
    m_platform.note(u"SaveCampaignAs()"_s);
}

std::optional<QString> RecordingCampaignCommands::ChooseSaveName(const QString &currentPath)
{
    m_platform.note(u"ChooseSaveName("_s + currentPath + u')');
    return saveName;
}

bool RecordingCampaignCommands::SaveCampaign(const QString &path)
{
    m_platform.note(u"SaveCampaign("_s + path + u')');
    if (saveFails)
        return false;
    m_session.markClean();
    return true;
}

void RecordingCampaignCommands::SaveModifiedDocuments()
{
    m_platform.note(u"SaveModifiedDocuments()"_s);
}

void RecordingCampaignCommands::tmrAutoSave_Timer()
{
    m_platform.note(u"tmrAutoSave_Timer()"_s);
}

} // namespace Velmora
