#pragma once

#include "gui/ui/CampaignPart.h"

#include <QList>
#include <QObject>

class QVBoxLayout;
class QWidget;

namespace Velmora {

class BattleBoxFiles;
class BattleBoxFrame;
class DiceRollerFrame;
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
    void saveModifiedDocuments() override;

    BattleBoxFrame &battleBox() { return *m_battleBox; }
    /// The Battle Box's files; saveIfModified() belongs after every campaign save and at close.
    BattleBoxFiles &battleBoxFiles() { return *m_battleBoxFiles; }

private:
    /// The frame's commands that concern the loaded Battle Box file go to the files.
    void connectBattleBox();
    /// The tool bar's "ask": the oracle's window.
    void askTheVelmora();

    ToolHost &m_host;
    QWidget *m_toolsTab = nullptr;
    QVBoxLayout *m_battleColumn = nullptr; ///< the Battle Box, then its notes and saved files
    QVBoxLayout *m_sideColumn = nullptr;   ///< the Dice Roller, then the XP list
    BattleBoxFrame *m_battleBox = nullptr;
    BattleBoxFiles *m_battleBoxFiles = nullptr;
    DiceRollerFrame *m_diceRoller = nullptr;
    XpFrame *m_xp = nullptr;
    StatsPanel *m_stats = nullptr;
    QList<float> m_battleBoxColumns; ///< the campaign's widths of the Battle Box list, in twips
};

} // namespace Velmora
