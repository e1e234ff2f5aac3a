#pragma once

#include "core/archive/ArchiveBuildPlan.h"
#include "core/common/AppFolder.h"
#include "core/persistence/CampaignModel.h"

#include <QDialog>
#include <QHash>
#include <QList>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Velmora {

class ArchiveWorkBar;
class Platform;

/// "Build ZIP Archive": the campaign file and, by choice, the files it refers to, into one ZIP
/// archive. Group boxes force their members; a member's own state comes back when its group is
/// cleared.
class frmArchiveBuild : public QDialog
{
    Q_OBJECT

public:
    /// `model` is the campaign saved at `campaignPath`; `userName` signs the archive comment.
    frmArchiveBuild(Platform &platform, AppFolder folder, CampaignModel model, QString campaignPath, QString userName,
        QWidget *parent = nullptr);
    ~frmArchiveBuild() override;

    bool isWorking() const;

    void cmdBrowse_Click();
    void cmdBuild_Click();

protected:
    void reject() override;

private:
    QCheckBox *addBox(const QString &name, const QString &caption);
    void makeGroup(QCheckBox *group, const QList<QCheckBox *> &members);
    QWidget *layoutBoxes();
    ArchiveBuildPlan::Groups chosenGroups() const;
    void setWorking(bool working);

    Platform &m_platform;
    AppFolder m_folder;
    CampaignModel m_model;
    QString m_campaignPath;
    QString m_userName;
    QHash<QString, QCheckBox *> m_boxes;
    /// Each member's state as the user left it, before a group forced it.
    QHash<QCheckBox *, bool> m_remembered;
    /// Raised while the program itself sets boxes: those changes are not remembered.
    int m_updating = 0;
    QLineEdit *m_txtArchiveName;
    QPlainTextEdit *m_txtComments;
    QList<QPushButton *> m_cmbArchive;
    ArchiveWorkBar *m_work;
};

} // namespace Velmora
