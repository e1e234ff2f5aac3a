#include "gui/app/CampaignOpening.h"

#include "core/crypto/ProtectedCampaign.h"
#include "core/crypto/VlkFile.h"
#include "core/crypto/modTextEncryptDecrypt.h"
#include "core/documents/NotesDocuments.h"
#include "core/persistence/Campaign.h"
#include "gui/app/CampaignFileKind.h"
#include "gui/app/CampaignOptionsBinding.h"
#include "gui/app/CampaignSaving.h"
#include "gui/app/VelmoraForm.h"
#include "gui/archive/frmVlkPassword.h"
#include "gui/ui/Platform.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

CampaignOpening::CampaignOpening(VelmoraForm &form, Campaign &campaign, CampaignOptionsBinding &binding,
                                 CampaignSaving &saving)
    : m_form(form)
    , m_campaign(campaign)
    , m_binding(binding)
    , m_saving(saving)
    , m_encrypted(form.platform(), form.sounds(), &form)
{
}

QString CampaignOpening::upgradeText()
{
    return tr("This is a version 3.0 Velmora file.\r\n\r\nIt will be saved under the new version 4.0 format\r\n"
              "  which will include your map collection.\r\nAll your old files will remain intact\r\n"
              "  and still be accessible by this program.");
}

QString CampaignOpening::unreadableText(const QString &path, const QString &problem)
{
    return tr("\"%1\" could not be opened as a campaign.").arg(path) + u"\r\n"_s + problem + u"\r\n\r\n"_s
        + tr("A new, un-named campaign was started instead; the file was left as it is.");
}

QString CampaignOpening::decryptText()
{
    return upgradeText() + u"\r\n\r\n"_s + tr("Old encrypted file will be decrypted.");
}

QString CampaignOpening::decryptionErrorText()
{
    return tr("Decryption failed.\r\n\r\nThe cause is a wrong username or a wrong password.\r\n"
              "Try again or open another file.\r\n\r\nOld file has been re-encrypted.");
}

QString CampaignOpening::notACampaignText(const QString &path)
{
    return tr("\"%1\" is not a Velmora campaign file.").arg(path);
}

CampaignOptionsBinding::Extent CampaignOpening::extentOf(const LoadOutcome &outcome)
{
    const bool ownOptions = outcome.labels.contains(u"OPTIONS"_s, Qt::CaseInsensitive);
    return ownOptions ? CampaignOptionsBinding::Extent::AllOptions
                      : CampaignOptionsBinding::Extent::CampaignSwitches;
}

LoadProgress CampaignOpening::progress() const
{
    VelmoraForm *form = &m_form;
    return LoadProgress{[form](const QString &text) { form->ShowLoadingMessage(text); },
                        [form](int steps) { form->setLoadingRange(steps); }};
}

void CampaignOpening::offerReEncryption()
{
    m_encrypted.OfferReEncryption();
}

void CampaignOpening::startNewCampaign()
{
    m_saving.forgetKey();
    CampaignSession &session = m_form.campaignSession();
    session.setPath(QString());
    m_campaign.ResetToNewCampaign(m_form.platform().random());
    m_binding.apply(m_campaign.model, CampaignOptionsBinding::Extent::CampaignSwitches);
    session.markClean();
    m_form.showCampaignPath();
}

void CampaignOpening::openCampaign(bool atStartup)
{
    const QString first = m_form.sessionSettings().recentFiles().value(0);
    const bool firstExists = !first.isEmpty() && QFileInfo(first).isFile();
    if (atStartup && m_form.state().openLastCampaign && firstExists) {
        // Opened by its kind like any other file: the loader of format 4.0 cannot read the
        // others, and a 3.0 campaign reopened from the recent files deserves its upgrade.
        if (!openByKind(first))
            startNewCampaign();
        m_form.showCampaignPath();
        return;
    }

    FileDialogRequest request;
    request.title = tr("Open Velmora Campaign File");
    request.filter = tr("Any Velmora file (*.vl*)|*.vl*|Velmora 4.0 (*.vlf)|*.vlf|"
                        "Encrypted Velmora 4.0 (*.vlk)|*.vlk|Velmora 4.0 Template (*.vlt)|*.vlt|"
                        "Velmora 3.0 (*.vls)|*.vls|Encrypted Velmora 3.0 (*.vle)|*.vle");
    request.selectedFilter = 1;
    request.initialFolder = m_form.folder().file(u"\\Campaigns"_s);
    request.initialFileName = firstExists ? first : QString();
    request.fileMustExist = true;
    const FileDialogResult chosen = m_form.platform().openFile(request);
    if (!chosen.accepted()) {
        if (atStartup)
            startNewCampaign();
        return;
    }
    openChosen(chosen.path, atStartup);
}

void CampaignOpening::openChosen(const QString &path, bool atStartup)
{
    if (!atStartup && !offerSaveBeforeOpening())
        return;
    if (!openByKind(path)) {
        if (atStartup)
            startNewCampaign();
        return;
    }
    m_form.AddToRecentFiles(m_form.campaignSession().path());
    m_form.showCampaignPath();
}

bool CampaignOpening::offerSaveBeforeOpening()
{
    const CampaignSession &session = m_form.campaignSession();
    const bool unnamed = session.isUnnamed();
    if (!unnamed && !session.isModified())
        return true;
    const QString text = unnamed ? tr("Do you wish to save any changes made to the previous un-named file ?")
                                 : tr("Do you wish to save any changes made to your campaign file ?");
    if (!m_form.platform().question(tr("Saving Changes"), text))
        return true;
    m_form.sounds().play(SoundEvent::Save);
    const SaveResult saved = unnamed ? m_saving.saveAs() : m_saving.saveOrSaveAs();
    return saved != SaveResult::Failed;
}

void CampaignOpening::openRecentFile(const QString &path)
{
    CampaignSession &session = m_form.campaignSession();
    if (session.isModified()) {
        if (m_form.platform().question(tr("Open Campaign File"), tr("Do you want to save your current campaign ?"))) {
            if (m_saving.save(session.path()) == SaveResult::Failed)
                return;
        } else {
            session.markClean();
        }
    }
    if (!openByKind(path))
        return;
    m_form.AddToRecentFiles(session.path());
    m_form.showCampaignPath();
    m_form.sounds().play(SoundEvent::Intro);
}

bool CampaignOpening::openByKind(const QString &path)
{
    const CampaignFileKind kind = campaignFileKind(path);
    if (kind != CampaignFileKind::Unknown)
        offerReEncryption();
    switch (kind) {
    case CampaignFileKind::Campaign:
    case CampaignFileKind::Template:
        loadVersion4(path);
        return true;
    case CampaignFileKind::Version3:
        m_form.platform().information(tr("Updating to New Version"), upgradeText());
        loadVersion3(path);
        return true;
    case CampaignFileKind::Encrypted:
        return openProtected(path);
    case CampaignFileKind::EncryptedVersion3:
        return openEncryptedVersion3(path);
    case CampaignFileKind::Unknown:
        break;
    }
    m_form.platform().information(tr("Velmora"), notACampaignText(path));
    return false;
}

void CampaignOpening::loadVersion4(const QString &path)
{
    const LoadOutcome outcome = m_campaign.LoadCampaignFile(path, progress());
    takeLoaded(path, outcome, extentOf(outcome));
}

void CampaignOpening::loadVersion3(const QString &path)
{
    const LoadOutcome outcome =
        m_campaign.LoadVersion3Campaign(path, m_form.sessionSettings().settings(), progress());
    if (!takeLoaded(path, outcome, CampaignOptionsBinding::Extent::CampaignSwitches))
        return;
    // The next save makes a fresh campaign file and rewrites the session settings whole; the
    // .vls path stays current, and saving it goes through the save dialog (CampaignSaving).
    ProgramState &state = m_form.state();
    state.version3Loaded = true;
    // The upgrade decides it (the binding applies the interval, not this switch of the program).
    state.saveOnClose = m_campaign.model.options.saveOnClose;
}

bool CampaignOpening::openEncryptedVersion3(const QString &path)
{
    Platform &platform = m_form.platform();
    platform.information(tr("Updating to New Version"), decryptText());
    // Deciphered to the ".vls" name only when the credentials are right; the file is never
    // changed otherwise, so the message's "re-encrypted" is true of what is on disk.
    if (!m_encrypted.OpenEncryptedCampaign(path)) {
        platform.information(tr("Decryption Error"), decryptionErrorText());
        return false;
    }
    // Opened as the 3.0 campaign it now is; leaving it offers to encipher it again.
    loadVersion3(modTextEncryptDecrypt::renamed(path, u's'));
    return true;
}

bool CampaignOpening::openProtected(const QString &path)
{
    for (;;) {
        const std::optional<QString> password = frmVlkPassword::ask(m_form.platform(), path, &m_form);
        if (!password)
            return false;
        LoadOutcome outcome;
        Result<VlkKey> key = ProtectedCampaign::load(m_campaign, path, password->toUtf8(), outcome, progress());
        if (!key) {
            // Nothing was loaded: the open campaign is as it was, the file untouched.
            m_form.platform().exclamation(tr("Velmora"), key.error().message);
            if (key.error().message == VlkFile::wrongPasswordText())
                continue;
            return false;
        }
        if (!takeLoaded(path, outcome, extentOf(outcome)))
            return true;
        // Kept for the saves of this campaign, so that the password is asked only once.
        m_saving.setKey(std::move(key.value()));
        return true;
    }
}

bool CampaignOpening::takeLoaded(const QString &path, const LoadOutcome &outcome,
                                 CampaignOptionsBinding::Extent extent)
{
    if (!outcome.readable) {
        refuseUnreadable(path, outcome);
        return false;
    }
    m_saving.forgetKey();
    CampaignSession &session = m_form.campaignSession();
    session.setPath(path);
    m_binding.apply(m_campaign.model, extent);
    session.markClean();
    if (outcome.defaultDocuments)
        m_form.platform().information(NotesDocuments::notFoundTitle(), NotesDocuments::notFoundText());
    return true;
}

void CampaignOpening::refuseUnreadable(const QString &path, const LoadOutcome &outcome)
{
    // The campaign becomes a new, un-named one, so that nothing (a save, the autosave, the save
    // at close) can write over the file the user tried to open.
    startNewCampaign();
    m_form.platform().exclamation(tr("Velmora"), unreadableText(path, outcome.problem));
}

} // namespace Velmora
