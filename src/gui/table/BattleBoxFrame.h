#pragma once

#include "core/table/BattleBoxCounters.h"

#include <QGroupBox>
#include <QList>

#include <functional>

class QAction;
class QMenu;
class QTreeView;

namespace Velmora {

class BattleBoxCounterPanel;
class BattleBoxList;
class CellEditor;
class ToolHost;
struct BattleBoxEntry;

/// The Battle Box on the "Tools" tab: the combatants' list `ListView1` over the campaign's
/// BattleBoxList (checked turn marks, header sorting through the list's rules, the in-place
/// editor `Text1`), its context menu `mnuBBox` and the round and duration counters. The round
/// and duration entries of the "D&ices and Turns" menu are there before the frame is.
///
/// The Battle Box file that may be loaded into the list belongs to the saved lists' part; the
/// signals below tell it what the list's commands did so that it keeps that file's state.
class BattleBoxFrame : public QGroupBox
{
    Q_OBJECT

public:
    BattleBoxFrame(ToolHost &host, BattleBoxList &list, QWidget *parent = nullptr);
    ~BattleBoxFrame() override;

    /// The round and duration entries of the "D&ices and Turns" menu, on the frame that `frame`
    /// gives (built then, if need be), for as long as `context` lives.
    static void addDicesMenuItems(ToolHost &host, QObject *context, const std::function<BattleBoxFrame &()> &frame);

    BattleBoxList &list() { return *m_list; }
    QTreeView &listView() { return *m_view; }
    CellEditor &cellEditor() { return *m_editor; }
    const BattleBoxCounters &counters() const;
    void setCounters(const BattleBoxCounters &counters);

    /// The list's sort on the header, after the list was sorted or replaced.
    void showSortIndicator();

    // The commands; Edit, Replicate and Remove act on the list's current row.
    void mnuBBoxAdd_Click();
    void mnuBBoxEdit_Click();
    void mnuBBoxReplicate_Click();
    void mnuBBoxRemove_Click();
    void mnuBBoxNew_Click();
    void advanceRound();
    void clearTurnMarks();
    void tickCurrentRow();
    void roundBack();
    void durationUp();
    void durationDown();

signals:
    /// The dialog or the in-place editor changed the list: a loaded Battle Box file is now
    /// modified.
    void listEdited();
    /// An entry was removed: a loaded Battle Box file asks whether to save (AskSaveBattleBox).
    void entryRemoved();
    /// "New BattleBox..." is about to empty the list: a modified loaded file is saved first.
    void newBattleBoxStarting();
    /// "New BattleBox..." emptied the list: no file is loaded any more and the notes are empty.
    void newBattleBoxStarted();
    /// The round, a duration or a situation changed.
    void countersChanged();

private:
    void buildList();
    void buildContextMenu();
    QAction *addCommand(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &keys,
        void (BattleBoxFrame::*command)());
    void showContextMenu(const QPoint &position);
    /// Edit, Replicate and Remove as the current row allows them.
    void enableRowCommands();
    /// EditBattleBoxEntry: the dialog on `row` (-1: a new entry).
    void editEntry(int row);
    void replicate(int row, int count);
    int currentRow() const;
    void markModified();
    void click();

    ToolHost &m_host;
    BattleBoxList *m_list;
    QTreeView *m_view;
    CellEditor *m_editor = nullptr;
    BattleBoxCounterPanel *m_counterPanel;
    QMenu *m_menu = nullptr;
    QAction *m_edit = nullptr;
    QAction *m_replicate = nullptr;
    QAction *m_remove = nullptr;
};

} // namespace Velmora
