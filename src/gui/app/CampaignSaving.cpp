#include "gui/app/CampaignSaving.h"

#include "core/crypto/ProtectedCampaign.h"
#include "core/persistence/Campaign.h"
#include "gui/app/CampaignFileKind.h"
#include "gui/app/CampaignOptionsBinding.h"
#include "gui/app/VelmoraForm.h"
#include "gui/archive/frmVlkPassword.h"
#include "gui/ui/Platform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The hourglass for as long as the object lives, or until released.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { release(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    void release()
    {
        if (std::exchange(m_active, false))
            QApplication::restoreOverrideCursor();
    }

private:
    bool m_active = true;
};

QString campaignsFolder(const AppFolder &folder)
{
    return folder.file(u"\\Campaigns"_s);
}

QString firstFreeNewCampaign(const AppFolder &folder, const QString &extension)
{
    const QString base = campaignsFolder(folder) + u"/NewCampaign_"_s;
    for (int n = 1;; ++n) {
        const QString candidate = base + QString::number(n) + extension;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

// "Default Data.vl*" of the campaigns folder, whatever the letter case.
bool isDefaultData(const AppFolder &folder, const QString &path)
{
    const QFileInfo file(QDir::fromNativeSeparators(path));
    return file.fileName().startsWith(u"Default Data.vl"_s, Qt::CaseInsensitive)
        && QDir::cleanPath(file.path()).compare(QDir::cleanPath(campaignsFolder(folder)), Qt::CaseInsensitive) == 0;
}

QString extensionOf(const QString &path)
{
    const QString name = QFileInfo(QDir::fromNativeSeparators(path)).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? u".vlf"_s : name.mid(dot);
}

} // namespace

CampaignSaving::CampaignSaving(VelmoraForm &form, Campaign &campaign, CampaignOptionsBinding &binding)
    : m_form(form)
    , m_campaign(campaign)
    , m_binding(binding)
{
}

QString CampaignSaving::saveFailedText(const Error &error)
{
    return tr("\"%1\" could not be saved.").arg(error.path) + u"\r\n"_s + error.message + u"\r\n\r\n"_s
        + tr("The campaign is still open with all its changes.");
}

QString CampaignSaving::notACampaignNameText(const QString &path)
{
    return tr("\"%1\" cannot hold a campaign.").arg(path) + u"\r\n"_s
        + tr("Campaigns are saved under names ending in \".vlf\", \".vlk\" for one protected by a password, or "
             "\".vlt\" for a template.");
}

QString CampaignSaving::proposedName(const AppFolder &folder, const QString &currentPath)
{
    if (currentPath.isEmpty())
        return firstFreeNewCampaign(folder, u".vlf"_s);
    if (isDefaultData(folder, currentPath)) {
        // The default data is never overwritten by a proposal. Its template saved under a new
        // name makes a new template; its 3.0 form becomes a campaign of the current format.
        QString extension = extensionOf(currentPath);
        if (campaignFileKind(extension) == CampaignFileKind::Version3)
            extension.back() = u'f';
        return firstFreeNewCampaign(folder, extension);
    }
    QString proposal = currentPath;
    const CampaignFileKind kind = campaignFileKind(proposal);
    if (kind == CampaignFileKind::Template || kind == CampaignFileKind::Version3)
        proposal.back() = u'f';
    return proposal;
}

std::optional<QString> CampaignSaving::chooseSaveName(const QString &currentPath)
{
    FileDialogRequest request;
    request.title = campaignFileKind(currentPath) == CampaignFileKind::Template
        ? tr("Save as VLF or as a new template with VLT")
        : tr("Save Under New Name");
    // A ".vlk" name protects the campaign by a password: a new one, unless the campaign is
    // protected already, when it keeps its password.
    request.filter = tr("Velmora 4.0 (*.vlf)|*.vlf|Velmora 4.0 Template (*.vlt)|*.vlt|"
                        "Encrypted Velmora 4.0 (*.vlk)|*.vlk");
    request.selectedFilter = 0;
    request.initialFolder = campaignsFolder(m_form.folder());
    request.initialFileName = proposedName(m_form.folder(), currentPath);
    request.overwritePrompt = true;
    request.pathMustExist = true;
    for (;;) {
        const FileDialogResult chosen = m_form.platform().saveFile(request);
        if (!chosen.accepted())
            return std::nullopt;
        if (isWritableCampaignName(chosen.path))
            return chosen.path;
        if (campaignFileKind(chosen.path) == CampaignFileKind::Encrypted) {
            if (!m_key) {
                std::optional<VlkKey> key = frmVlkPassword::askNewKey(m_form.platform(), chosen.path, &m_form);
                if (!key)
                    return std::nullopt;
                m_key.emplace(std::move(*key));
            }
            return chosen.path;
        }
        m_form.platform().information(tr("Velmora"), notACampaignNameText(chosen.path));
        request.initialFileName = chosen.path;
    }
}

SaveResult CampaignSaving::write(const QString &path)
{
    BusyCursor busy;
    m_binding.collect(m_campaign.model);
    const bool version3 = m_form.state().version3Loaded;
    const Result<void> saved = campaignFileKind(path) == CampaignFileKind::Encrypted
        ? ProtectedCampaign::save(m_campaign, path, version3, *m_key)
        : m_campaign.SaveCampaign(path, version3);
    if (!saved) {
        // The previous file is untouched (whole-file writes) and the changes stay marked, so
        // that neither the closing sequence nor the next command takes them for saved.
        busy.release();
        m_form.platform().exclamation(tr("Velmora"), saveFailedText(saved.error()));
        return SaveResult::Failed;
    }
    // Saved under a plain name, the campaign is no longer protected: its key goes.
    if (campaignFileKind(path) != CampaignFileKind::Encrypted)
        forgetKey();
    m_form.SaveSessionSettings();
    saveModifiedDocuments();
    m_form.campaignSession().markClean();
    return SaveResult::Saved;
}

SaveResult CampaignSaving::save(const QString &path)
{
    // An un-named campaign, or one still under its 3.0 or encrypted name, needs a new name.
    if (!canSaveInPlace(path))
        return saveAs();
    return write(path);
}

SaveResult CampaignSaving::saveAs()
{
    CampaignSession &session = m_form.campaignSession();
    const std::optional<QString> chosen = chooseSaveName(session.path());
    if (!chosen)
        return SaveResult::Cancelled;
    const QString previous = session.path();
    session.setPath(*chosen);
    if (write(*chosen) == SaveResult::Failed) {
        // A name that could not be written must not stay current: the next save would fail again.
        session.setPath(previous);
        // Nor the password just chosen for it.
        if (campaignFileKind(previous) != CampaignFileKind::Encrypted)
            forgetKey();
        return SaveResult::Failed;
    }
    m_form.AddToRecentFiles(*chosen);
    m_form.showCampaignPath();
    return SaveResult::Saved;
}

SaveResult CampaignSaving::saveOrSaveAs()
{
    const QString path = m_form.campaignSession().path();
    // A template is never overwritten from the toolbar.
    if (!path.isEmpty() && campaignFileKind(path) != CampaignFileKind::Template)
        return save(path);
    return saveAs();
}

bool CampaignSaving::canSaveInPlace(const QString &path) const
{
    return isWritableCampaignName(path) || (m_key && campaignFileKind(path) == CampaignFileKind::Encrypted);
}

void CampaignSaving::saveModifiedDocuments()
{
    m_form.saveModifiedDocuments();
}

} // namespace Velmora
