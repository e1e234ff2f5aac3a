#include "gui/table/TableTools.h"

#include "core/persistence/CampaignModel.h"
#include "gui/table/BattleBoxFiles.h"
#include "gui/table/DiceRollerFrame.h"
#include "gui/table/frmAsk.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
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
    // Under the Battle Box; the frame's title shows captionChanged() and its listEdited() goes
    // to the files' listEdited().
    m_battleBoxFiles = new BattleBoxFiles(m_host, m_battleBox);
    m_battleColumn->addWidget(m_battleBoxFiles);
    m_diceRoller = new DiceRollerFrame(m_host, m_toolsTab);
    m_sideColumn->insertWidget(0, m_diceRoller);
    m_host.placeOnTab(MainTab::Tools, m_toolsTab);
    // The tool bar has played its click sound.
    if (QAction *ask = m_host.toolBarAction(u"ask"_s))
        connect(ask, &QAction::triggered, this, &TableTools::askTheVelmora);
}

TableTools::~TableTools() = default;

void TableTools::askTheVelmora()
{
    frmAsk dialog(m_host.platform(), m_host.folder(), m_host.dialogParent());
    m_host.platform().execDialog(dialog);
}

void TableTools::applyCampaign(const CampaignModel &model)
{
    // After the Battle Box's own list: the first linked file replaces it.
    m_battleBoxFiles->applyCampaign(model);
}

void TableTools::collectCampaign(CampaignModel &model)
{
    commitPendingEdits();
    m_battleBoxFiles->collectCampaign(model);
}

void TableTools::commitPendingEdits()
{
}

} // namespace Velmora
