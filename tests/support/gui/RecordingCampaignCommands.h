#pragma once

#include "core/app/CampaignSession.h"
#include "gui/app/CampaignCommands.h"
#include "support/gui/ScriptedPlatform.h"

#include <QString>

#include <optional>

namespace Velmora {

/// A campaign life cycle for tests of the shell: each command adds its call ("SaveCampaign(path)") as
/// a note to the platform's record, so that commands, prompts and sounds form one sequence.
/// ChooseSaveName answers `saveName` (std::nullopt: cancelled); SaveCampaign succeeds and
/// clears the modified mark unless `saveFails`.
class RecordingCampaignCommands final : public CampaignCommands
{
public:
    RecordingCampaignCommands(ScriptedPlatform &platform, CampaignSession &session)
        : m_platform(platform)
        , m_session(session)
    {
    }

    void OpenCampaign(bool atStartup) override { note(atStartup ? u"OpenCampaign(true)" : u"OpenCampaign(false)"); }
    void OpenRecentFile(const QString &path) override { note(u"OpenRecentFile", path); }
    void OpenHandedOver(const QString &path) override { note(u"OpenHandedOver", path); }
    void mnuFileNew_Click() override { note(u"mnuFileNew_Click()"); }
    void mnuFileOpen_Click() override { note(u"mnuFileOpen_Click()"); }
    void mnuFileSave_Click() override { note(u"mnuFileSave_Click()"); }
    void mnuFileSaveAs_Click() override { note(u"mnuFileSaveAs_Click()"); }
    void SaveOrSaveAs() override { note(u"SaveOrSaveAs()"); }
    void SaveCampaignAs() override { note(u"SaveCampaignAs()"); }
    void SaveModifiedDocuments() override { note(u"SaveModifiedDocuments()"); }
    void tmrAutoSave_Timer() override { note(u"tmrAutoSave_Timer()"); }
    std::optional<QString> ChooseSaveName(const QString &currentPath) override
    {
        note(u"ChooseSaveName", currentPath);
        return saveName;
    }
    bool SaveCampaign(const QString &path) override
    {
        note(u"SaveCampaign", path);
        if (!saveFails)
            m_session.markClean();
        return !saveFails;
    }

    std::optional<QString> saveName;
    bool saveFails = false;

private:
    void note(QStringView call) { m_platform.note(call.toString()); }
    void note(QStringView command, const QString &path) { m_platform.note(command.toString() + u'(' + path + u')'); }

    ScriptedPlatform &m_platform;
    CampaignSession &m_session;
};

} // namespace Velmora
