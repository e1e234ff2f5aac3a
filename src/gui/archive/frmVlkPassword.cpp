#include "gui/archive/frmVlkPassword.h"

#include "core/crypto/VlkFile.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QLineEdit *passwordField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    return field;
}

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmVlkPassword::frmVlkPassword(const QString &path, QWidget *parent, Mode mode)
    : QDialog(parent)
    , m_mode(mode)
    , m_txtPassword(passwordField(u"txtPassword"_s, this))
{
    setObjectName(u"frmVlkPassword"_s);
    const QString name = QFileInfo(path).fileName();
    const bool isNew = mode == Mode::NewPassword;
    setWindowTitle(isNew ? tr("Protect Campaign") : tr("Protected Campaign"));
    QPushButton *ok = PushButtons::make(tr("OK"), u"cmdOK"_s, this);
    QPushButton *cancel = PushButtons::make(tr("Cancel"), u"cmdCancel"_s, this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label(
        u"lblPassword"_s, isNew ? tr("New password of \"%1\":").arg(name) : tr("Password of \"%1\":").arg(name), this));
    layout->addWidget(m_txtPassword);
    QLineEdit *last = m_txtPassword;
    if (isNew) {
        // Typed twice, since a mistyped password would lock the campaign away for good.
        m_txtConfirm = passwordField(u"txtConfirm"_s, this);
        m_lblProblem = label(u"lblProblem"_s, QString(), this);
        layout->addWidget(label(u"lblConfirm"_s, tr("The same password again:"), this));
        layout->addWidget(m_txtConfirm);
        layout->addWidget(label(u"lblNote"_s,
            tr("Keep it safe: without the password nobody can open the campaign again, not even this program."), this));
        layout->addWidget(m_lblProblem);
        connect(m_txtPassword, &QLineEdit::returnPressed, m_txtConfirm, qOverload<>(&QWidget::setFocus));
        last = m_txtConfirm;
    } else {
        // Only the new-password form explains what OK refuses; here an empty box cannot be sent.
        ok->setEnabled(false);
        connect(
            m_txtPassword, &QLineEdit::textChanged, ok, [ok](const QString &text) { ok->setEnabled(!text.isEmpty()); });
    }
    layout->addLayout(buttons);
    connect(last, &QLineEdit::returnPressed, ok, &QPushButton::click);
    connect(ok, &QPushButton::clicked, this, &frmVlkPassword::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmVlkPassword::password() const { return m_txtPassword->text(); }

QString frmVlkPassword::problem() const { return m_lblProblem ? m_lblProblem->text() : QString(); }

QString frmVlkPassword::emptyText() { return tr("Type a password: an empty one would protect nothing."); }

QString frmVlkPassword::mismatchText() { return tr("The two passwords differ: type the same password in both boxes."); }

void frmVlkPassword::cmdOK_Click()
{
    if (m_mode == Mode::NewPassword) {
        const QString problem = password().isEmpty() ? emptyText()
            : password() != m_txtConfirm->text()     ? mismatchText()
                                                     : QString();
        m_lblProblem->setText(problem);
        if (!problem.isEmpty())
            return;
    }
    accept();
}

std::optional<QString> frmVlkPassword::ask(Platform &platform, const QString &path, QWidget *parent)
{
    frmVlkPassword dialog(path, parent);
    if (platform.execDialog(dialog) != QDialog::Accepted || dialog.password().isEmpty())
        return std::nullopt;
    return dialog.password();
}

std::optional<VlkKey> frmVlkPassword::askNewKey(
    Platform &platform, const QString &path, QWidget *parent, const VlkLimits &limits)
{
    frmVlkPassword dialog(path, parent, Mode::NewPassword);
    if (platform.execDialog(dialog) != QDialog::Accepted || dialog.password().isEmpty())
        return std::nullopt;
    // Deriving the key takes about a second, on purpose: it is what makes guessing slow.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Result<VlkKey> key = VlkFile::newKey(dialog.password().toUtf8(), limits);
    QGuiApplication::restoreOverrideCursor();
    if (!key) {
        platform.exclamation(tr("Velmora"), key.error().message);
        return std::nullopt;
    }
    return std::move(key.value());
}

} // namespace Velmora
