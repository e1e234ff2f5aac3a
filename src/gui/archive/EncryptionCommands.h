#pragma once

#include "gui/ui/CampaignPart.h"

#include <QCoreApplication>
#include <QObject>

class QAction;

namespace Velmora {

class ToolHost;

/// The Tools menu's commands of the old cipher of format-3.0 files: Decrypt ("&Decrypt
/// file...", a ".vle" back to its ".vls") and Encrypt ("&Encrypt..", a ".vls" to its ".vle").
/// They hold no campaign data.
class EncryptionCommands : public QObject, public CampaignPart
{
    Q_OBJECT

public:
    explicit EncryptionCommands(ToolHost &host);

    void applyCampaign(const CampaignModel &) override { }
    void collectCampaign(CampaignModel &) override { }
    void commitPendingEdits() override { }

    void mnuToolsDecrypt_Click();
    void mnuToolsEncrypt_Click();

    static QString retryText();

private:
    /// The open dialog of the command; "" when cancelled.
    QString chooseFile(const QString &title, const QString &filter);
    void refused(const QString &message);

    ToolHost &m_host;
};

} // namespace Velmora
