#pragma once

#include "gui/ui/CampaignPart.h"

#include <QObject>

class QVBoxLayout;
class QWidget;

namespace Velmora {

class StatsPanel;
class ToolHost;
class XpFrame;

/// The game table's tools on the main window: on the "Tools" tab the Battle Box with its notes
/// and saved files in the wide column, the Dice Roller and the XP list in the narrow one beside
/// it; the statistics on the "Statistics" page of the "User" tab; the oracle behind the tool
/// bar's "ask". The campaign's lists live in the models of those tools.
class TableTools : public QObject, public CampaignPart
{
    Q_OBJECT

public:
    explicit TableTools(ToolHost &host, QObject *parent = nullptr);
    ~TableTools() override;

    void applyCampaign(const CampaignModel &model) override;
    void collectCampaign(CampaignModel &model) override;
    void commitPendingEdits() override;

private:
    ToolHost &m_host;
    QWidget *m_toolsTab = nullptr;
    QVBoxLayout *m_battleColumn = nullptr; ///< the Battle Box, then its notes and saved files
    QVBoxLayout *m_sideColumn = nullptr;   ///< the Dice Roller, then the XP list
    XpFrame *m_xp = nullptr;
    StatsPanel *m_stats = nullptr;
};

} // namespace Velmora
