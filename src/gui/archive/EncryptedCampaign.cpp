#include "gui/archive/EncryptedCampaign.h"

#include "core/crypto/modTextEncryptDecrypt.h"
#include "gui/archive/frmDecrypt.h"
#include "gui/ui/Platform.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

EncryptedCampaign::EncryptedCampaign(Platform &platform, const SoundCuePlayer &sounds, QWidget *dialogParent)
    : m_platform(platform)
    , m_sounds(sounds)
    , m_dialogParent(dialogParent)
{
}

QString EncryptedCampaign::reEncryptText()
{
    return tr("This was previously encrypted.\r\nDo you whish to re-encrypt it with the original settings ?");
}

bool EncryptedCampaign::OpenEncryptedCampaign(const QString &path)
{
    const int key = frmDecrypt::ask(m_platform, m_sounds, m_dialogParent);
    if (key == 0)
        return false;
    // Tested before anything is written, so that wrong credentials leave the file untouched.
    const Result<QString> deciphered = modTextEncryptDecrypt::DecryptValidFile(path, key);
    if (!deciphered)
        return false;
    m_deciphered = *deciphered;
    m_key = key;
    m_wasEncrypted = true;
    return true;
}

void EncryptedCampaign::OfferReEncryption()
{
    // The deciphered file itself, not the campaign's current name: a 3.0 campaign is saved under
    // a ".vlf" name, and the plain ".vls" left behind is what the offer is about.
    const QString path = m_deciphered;
    if (!m_wasEncrypted || !QFileInfo(path).isFile()) {
        forget();
        return;
    }
    if (m_key < 1) {
        m_key = frmDecrypt::ask(m_platform, m_sounds, m_dialogParent);
        if (m_key == 0) {
            forget();
            return;
        }
        encrypt(path);
    } else if (m_platform.question(tr("Velmora Encryption"), reEncryptText())) {
        encrypt(path);
    }
    // Either way the campaign is being replaced: what was remembered belongs to it.
    forget();
}

void EncryptedCampaign::encrypt(const QString &path)
{
    if (const Result<QString> done = modTextEncryptDecrypt::EncryptFile(path, m_key); !done)
        m_platform.exclamation(tr("Velmora"), done.error().message);
}

void EncryptedCampaign::forget()
{
    m_wasEncrypted = false;
    m_key = 0;
    m_deciphered.clear();
}

} // namespace Velmora
