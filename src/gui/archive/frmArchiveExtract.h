#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace Velmora {

class ArchiveWorkBar;
class Platform;

/// Unpacks a ZIP archive below a folder, folders recreated, nothing overwritten.
class frmArchiveExtract : public QDialog
{
    Q_OBJECT

public:
    explicit frmArchiveExtract(Platform &platform, QWidget *parent = nullptr);
    ~frmArchiveExtract() override;

    bool isWorking() const;

    void cmdArchive_Click();
    void cmdTarget_Click();
    void cmdExtract_Click();

protected:
    void reject() override;

private:
    void validate();

    Platform &m_platform;
    QLineEdit *m_txtArchive;
    QLineEdit *m_txtTarget;
    QPushButton *m_cmdExtract;
    ArchiveWorkBar *m_work;
};

} // namespace Velmora
