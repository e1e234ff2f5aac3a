#pragma once

#include "core/crypto/VlkKey.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

namespace Velmora {

class Platform;

/// The password of a ".vlk" file. "Protected Campaign" asks it once when the file opens;
/// "Protect Campaign" asks a new one, twice, when a campaign is first saved as a ".vlk". The
/// password goes to the key and is never written anywhere.
class frmVlkPassword : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Open, NewPassword };

    explicit frmVlkPassword(const QString &path, QWidget *parent = nullptr, Mode mode = Mode::Open);

    QString password() const;
    /// What OK refused in the new-password mode ("" when nothing was).
    QString problem() const;

    /// The dialog run modally through `platform`; std::nullopt when cancelled.
    static std::optional<QString> ask(Platform &platform, const QString &path, QWidget *parent);
    /// A new password asked twice, and the key of a new file derived from it under `limits`;
    /// std::nullopt when cancelled, or when the key could not be made (the user is told).
    static std::optional<VlkKey> askNewKey(
        Platform &platform, const QString &path, QWidget *parent, const VlkLimits &limits = VlkLimits::standard());

    static QString emptyText();
    static QString mismatchText();

private:
    void cmdOK_Click();

    Mode m_mode;
    QLineEdit *m_txtPassword;
    QLineEdit *m_txtConfirm = nullptr;
    QLabel *m_lblProblem = nullptr;
};

} // namespace Velmora
