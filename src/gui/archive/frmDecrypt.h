#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace Velmora {

class Platform;
class SoundCuePlayer;

/// "Encrypted File": the user name and password of the old cipher of format-3.0 files, which
/// give its number of rounds. The window says that the cipher protects nothing.
class frmDecrypt : public QDialog
{
    Q_OBJECT

public:
    frmDecrypt(const SoundCuePlayer &sounds, QWidget *parent = nullptr);

    /// The user name box filled with `userName`, the password box emptied.
    void init(const QString &userName);
    bool cancelled() const { return m_cancelled; }
    /// 1 to 9 after OK, 0 when cancelled.
    int keyNumber() const { return m_key; }

    /// The dialog run modally through `platform`; the key number, 0 when cancelled.
    static int ask(Platform &platform, const SoundCuePlayer &sounds, QWidget *parent);
    static QString warningText();

private:
    void cmdOK_Click();

    const SoundCuePlayer &m_sounds;
    QLineEdit *m_txtUserName;
    QLineEdit *m_txtPassword;
    QPushButton *m_cmdOK;
    bool m_cancelled = true;
    int m_key = 0;
};

} // namespace Velmora
