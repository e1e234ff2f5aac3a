#pragma once

#include "gui/app/CampaignOptionsBinding.h"
#include "gui/archive/EncryptedCampaign.h"

#include <QCoreApplication>
#include <QString>

namespace Velmora {

class Campaign;
class CampaignSaving;
class VelmoraForm;
struct LoadOutcome;
struct LoadProgress;

/// Opening campaigns: the open dialog, the start-up open, the recent files, the dispatch by the
/// kind of file (format 4.0, format 3.0 with its upgrade, encrypted files), and a new campaign.
///
/// A file that cannot be read as a campaign is reported with what is wrong, and the program
/// goes on with a new, un-named campaign: no save can then overwrite the file that failed.
class CampaignOpening
{
    Q_DECLARE_TR_FUNCTIONS(CampaignOpening)

public:
    CampaignOpening(VelmoraForm &form, Campaign &campaign, CampaignOptionsBinding &binding, CampaignSaving &saving);

    /// OpenCampaign.
    void openCampaign(bool atStartup);
    /// The file chosen in the open dialog (or handed over by a second start), with the question
    /// about unsaved changes unless `atStartup`.
    void openChosen(const QString &path, bool atStartup);
    /// OpenRecentFile: a recent file that exists.
    void openRecentFile(const QString &path);
    /// A new, un-named and unmodified campaign in the program.
    void startNewCampaign();
    /// Before another campaign replaces the open one: a deciphered ".vle" is offered to be
    /// enciphered again.
    void offerReEncryption();

    static QString upgradeText();
    static QString unreadableText(const QString &path, const QString &problem);
    static QString decryptText();
    static QString decryptionErrorText();
    static QString notACampaignText(const QString &path);

private:
    /// Opens `path` by its kind; false when nothing was opened (the campaign is unchanged).
    bool openByKind(const QString &path);
    void loadVersion4(const QString &path);
    void loadVersion3(const QString &path);
    bool openEncryptedVersion3(const QString &path);
    /// A ".vlk": its password asked (again after a wrong one, until cancelled), then loaded.
    bool openProtected(const QString &path);
    /// The loaded campaign handed to the program under `path`, clean; an unreadable one is
    /// refused. False when it was refused.
    bool takeLoaded(const QString &path, const LoadOutcome &outcome, CampaignOptionsBinding::Extent extent);
    void refuseUnreadable(const QString &path, const LoadOutcome &outcome);
    /// The question before another file replaces the campaign; false when the user wanted the
    /// campaign saved and that failed.
    bool offerSaveBeforeOpening();
    LoadProgress progress() const;
    /// How much of the options a loaded format-4.0 campaign brings.
    static CampaignOptionsBinding::Extent extentOf(const LoadOutcome &outcome);

    VelmoraForm &m_form;
    Campaign &m_campaign;
    CampaignOptionsBinding &m_binding;
    CampaignSaving &m_saving;
    EncryptedCampaign m_encrypted;
};

} // namespace Velmora
