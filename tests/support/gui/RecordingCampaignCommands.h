#pragma once

#include "gui/app/CampaignCommands.h"

#include <QString>

#include <optional>

namespace Velmora {

class ScriptedPlatform;
class CampaignSession;

/// A campaign life cycle for tests of the shell: each command adds its call ("SaveCampaign(path)") as
/// a note to the platform's record, so that commands, prompts and sounds form one sequence.
/// ChooseSaveName answers `saveName` (std::nullopt: cancelled); SaveCampaign succeeds and
/// clears the modified mark unless `saveFails`.
class RecordingCampaignCommands final : public CampaignCommands
{
public:
    RecordingCampaignCommands(ScriptedPlatform &platform, CampaignSession &session);

    void OpenCampaign(bool atStartup) override;
    void OpenRecentFile(const QString &path) override;
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

    std::optional<QString> saveName;
    bool saveFails = false;

private:
    ScriptedPlatform &m_platform;
    CampaignSession &m_session;
};

} // namespace Velmora
