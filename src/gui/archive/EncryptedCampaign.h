#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace Velmora {

class Platform;
class SoundCuePlayer;

/// The old cipher in the campaign's life cycle: a ".vle" campaign deciphered when it is opened,
/// and the offer to encipher it again before another campaign replaces it. Remembers whether
/// the open campaign was enciphered, and its key number.
class EncryptedCampaign
{
    Q_DECLARE_TR_FUNCTIONS(EncryptedCampaign)

public:
    EncryptedCampaign(Platform &platform, const SoundCuePlayer &sounds, QWidget *dialogParent);

    /// Asks for the user name and password and deciphers `path` to its ".vls" name. True when
    /// that is a 3.0 campaign (the caller then opens it); with wrong credentials or a cancel the
    /// file is left as it was and false is returned.
    bool OpenEncryptedCampaign(const QString &path);
    /// Before another campaign replaces the open one, and when the program closes: when a
    /// ".vls" deciphered at its opening is still there, offers to encipher it again.
    void OfferReEncryption();

    bool wasEncrypted() const { return m_wasEncrypted; }
    int keyNumber() const { return m_key; }

    static QString reEncryptText();

private:
    void forget();
    void encrypt(const QString &path);

    Platform &m_platform;
    const SoundCuePlayer &m_sounds;
    QWidget *m_dialogParent;
    bool m_wasEncrypted = false;
    QString m_deciphered;
    int m_key = 0;
};

} // namespace Velmora
