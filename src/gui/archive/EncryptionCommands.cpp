#include "gui/archive/EncryptionCommands.h"

#include "core/common/AppFolder.h"
#include "core/crypto/modTextEncryptDecrypt.h"
#include "gui/archive/frmDecrypt.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace Velmora {

EncryptionCommands::EncryptionCommands(ToolHost &host)
    : m_host(host)
{
    auto *decrypt = new QAction(tr("&Decrypt file..."), this);
    decrypt->setObjectName(u"mnuToolsDecrypt"_s);
    auto *encrypt = new QAction(tr("&Encrypt.."), this);
    encrypt->setObjectName(u"mnuToolsEncrypt"_s);
    m_host.addToMenu(MainMenu::Tools, decrypt);
    m_host.addToMenu(MainMenu::Tools, encrypt);
    connect(decrypt, &QAction::triggered, this, &EncryptionCommands::mnuToolsDecrypt_Click);
    connect(encrypt, &QAction::triggered, this, &EncryptionCommands::mnuToolsEncrypt_Click);
}

QString EncryptionCommands::retryText()
{
    return tr("Do you want to enter a new username/password for this file ?\r\n"
              "It seems the wrong username or password was entered to decrypt this file.");
}

QString EncryptionCommands::chooseFile(const QString &title, const QString &filter)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.initialFolder = m_host.folder().file(u"\\Campaigns"_s);
    request.fileMustExist = true;
    return m_host.platform().openFile(request).path;
}

void EncryptionCommands::refused(const QString &message) { m_host.platform().exclamation(tr("Velmora"), message); }

void EncryptionCommands::mnuToolsDecrypt_Click()
{
    const QString path = chooseFile(tr("Decrypt a Velmora file"), tr("VL Encrypted file (*.vle)|*.vle"));
    if (path.isEmpty())
        return;
    Platform &platform = m_host.platform();
    for (;;) {
        const int key = frmDecrypt::ask(platform, m_host.sounds(), m_host.dialogParent());
        if (key == 0)
            return;
        // The deciphered text is tested before anything is written: with wrong credentials the
        // ".vle" file is never touched (the old command deciphered it and enciphered it back).
        const Result<QString> done = modTextEncryptDecrypt::DecryptValidFile(path, key);
        if (done)
            return;
        if (done.error().message != modTextEncryptDecrypt::wrongCredentialsText()) {
            refused(done.error().message);
            return;
        }
        if (platform.message(tr("VL File Decryption"), retryText(), MessageButtons::OkCancel, MessageIcon::Question)
            != MessageAnswer::Ok)
            return;
    }
}

void EncryptionCommands::mnuToolsEncrypt_Click()
{
    const QString path = chooseFile(tr("Encrypt a Velmora file"), tr("VL Encrypted file (*.vls)|*.vls"));
    if (path.isEmpty())
        return;
    const int key = frmDecrypt::ask(m_host.platform(), m_host.sounds(), m_host.dialogParent());
    if (key == 0)
        return;
    // No message on success, as before; a file that could not be enciphered is said.
    if (const Result<QString> done = modTextEncryptDecrypt::EncryptFile(path, key); !done)
        refused(done.error().message);
}

} // namespace Velmora
