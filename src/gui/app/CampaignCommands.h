#pragma once

#include <QString>

#include <optional>

namespace Velmora {

/// The campaign's life cycle as the main window calls it: the open step of start-up, the File
/// menu and toolbar commands, the recent files, the save steps of the closing sequence and the
/// autosave tick. The program installs CampaignLifecycle through VelmoraForm::setCampaignCommands;
/// tests of the shell install a recording one.
class CampaignCommands
{
public:
    virtual ~CampaignCommands() = default;

    /// The Open command; `atStartup`: the first recent file opens without a dialog when
    /// "open last campaign" is set, and a cancelled dialog starts a new un-named campaign.
    virtual void OpenCampaign(bool atStartup) = 0;
    /// A recent-files item whose file exists.
    virtual void OpenRecentFile(const QString &path) = 0;
    /// A file handed over by a second start of the program: opened as File > Open opens the
    /// file chosen in its dialog, with the same questions about unsaved changes.
    virtual void OpenHandedOver(const QString &path) = 0;

    virtual void mnuFileNew_Click() = 0;
    virtual void mnuFileOpen_Click() = 0;
    virtual void mnuFileSave_Click() = 0;
    virtual void mnuFileSaveAs_Click() = 0;
    /// The toolbar's "Save": a template or an un-named campaign goes through Save As.
    virtual void SaveOrSaveAs() = 0;
    virtual void SaveCampaignAs() = 0;

    /// The save dialog for `currentPath`; the chosen path, or std::nullopt when cancelled.
    virtual std::optional<QString> ChooseSaveName(const QString &currentPath) = 0;
    /// Writes the open campaign to `path`; true when it was written (the modified mark is then
    /// cleared). On failure the campaign stays modified.
    virtual bool SaveCampaign(const QString &path) = 0;
    /// Saves every modified rich-text document to its own file.
    virtual void SaveModifiedDocuments() = 0;

    /// One tick of tmrAutoSave (every minute while timed save is on).
    virtual void tmrAutoSave_Timer() = 0;
    /// The program is closing, after the campaign's save: the last moment to encipher again a
    /// campaign that was deciphered from a ".vle" when it was opened.
    virtual void CampaignClosing() {}
};

} // namespace Velmora
