#pragma once

#include "core/table/BattleBoxCounters.h"
#include "core/table/BattleBoxList.h"
#include "core/table/StatsListModel.h"
#include "core/table/XpListModel.h"
#include "core/persistence/ListLayout.h"
#include "gui/ui/CampaignPart.h"
#include "gui/ui/SearchHitOpener.h"

#include <QList>
#include <QObject>
#include <QString>

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
/// bar's "ask".
///
/// The campaign's lists live in the models held here, so that a campaign loads and saves the same
/// bytes whether or not their tools have been shown: the tools of a tab are built the first time
/// it comes to the front (or a menu command needs them).
class TableTools : public QObject, public CampaignPart, public SearchHitOpener<SearchPlaceKind::BattleBoxNotes>
{
    Q_OBJECT

public:
    explicit TableTools(ToolHost &host, QObject *parent = nullptr);
    ~TableTools() override;

    void applyCampaign(const CampaignModel &model) override;
    void collectCampaign(CampaignModel &model) override;
    void commitPendingEdits() override;
    void saveModifiedDocuments() override;

    /// The Battle Box frame, built now if its tab has not been in front yet.
    BattleBoxFrame &battleBox();
    /// The Battle Box's files; saveIfModified() belongs after every campaign save and at close.
    BattleBoxFiles &battleBoxFiles() { return *m_battleBoxFiles; }
    /// A match of the whole-campaign search in a saved Battle Box file's notes: that file in the
    /// Battle Box, the match selected in its notes.
    void openHit(FoundMatch &match) override;

private:
    /// The "Tools" tab's tools, once: the Battle Box, its files, the Dice Roller and the XP list.
    void buildToolsTab();
    void buildStatsPage();
    DiceRollerFrame &diceRoller();
    /// Every change of a list is a change of the campaign; a load (a reset) or a sort is none.
    void markModifiedOnChange(QAbstractItemModel &model);
    void resetColumns(LayoutList list);
    /// The frame's commands that concern the loaded Battle Box file go to the files.
    void connectBattleBox();
    /// The tool bar's "ask": the oracle's window.
    void askTheVelmora();

    ToolHost &m_host;
    BattleBoxList m_battleBoxList;
    XpListModel m_xpList;
    StatsListModel m_statsList;
    BattleBoxCounters m_counters; ///< the campaign's, until the Battle Box frame holds them
    QList<float> m_battleBoxColumns; ///< the campaign's widths of each list, in twips
    QList<float> m_xpColumns;
    QList<float> m_statsColumns;
    QString m_battleBoxTitle; ///< the files' last caption for the frame, "" while none came
    BattleBoxFiles *m_battleBoxFiles = nullptr;
    // Null until built.
    BattleBoxFrame *m_battleBox = nullptr;
    DiceRollerFrame *m_diceRoller = nullptr;
    XpFrame *m_xp = nullptr;
    StatsPanel *m_stats = nullptr;
};

} // namespace Velmora
