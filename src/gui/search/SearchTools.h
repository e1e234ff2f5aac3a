#pragma once

#include "core/persistence/CampaignModel.h"
#include "gui/ui/CampaignPart.h"

#include <QObject>

namespace Velmora {

class ToolHost;

/// The search across the whole campaign: "Find in Campaign..." (Ctrl+Shift+F) in the Tools menu
/// opens CampaignSearchDialog.
///
/// The parts keep their data to themselves, so the search sees the campaign as it was last
/// loaded or saved: this part keeps the model it is given at a load and the one collected at a
/// save, and is installed after every part whose data it searches. Documents are read from
/// their files as saved.
class SearchTools : public QObject, public CampaignPart
{
    Q_OBJECT

public:
    explicit SearchTools(ToolHost &host, QObject *parent = nullptr);

    void applyCampaign(const CampaignModel &model) override { m_model = model; }
    void collectCampaign(CampaignModel &model) override { m_model = model; }
    void commitPendingEdits() override {}

    /// Opens the search window.
    void findInCampaign();

private:
    ToolHost &m_host;
    CampaignModel m_model = CampaignModel::newCampaign();
};

} // namespace Velmora
