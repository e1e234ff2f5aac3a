#pragma once

#include "core/persistence/CampaignModel.h"
#include "gui/ui/CampaignPart.h"

#include <QObject>

namespace Velmora {

class ToolHost;

/// The Tools menu's "Build archive..." and "Extract archive..." commands. The archive holds the
/// campaign file as saved, so the files it refers to are taken from the campaign as last loaded
/// or saved.
class ArchiveTools : public QObject, public CampaignPart
{
    Q_OBJECT

public:
    explicit ArchiveTools(ToolHost &host);

    void applyCampaign(const CampaignModel &model) override { m_saved = model; }
    void collectCampaign(CampaignModel &model) override { m_saved = model; }
    void commitPendingEdits() override { }

    void mnuToolsArchiveBuild_Click();
    void mnuToolsArchiveExtract_Click();

private:
    ToolHost &m_host;
    CampaignModel m_saved;
};

} // namespace Velmora
