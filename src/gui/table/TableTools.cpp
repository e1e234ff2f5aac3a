#include "gui/table/TableTools.h"

#include "core/app/CampaignSession.h"
#include "core/persistence/CampaignModel.h"
#include "core/persistence/ListLayout.h"
#include "gui/table/BattleBoxFiles.h"
#include "gui/table/BattleBoxFrame.h"
#include "gui/table/DiceRollerFrame.h"
#include "gui/table/StatsPanel.h"
#include "gui/table/XpFrame.h"
#include "gui/table/frmAsk.h"
#include "gui/ui/CellEditor.h"
#include "gui/ui/FoundMatch.h"
#include "gui/ui/ListColumns.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
#include <QTextEdit>
#include <QHBoxLayout>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace Velmora {

TableTools::TableTools(ToolHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_xpColumns(ListLayout::defaults().columns(LayoutList::Xp))
    , m_statsColumns(ListLayout::defaults().columns(LayoutList::Stats))
    , m_battleBoxFiles(new BattleBoxFiles(host, m_battleBoxList, this))
{
    markModifiedOnChange(m_battleBoxList);
    markModifiedOnChange(m_xpList);
    markModifiedOnChange(m_statsList);
    connect(m_battleBoxFiles, &BattleBoxFiles::captionChanged, this, [this](const QString &caption) {
        m_battleBoxTitle = caption;
        if (m_battleBox)
            m_battleBox->setTitle(caption);
    });
    // The menu's entries are there from the start; their tools come when first needed.
    BattleBoxFrame::addDicesMenuItems(m_host, this, [this]() -> BattleBoxFrame & { return battleBox(); });
    DiceRollerFrame::addMenuItems(m_host, this, [this]() -> DiceRollerFrame & { return diceRoller(); });
    m_host.onFirstShown(MainTab::Tools, this, [this] { buildToolsTab(); });
    m_host.onFirstShown(StripPage::UserStatistics, this, [this] { buildStatsPage(); });
    // The tool bar has played its click sound.
    if (QAction *ask = m_host.toolBarAction(u"ask"_s))
        connect(ask, &QAction::triggered, this, &TableTools::askTheVelmora);
    connect(&m_host.services(), &PartServices::columnsReset, this, &TableTools::resetColumns);
    m_host.services().provide<SearchHitOpener<SearchPlaceKind::BattleBoxNotes>>(this);
}

void TableTools::openHit(FoundMatch &match)
{
    m_host.showTab(MainTab::Tools);
    buildToolsTab();
    if (QTextEdit *notes = m_battleBoxFiles->showNotesOf(match.hit().path))
        match.selectIn(*notes);
    else
        match.placeGone();
}

// The list-layout reset: the list's initial widths, kept and shown.
void TableTools::resetColumns(LayoutList list)
{
    const QList<float> widths = ListLayout::initialWidths()[size_t(list)];
    if (list == LayoutList::BattleBox) {
        m_battleBoxColumns = widths;
        if (m_battleBox)
            ListColumns::apply(m_battleBox->listView(), widths);
    } else if (list == LayoutList::Xp) {
        m_xpColumns = widths;
        if (m_battleBox)
            m_xp->applyColumns(widths);
    } else if (list == LayoutList::Stats) {
        m_statsColumns = widths;
        if (m_stats)
            m_stats->applyColumns(widths);
    }
}

TableTools::~TableTools() = default;

void TableTools::markModifiedOnChange(QAbstractItemModel &model)
{
    CampaignSession &session = m_host.campaignSession();
    connect(&model, &QAbstractItemModel::dataChanged, &session, &CampaignSession::markModified);
    connect(&model, &QAbstractItemModel::rowsInserted, &session, &CampaignSession::markModified);
    connect(&model, &QAbstractItemModel::rowsRemoved, &session, &CampaignSession::markModified);
}

void TableTools::buildToolsTab()
{
    if (m_battleBox)
        return;
    auto *tab = new QWidget;
    tab->setObjectName(u"TableTools"_s);
    auto *columns = new QHBoxLayout(tab);
    columns->setContentsMargins(0, 0, 0, 0);
    auto *battleColumn = new QVBoxLayout; // the Battle Box, then its notes and saved files
    auto *sideColumn = new QVBoxLayout; // the Dice Roller, then the XP list
    columns->addLayout(battleColumn, 3);
    columns->addLayout(sideColumn, 1);
    m_battleBox = new BattleBoxFrame(m_host, m_battleBoxList);
    m_battleBox->setCounters(m_counters);
    ListColumns::apply(m_battleBox->listView(), m_battleBoxColumns);
    if (!m_battleBoxTitle.isEmpty())
        m_battleBox->setTitle(m_battleBoxTitle);
    battleColumn->addWidget(m_battleBox, 1);
    battleColumn->addWidget(m_battleBoxFiles->panel());
    m_diceRoller = new DiceRollerFrame(m_host, tab);
    sideColumn->addWidget(m_diceRoller);
    m_xp = new XpFrame(m_host, m_xpList);
    m_xp->applyColumns(m_xpColumns);
    sideColumn->addWidget(m_xp, 1);
    m_host.placeOnTab(MainTab::Tools, tab);
    connectBattleBox();
}

void TableTools::buildStatsPage()
{
    if (m_stats)
        return;
    m_stats = new StatsPanel(m_host, m_statsList);
    m_stats->applyColumns(m_statsColumns);
    m_host.placeOnPage(StripPage::UserStatistics, m_stats);
}

BattleBoxFrame &TableTools::battleBox()
{
    buildToolsTab();
    return *m_battleBox;
}

DiceRollerFrame &TableTools::diceRoller()
{
    buildToolsTab();
    return *m_diceRoller;
}

void TableTools::connectBattleBox()
{
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
    // The marks go silently: opening a campaign already has its own sounds, and a click in the
    // middle of them would say nothing.
    m_battleBoxList.untickAll();
    m_battleBoxList.setEntries(model.battleBox);
    // The fight that stood when the campaign was saved; a new campaign starts from the first round.
    m_counters = model.battleBoxCounters;
    m_battleBoxColumns = model.layout.columns(LayoutList::BattleBox);
    m_xpColumns = model.layout.columns(LayoutList::Xp);
    m_statsColumns = model.layout.columns(LayoutList::Stats);
    if (m_battleBox) {
        m_battleBox->showSortIndicator();
        m_battleBox->setCounters(m_counters);
        ListColumns::apply(m_battleBox->listView(), m_battleBoxColumns);
        m_xp->applyColumns(m_xpColumns);
    }
    // After the Battle Box's own list: the first linked file replaces it.
    m_battleBoxFiles->applyCampaign(model);
    m_xpList.setRows(model.xp);
    m_statsList.setRows(model.stats);
    if (m_stats)
        m_stats->applyColumns(m_statsColumns);
}

void TableTools::collectCampaign(CampaignModel &model)
{
    commitPendingEdits();
    model.battleBox = m_battleBoxList.entries();
    if (m_battleBox) {
        m_counters = m_battleBox->counters();
        ListColumns::read(m_battleBox->listView(), m_battleBoxColumns);
        m_xp->collectColumns(m_xpColumns);
    }
    model.battleBoxCounters = m_counters;
    model.layout.columns(LayoutList::BattleBox) = m_battleBoxColumns;
    m_battleBoxFiles->collectCampaign(model);
    model.xp = m_xpList.rows();
    model.layout.columns(LayoutList::Xp) = m_xpColumns;
    model.stats = m_statsList.rows();
    if (m_stats)
        m_stats->collectColumns(m_statsColumns);
    model.layout.columns(LayoutList::Stats) = m_statsColumns;
}

// A modified Battle Box is saved whole, entries and notes, to its own file: its notes are no
// document of their own, so their RTF is never written anywhere else.
void TableTools::saveModifiedDocuments()
{
    m_battleBoxFiles->saveIfModified();
}

void TableTools::commitPendingEdits()
{
    if (m_battleBox)
        m_battleBox->cellEditor().commitPending();
    if (m_stats)
        m_stats->cells().commitPending();
}

} // namespace Velmora
