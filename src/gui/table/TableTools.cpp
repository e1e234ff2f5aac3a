#include "gui/table/TableTools.h"

#include "core/app/CampaignSession.h"
#include "core/persistence/CampaignModel.h"
#include "core/table/BattleBoxList.h"
#include "gui/table/BattleBoxFiles.h"
#include "gui/table/BattleBoxFrame.h"
#include "gui/table/DiceRollerFrame.h"
#include "gui/table/StatsPanel.h"
#include "gui/table/XpFrame.h"
#include "gui/table/frmAsk.h"
#include "gui/ui/CellEditor.h"
#include "gui/ui/ListColumns.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
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
    m_battleBoxFiles = new BattleBoxFiles(m_host, m_battleBox->list());
    m_battleColumn->addWidget(m_battleBoxFiles);
    m_diceRoller = new DiceRollerFrame(m_host, m_toolsTab);
    m_sideColumn->addWidget(m_diceRoller);
    m_xp = new XpFrame(m_host);
    m_sideColumn->addWidget(m_xp, 1);
    m_host.placeOnTab(MainTab::Tools, m_toolsTab);
    m_stats = new StatsPanel(m_host);
    m_host.placeOnPage(StripPage::UserStatistics, m_stats);
    connectBattleBox();
    // The tool bar has played its click sound.
    if (QAction *ask = m_host.toolBarAction(u"ask"_s))
        connect(ask, &QAction::triggered, this, &TableTools::askTheVelmora);
}

TableTools::~TableTools() = default;

void TableTools::connectBattleBox()
{
    connect(m_battleBoxFiles, &BattleBoxFiles::captionChanged, m_battleBox, &QGroupBox::setTitle);
    connect(m_battleBox, &BattleBoxFrame::listEdited, m_battleBoxFiles, &BattleBoxFiles::listEdited);
    connect(m_battleBox, &BattleBoxFrame::entryRemoved, m_battleBoxFiles, &BattleBoxFiles::AskSaveBattleBox);
    connect(m_battleBox, &BattleBoxFrame::newBattleBoxStarting, m_battleBoxFiles, &BattleBoxFiles::saveIfModified);
    connect(m_battleBox, &BattleBoxFrame::newBattleBoxStarted, m_battleBoxFiles, &BattleBoxFiles::unload);
    // The counters are saved with the campaign, so that a fight resumes where it stood: a change
    // of them is a change of the campaign, which closing the program then saves or asks about.
    connect(m_battleBox, &BattleBoxFrame::countersChanged, &m_host.campaignSession(), &CampaignSession::markModified);
}

void TableTools::askTheVelmora()
{
    frmAsk dialog(m_host.platform(), m_host.folder(), m_host.dialogParent());
    m_host.platform().execDialog(dialog);
}

void TableTools::applyCampaign(const CampaignModel &model)
{
    m_battleBox->loadEntries(model.battleBox);
    // The fight that stood when the campaign was saved; a new campaign starts from the first round.
    m_battleBox->setCounters(model.battleBoxCounters);
    m_battleBoxColumns = model.layout.columns(LayoutList::BattleBox);
    ListColumns::apply(m_battleBox->listView(), m_battleBoxColumns);
    // After the Battle Box's own list: the first linked file replaces it.
    m_battleBoxFiles->applyCampaign(model);
    m_xp->model().setRows(model.xp);
    m_xp->applyColumns(model.layout.columns(LayoutList::Xp));
    m_stats->model().setRows(model.stats);
    m_stats->applyColumns(model.layout.columns(LayoutList::Stats));
}

void TableTools::collectCampaign(CampaignModel &model)
{
    commitPendingEdits();
    model.battleBox = m_battleBox->list().entries();
    model.battleBoxCounters = m_battleBox->counters();
    ListColumns::read(m_battleBox->listView(), m_battleBoxColumns);
    model.layout.columns(LayoutList::BattleBox) = m_battleBoxColumns;
    m_battleBoxFiles->collectCampaign(model);
    model.xp = m_xp->model().rows();
    m_xp->collectColumns(model.layout.columns(LayoutList::Xp));
    model.stats = m_stats->model().rows();
    m_stats->collectColumns(model.layout.columns(LayoutList::Stats));
}

// A modified Battle Box is saved whole, entries and notes, to its own file: its notes are no
// document of their own, so their RTF is never written anywhere else.
void TableTools::saveModifiedDocuments()
{
    m_battleBoxFiles->saveIfModified();
}

void TableTools::commitPendingEdits()
{
    m_battleBox->cellEditor().commitPending();
    m_stats->cells().commitPending();
}

} // namespace Velmora
