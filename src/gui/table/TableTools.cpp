#include "gui/table/TableTools.h"

#include "core/persistence/CampaignModel.h"
#include "gui/table/StatsPanel.h"
#include "gui/table/XpFrame.h"
#include "gui/ui/CellEditor.h"
#include "gui/ui/ToolHost.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace Velmora {

TableTools::TableTools(ToolHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_toolsTab(new QWidget)
{
    m_toolsTab->setObjectName(u"TableTools"_s);
    auto *columns = new QHBoxLayout(m_toolsTab);
    columns->setContentsMargins(0, 0, 0, 0);
    m_battleColumn = new QVBoxLayout;
    m_sideColumn = new QVBoxLayout;
    columns->addLayout(m_battleColumn, 3);
    columns->addLayout(m_sideColumn, 1);
    m_sideColumn->addStretch();
    m_xp = new XpFrame(m_host);
    m_sideColumn->addWidget(m_xp, 1);
    m_host.placeOnTab(MainTab::Tools, m_toolsTab);
    m_stats = new StatsPanel(m_host);
    m_host.placeOnPage(StripPage::UserStatistics, m_stats);
}

TableTools::~TableTools() = default;

void TableTools::applyCampaign(const CampaignModel &model)
{
    m_xp->model().setRows(model.xp);
    m_xp->applyColumns(model.layout.columns(LayoutList::Xp));
    m_stats->model().setRows(model.stats);
    m_stats->applyColumns(model.layout.columns(LayoutList::Stats));
}

void TableTools::collectCampaign(CampaignModel &model)
{
    commitPendingEdits();
    model.xp = m_xp->model().rows();
    m_xp->collectColumns(model.layout.columns(LayoutList::Xp));
    model.stats = m_stats->model().rows();
    m_stats->collectColumns(model.layout.columns(LayoutList::Stats));
}

void TableTools::commitPendingEdits()
{
    m_stats->cells().commitPending();
}

} // namespace Velmora
