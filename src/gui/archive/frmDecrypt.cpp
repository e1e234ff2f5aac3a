#include "gui/archive/frmDecrypt.h"

#include "core/crypto/modTextEncryptDecrypt.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/FieldFilter.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Each box keeps to 64 characters, so that the old 16-bit sum of the character codes of both
// (at most 128 × 255 = 32640) never overflows.
constexpr int MaxLength = 64;

QLineEdit *credentialBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(MaxLength);
    FieldFilter::keepOnly(box, [](QChar c) { return c != u' '; }); // a space cannot be typed
    return box;
}

} // namespace

frmDecrypt::frmDecrypt(const SoundCuePlayer &sounds, QWidget *parent)
    : QDialog(parent)
    , m_sounds(sounds)
    , m_txtUserName(credentialBox(u"txtUserName"_s, this))
    , m_txtPassword(credentialBox(u"txtPassword"_s, this))
    , m_cmdOK(PushButtons::make(tr("OK"), u"cmdOK"_s, this))
{
    setObjectName(u"frmDecrypt"_s);
    setWindowTitle(tr("Encrypted File"));
    m_txtPassword->setEchoMode(QLineEdit::Password);
    auto *form = new QFormLayout;
    form->addRow(tr("User name:"), m_txtUserName);
    form->addRow(tr("Password:"), m_txtPassword);
    auto *warning = new QLabel(warningText(), this);
    warning->setObjectName(u"lblWarning"_s);
    warning->setWordWrap(true);
    QPushButton *cancel = PushButtons::make(tr("Cancel"), u"cmdCancel"_s, this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(warning);
    layout->addLayout(buttons);

    const auto refresh
        = [this] { m_cmdOK->setEnabled(!m_txtUserName->text().isEmpty() && !m_txtPassword->text().isEmpty()); };
    connect(m_txtUserName, &QLineEdit::textChanged, this, refresh);
    connect(m_txtPassword, &QLineEdit::textChanged, this, refresh);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmDecrypt::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] {
        m_cancelled = true;
        m_key = 0;
    });
    refresh();
}

QString frmDecrypt::warningText()
{
    return tr("This old cipher is a letter substitution that anyone can break: it does not protect the file.");
}

void frmDecrypt::init(const QString &userName)
{
    // The box refuses spaces, as typing does; the name is cut at a NUL, as the system gives it.
    QString name = userName.section(QChar::Null, 0, 0);
    name.remove(u' ');
    m_txtUserName->setText(name.left(MaxLength));
    m_txtPassword->clear();
}

void frmDecrypt::cmdOK_Click()
{
    m_sounds.play(SoundEvent::Click);
    m_cancelled = false;
    m_key = modTextEncryptDecrypt::KeyFromCredentials(m_txtUserName->text(), m_txtPassword->text());
    accept();
}

int frmDecrypt::ask(Platform &platform, const SoundCuePlayer &sounds, QWidget *parent)
{
    frmDecrypt dialog(sounds, parent);
    dialog.init(platform.userName());
    platform.execDialog(dialog);
    return dialog.cancelled() ? 0 : dialog.keyNumber();
}

} // namespace Velmora
