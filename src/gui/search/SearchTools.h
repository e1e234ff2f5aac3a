#pragma once

#include "core/persistence/CampaignModel.h"
#include "core/search/CampaignSearch.h"
#include "gui/ui/CampaignPart.h"

#include <QObject>

#include <functional>

namespace Velmora {

class FoundMatch;
class ToolHost;

/// The search across the whole campaign: "Find in Campaign..." (Ctrl+Shift+F) in the Tools menu
/// opens CampaignSearchDialog. The match chosen there is opened by the part that shows its place
/// (a SearchHitOpener it provides), with the match selected in its own editor. The window opens
/// again on the last search, so that the next match is one choice away.
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
    /// How the place of a match (by its "where") opens in its part's window; empty when no
    /// installed part opens it.
    std::function<void(FoundMatch &)> openerOf(const QString &where) const;

private:
    ToolHost &m_host;
    CampaignModel m_model = CampaignModel::newCampaign();
    QString m_lastText;
    CampaignSearch::Options m_lastOptions;
};

} // namespace Velmora
