#include "gui/table/TableTools.h"

#include "core/app/CampaignSession.h"
#include "core/persistence/CampaignModel.h"
#include "core/table/BattleBoxList.h"
#include "gui/table/BattleBoxFrame.h"
#include "gui/ui/CellEditor.h"
#include "gui/ui/ListColumns.h"
#include "gui/ui/ToolHost.h"

#include <QHBoxLayout>
#include <QTreeView>
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
    m_battleBox = new BattleBoxFrame(m_host);
    m_battleColumn->addWidget(m_battleBox, 1);
    m_sideColumn->addStretch();
    m_host.placeOnTab(MainTab::Tools, m_toolsTab);
}

TableTools::~TableTools() = default;

void TableTools::applyCampaign(const CampaignModel &model)
{
    m_battleBox->loadEntries(model.battleBox);
    // A loaded campaign goes on with the fight that stands; a new campaign (it has no file yet)
    // starts from the first round.
    if (m_host.campaignSession().isUnnamed())
        m_battleBox->setCounters(BattleBoxCounters());
    m_battleBoxColumns = model.layout.columns(LayoutList::BattleBox);
    ListColumns::apply(m_battleBox->listView(), m_battleBoxColumns);
}

void TableTools::collectCampaign(CampaignModel &model)
{
    commitPendingEdits();
    model.battleBox = m_battleBox->list().entries();
    ListColumns::read(m_battleBox->listView(), m_battleBoxColumns);
    model.layout.columns(LayoutList::BattleBox) = m_battleBoxColumns;
}

void TableTools::commitPendingEdits() { m_battleBox->cellEditor().commitPending(); }

} // namespace Velmora
