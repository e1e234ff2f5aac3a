#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace Velmora {

class Platform;

/// "Protected Campaign": the password of a ".vlk" file, asked once when it opens. The password
/// goes to the key and is never written anywhere.
class frmVlkPassword : public QDialog
{
    Q_OBJECT

public:
    explicit frmVlkPassword(const QString &path, QWidget *parent = nullptr);

    QString password() const;

    /// The dialog run modally through `platform`; std::nullopt when cancelled.
    static std::optional<QString> ask(Platform &platform, const QString &path, QWidget *parent);

private:
    QLineEdit *m_txtPassword;
};

} // namespace Velmora
