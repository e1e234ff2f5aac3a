#pragma once

#include "gui/app/CampaignCommands.h"

#include <QCoreApplication>

namespace Velmora {

class VelmoraForm;

/// Stands in for the campaign life cycle until campaign files can be read and written. Start-up
/// and New give a new un-named campaign; the save dialog works; every command that would read
/// or write a campaign file says that it is not available yet and changes nothing, so a
/// campaign is never reported as saved when it was not.
class InterimCampaignCommands final : public CampaignCommands
{
    Q_DECLARE_TR_FUNCTIONS(InterimCampaignCommands)

public:
    explicit InterimCampaignCommands(VelmoraForm &form);

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

    static QString openingLaterText();
    static QString savingLaterText();

private:
    void startNewCampaign();
    void tellSavingComesLater();

    VelmoraForm &m_form;
};

} // namespace Velmora
