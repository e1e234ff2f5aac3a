#include "gui/app/InterimCampaignCommands.h"

#include "core/app/ProgramState.h"
#include "gui/app/VelmoraForm.h"
#include "gui/ui/Platform.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

InterimCampaignCommands::InterimCampaignCommands(VelmoraForm &form)
    : m_form(form)
{
}

QString InterimCampaignCommands::openingLaterText()
{
    return tr("Opening campaign files comes with a later version.");
}

QString InterimCampaignCommands::savingLaterText()
{
    return tr("Saving campaign files comes with a later version.");
}

void InterimCampaignCommands::startNewCampaign()
{
    ProgramState &state = m_form.state();
    state.currentCampaignPath.clear();
    state.campaignModified = false;
    state.timedSave = false;
    state.autosaveIntervalMinutes = 10;
    m_form.SetAutoSaveTimer();
    m_form.setTipFlag(true);
    m_form.setSoundsOn(true);
    m_form.showCampaignPath();
}

void InterimCampaignCommands::tellSavingComesLater()
{
    m_form.platform().information(u"Velmora"_s, savingLaterText());
}

void InterimCampaignCommands::OpenCampaign(bool atStartup)
{
    if (atStartup)
        startNewCampaign();
    else
        m_form.platform().information(u"Velmora"_s, openingLaterText());
}

void InterimCampaignCommands::OpenRecentFile(const QString &)
{
    m_form.platform().information(u"Velmora"_s, openingLaterText());
}

void InterimCampaignCommands::mnuFileNew_Click()
{
    startNewCampaign();
}

void InterimCampaignCommands::mnuFileOpen_Click()
{
    OpenCampaign(false);
}

void InterimCampaignCommands::mnuFileSave_Click()
{
    tellSavingComesLater();
}

void InterimCampaignCommands::mnuFileSaveAs_Click()
{
    tellSavingComesLater();
}

void InterimCampaignCommands::SaveOrSaveAs()
{
    tellSavingComesLater();
}

void InterimCampaignCommands::SaveCampaignAs()
{
    tellSavingComesLater();
}

std::optional<QString> InterimCampaignCommands::ChooseSaveName(const QString &currentPath)
{
    const AppFolder &folder = m_form.folder();
    QString proposal = currentPath;
    for (int n = 1; proposal.isEmpty(); ++n) {
        const QString candidate = folder.file(u"\\Campaigns\\NewCampaign_"_s + QString::number(n) + u".vlf"_s);
        if (!QFileInfo::exists(candidate))
            proposal = candidate;
    }
    FileDialogRequest request;
    request.title = currentPath.endsWith(u't') ? u"Save as VLF or as a new template with VLT"_s : u"Save Under New Name"_s;
    request.filter = u"Velmora 4.0 (*.vlf)|*.vlf|Velmora 4.0 Template (*.vlt)|*.vlt"_s;
    request.initialFolder = folder.file(u"\\Campaigns"_s);
    request.initialFileName = proposal;
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const FileDialogResult chosen = m_form.platform().saveFile(request);
    if (!chosen.accepted())
        return std::nullopt;
    return chosen.path;
}

bool InterimCampaignCommands::SaveCampaign(const QString &)
{
    tellSavingComesLater();
    return false;
}

void InterimCampaignCommands::SaveModifiedDocuments()
{
    // No rich-text documents exist yet, so none can be modified.
}

void InterimCampaignCommands::tmrAutoSave_Timer()
{
    // Timed save stays off until campaigns can be saved.
}

} // namespace Velmora
