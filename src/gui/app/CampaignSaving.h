#pragma once

#include "core/common/AppFolder.h"
#include "core/common/FileWriter.h"
#include "core/crypto/VlkKey.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace Velmora {

class Campaign;
class CampaignOptionsBinding;
class VelmoraForm;

/// How a save went. Cancelled: the user closed the save dialog; Failed: the file could not be
/// written, the user was told, and the campaign is still modified.
enum class SaveResult { Saved, Cancelled, Failed };

/// Saving the open campaign: to its file, under a new name (the save dialog with its proposed
/// name), and the toolbar's save, which never overwrites a template.
///
/// Campaigns are written only under names ending in "f" or "t", the names the program opens as
/// format 4.0. A campaign still under its 3.0 name (".vls") is saved through the save dialog,
/// which proposes the ".vlf" name, so that the old file stays as it was. A protected campaign
/// (".vlk") is saved in place with the key it was opened with, a fresh nonce each time, while
/// that key is held.
class CampaignSaving
{
    Q_DECLARE_TR_FUNCTIONS(CampaignSaving)

public:
    CampaignSaving(VelmoraForm &form, Campaign &campaign, CampaignOptionsBinding &binding);

    /// SaveCampaign: the campaign written to `path`, then the session settings and the modified
    /// documents; clears the modified mark. A failure shows a message naming the file and why.
    SaveResult save(const QString &path);
    /// SaveCampaignAs: asks for a name, saves there; the name becomes the current campaign path
    /// and goes to the top of the recent files. A failed save keeps the previous path.
    SaveResult saveAs();
    /// SaveOrSaveAs, the toolbar's save: a named campaign that is not a template is saved in
    /// place, anything else through saveAs().
    SaveResult saveOrSaveAs();
    /// ChooseSaveName: the save dialog. A chosen name the program does not save campaigns under
    /// is refused with a message and the dialog comes again. A ".vlk" name for a campaign not
    /// protected yet asks a new password, whose key is then held; cancelling it cancels the save.
    std::optional<QString> chooseSaveName(const QString &currentPath);
    /// SaveModifiedDocuments: after every campaign save and at close.
    void saveModifiedDocuments();

    /// The key of the open ".vlk" campaign, held (in locked memory) until another campaign
    /// replaces it or the program ends, when it is wiped.
    void setKey(VlkKey key) { m_key.emplace(std::move(key)); }
    void forgetKey() { m_key.reset(); }
    /// Whether save() writes `path` without asking for a name: a campaign or template name, or
    /// a ".vlk" name while its key is held.
    bool canSaveInPlace(const QString &path) const;

    /// The name the save dialog proposes for `currentPath`: the path itself, a template or a 3.0
    /// campaign as ".vlf"; for an un-named campaign, or the default campaign data, the first
    /// free "NewCampaign_<n>" of the campaigns folder.
    static QString proposedName(const AppFolder &folder, const QString &currentPath);
    static QString saveFailedText(const Error &error);
    static QString notACampaignNameText(const QString &path);

private:
    SaveResult write(const QString &path);

    VelmoraForm &m_form;
    Campaign &m_campaign;
    CampaignOptionsBinding &m_binding;
    std::optional<VlkKey> m_key;
};

} // namespace Velmora
