#include "gui/archive/frmVlkPassword.h"

#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

frmVlkPassword::frmVlkPassword(const QString &path, QWidget *parent)
    : QDialog(parent)
    , m_txtPassword(new QLineEdit(this))
{
    setObjectName(u"frmVlkPassword"_s);
    setWindowTitle(tr("Protected Campaign"));
    m_txtPassword->setObjectName(u"txtPassword"_s);
    m_txtPassword->setEchoMode(QLineEdit::Password);
    auto *label = new QLabel(tr("Password of \"%1\":").arg(QFileInfo(path).fileName()), this);
    label->setObjectName(u"lblPassword"_s);
    QPushButton *ok = PushButtons::make(tr("OK"), u"cmdOK"_s, this);
    QPushButton *cancel = PushButtons::make(tr("Cancel"), u"cmdCancel"_s, this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_txtPassword);
    layout->addLayout(buttons);
    ok->setEnabled(false);
    connect(m_txtPassword, &QLineEdit::textChanged, ok, [ok](const QString &text) { ok->setEnabled(!text.isEmpty()); });
    connect(m_txtPassword, &QLineEdit::returnPressed, ok, &QPushButton::click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmVlkPassword::password() const { return m_txtPassword->text(); }

std::optional<QString> frmVlkPassword::ask(Platform &platform, const QString &path, QWidget *parent)
{
    frmVlkPassword dialog(path, parent);
    if (platform.execDialog(dialog) != QDialog::Accepted || dialog.password().isEmpty())
        return std::nullopt;
    return dialog.password();
}

} // namespace Velmora
