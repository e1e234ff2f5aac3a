#include "gui/table/BattleBoxFrame.h"

#include "core/app/CampaignSession.h"
#include "core/table/BattleBoxList.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/table/BattleBoxCounterPanel.h"
#include "gui/table/frmBBReplicate.h"
#include "gui/table/frmBattleBox.h"
#include "gui/ui/CellEditor.h"
#include "gui/ui/ListColumns.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

BattleBoxFrame::BattleBoxFrame(ToolHost &host, BattleBoxList &list, QWidget *parent)
    : QGroupBox(tr("Battle Box"), parent)
    , m_host(host)
    , m_list(&list)
    , m_view(new QTreeView(this))
    , m_counterPanel(new BattleBoxCounterPanel(host.sounds(), this))
{
    setObjectName(u"BattleBoxFrame"_s);
    buildList();
    buildContextMenu();
    showSortIndicator();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_counterPanel);
    connect(m_counterPanel, &BattleBoxCounterPanel::advanceRequested, this, &BattleBoxFrame::advanceRound);
    connect(m_counterPanel, &BattleBoxCounterPanel::countersChanged, this, &BattleBoxFrame::countersChanged);
    connect(m_counterPanel, &BattleBoxCounterPanel::clearTurnMarksRequested, this, &BattleBoxFrame::clearTurnMarks);
}

BattleBoxFrame::~BattleBoxFrame() = default;

void BattleBoxFrame::buildList()
{
    m_view->setObjectName(u"ListView1"_s);
    m_view->setModel(m_list);
    m_view->setRootIsDecorated(false);
    // Every row is one line: the view then never measures 32767 rows to lay them out.
    m_view->setUniformRowHeights(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setAllColumnsShowFocus(true);
    m_view->setAlternatingRowColors(true);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    // The list sorts itself by its own header rules, never by the view's.
    m_view->setSortingEnabled(false);
    m_view->header()->setSectionsClickable(true);
    // The columns keep the widths the campaign gave them, so that a save writes them back unchanged.
    m_view->header()->setStretchLastSection(false);
    QList<float> widths;
    for (int column = 0; column < BattleBoxList::ColumnCount; ++column)
        widths << float(BattleBoxList::defaultWidth(column));
    ListColumns::apply(*m_view, widths);

    m_editor = new CellEditor(m_view, u"Text1"_s, u";(),"_s,
        [](int column) { return column >= BattleBoxList::Initiative && column <= BattleBoxList::HitPoints; });
    connect(m_editor, &CellEditor::edited, this, [this] {
        markModified();
        emit listEdited();
    });
    connect(m_view->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (m_list->headerClicked(column))
            showSortIndicator();
    });
    connect(m_view, &QWidget::customContextMenuRequested, this, &BattleBoxFrame::showContextMenu);
}

QAction *BattleBoxFrame::addCommand(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &keys,
    void (BattleBoxFrame::*command)())
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
        // Only while the list itself has the focus: in the in-place editor these keys type.
        action->setShortcutContext(Qt::WidgetShortcut);
        m_view->addAction(action);
    }
    menu->addAction(action);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void BattleBoxFrame::buildContextMenu()
{
    // Keys, chosen to be the usual ones of a list: Ins adds, F2 or Enter edits, Ctrl+R
    // replicates, Del removes, Ctrl+K clears the turn marks and Space ticks the current row; the
    // round's Ctrl+Right and Ctrl+Left are on the "D&ices and Turns" menu.
    m_menu = new QMenu(tr("BattleBox"), this);
    m_menu->setObjectName(u"mnuBBox"_s);
    addCommand(m_menu, u"mnuBBoxAdd"_s, tr("Add..."), QKeySequence(Qt::Key_Insert), &BattleBoxFrame::mnuBBoxAdd_Click);
    m_edit = addCommand(
        m_menu, u"mnuBBoxEdit"_s, tr("Edit..."), QKeySequence(Qt::Key_F2), &BattleBoxFrame::mnuBBoxEdit_Click);
    m_edit->setShortcuts({ QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) });
    m_replicate = addCommand(m_menu, u"mnuBBoxReplicate"_s, tr("Replicate..."), QKeySequence(Qt::CTRL | Qt::Key_R),
        &BattleBoxFrame::mnuBBoxReplicate_Click);
    m_remove = addCommand(
        m_menu, u"mnuBBoxRemove"_s, tr("Remove"), QKeySequence(Qt::Key_Delete), &BattleBoxFrame::mnuBBoxRemove_Click);
    addCommand(m_menu, u"mnuBBoxNew"_s, tr("New BattleBox..."), {}, &BattleBoxFrame::mnuBBoxNew_Click);
    m_menu->addSeparator();
    addCommand(m_menu, u"mnuBBoxClearTurns"_s, tr("Clear turn marks"), QKeySequence(Qt::CTRL | Qt::Key_K),
        &BattleBoxFrame::clearTurnMarks);
    addCommand(m_menu, u"mnuBBoxTick"_s, tr("Turn done"), QKeySequence(Qt::Key_Space), &BattleBoxFrame::tickCurrentRow);
    // The keys stay usable after a right click that disabled the row's commands: those commands
    // do nothing without a current row.
    connect(m_menu, &QMenu::aboutToHide, this, [this] {
        m_edit->setEnabled(true);
        m_replicate->setVisible(true);
        m_remove->setEnabled(true);
    });
}

void BattleBoxFrame::addDicesMenuItems(ToolHost &host, QObject *context, const std::function<BattleBoxFrame &()> &frame)
{
    const auto add = [&](const QString &name, const QString &caption, const QKeySequence &keys,
                         void (BattleBoxFrame::*command)()) {
        auto *action = new QAction(caption, context);
        action->setObjectName(name);
        action->setShortcut(keys);
        QObject::connect(action, &QAction::triggered, context, [frame, command] { (frame().*command)(); });
        host.addToMenu(MainMenu::Dices, action);
    };
    add(u"mnuDicesTurnUp"_s, tr("Turn counter up"), QKeySequence(Qt::CTRL | Qt::Key_Right),
        &BattleBoxFrame::advanceRound);
    add(u"mnuDicesTurnDown"_s, tr("Turn counter down"), QKeySequence(Qt::CTRL | Qt::Key_Left),
        &BattleBoxFrame::roundBack);
    add(u"mnuDurationUp"_s, tr("Duration up"), {}, &BattleBoxFrame::durationUp);
    add(u"mnuDicesDurationDown"_s, tr("Duration down"), {}, &BattleBoxFrame::durationDown);
}

void BattleBoxFrame::roundBack() { m_counterPanel->stepRoundBack(); }

void BattleBoxFrame::durationUp() { m_counterPanel->durationUp(0); }

void BattleBoxFrame::durationDown() { m_counterPanel->durationDown(0); }

const BattleBoxCounters &BattleBoxFrame::counters() const { return m_counterPanel->counters(); }

void BattleBoxFrame::setCounters(const BattleBoxCounters &counters) { m_counterPanel->setCounters(counters); }

void BattleBoxFrame::showContextMenu(const QPoint &position)
{
    // A pending in-place edit is kept, not lost, when the menu opens.
    m_editor->commitPending();
    const QModelIndex index = m_view->indexAt(position);
    if (index.isValid()) {
        m_view->setCurrentIndex(index);
    } else {
        m_view->clearSelection();
        m_view->setCurrentIndex({});
    }
    const bool onEntry = index.isValid();
    m_edit->setEnabled(onEntry);
    m_replicate->setVisible(onEntry);
    m_remove->setEnabled(onEntry);
    m_menu->popup(m_view->viewport()->mapToGlobal(position));
}

void BattleBoxFrame::showSortIndicator()
{
    QHeaderView *header = m_view->header();
    header->setSortIndicatorShown(m_list->isSorted());
    if (m_list->isSorted()) {
        const int column
            = m_list->sortColumn() == BattleBoxList::SortKey ? int(BattleBoxList::Initiative) : m_list->sortColumn();
        header->setSortIndicator(column, m_list->sortOrder());
    }
}

int BattleBoxFrame::currentRow() const { return m_view->currentIndex().isValid() ? m_view->currentIndex().row() : -1; }

void BattleBoxFrame::mnuBBoxAdd_Click() { editEntry(-1); }

void BattleBoxFrame::mnuBBoxEdit_Click()
{
    if (currentRow() >= 0)
        editEntry(currentRow());
}

void BattleBoxFrame::editEntry(int row)
{
    m_editor->commitPending();
    frmBattleBox dialog(m_host.platform(), m_host.dialogParent());
    dialog.init(*m_list, row);
    m_host.platform().execDialog(dialog);
    if (dialog.Cancelled())
        return;
    BattleBoxEntry entry = row < 0 ? BattleBoxEntry() : m_list->entry(row);
    const QStringList values = dialog.GetData();
    if (values.size() == frmBattleBox::FieldCount) {
        for (int field = 0; field < frmBattleBox::FieldCount; ++field)
            BattleBoxList::setText(entry, field + 1, values.at(field));
    }
    if (row >= 0) {
        m_list->setEntry(row, entry);
    } else if ((row = m_list->addEntry(entry)) < 0) {
        m_host.platform().exclamation(tr("Battle Box"),
            tr("The Battle Box holds at most %1 characters: "
               "the character was not added.")
                .arg(BattleBoxList::MaxEntries));
        return;
    }
    markModified();
    emit listEdited();
    if (!dialog.IsReplication())
        return;
    int count = dialog.NumberOfReplication();
    // The largest count means "as many as fit".
    if (count == BattleBoxList::MaxEntries)
        count = BattleBoxList::MaxEntries - m_list->rowCount();
    replicate(row, count);
}

void BattleBoxFrame::replicate(int row, int count)
{
    const int added = m_list->ReplicateEntry(row, count);
    // Copies beyond the list's limit are not made; the user learns how many were.
    if (added < count && m_list->rowCount() == BattleBoxList::MaxEntries) {
        m_host.platform().information(tr("Battle Box"),
            tr("The Battle Box holds at most %1 characters: %2 of the %3 copies were added.")
                .arg(BattleBoxList::MaxEntries)
                .arg(added)
                .arg(count));
    }
}

void BattleBoxFrame::mnuBBoxReplicate_Click()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_editor->commitPending();
    frmBBReplicate dialog(m_host.dialogParent());
    dialog.init(*m_list, row);
    m_host.platform().execDialog(dialog);
    if (dialog.Cancelled())
        return;
    replicate(row, dialog.NumberOfReplication());
    // Copies change a loaded Battle Box file as much as an edit does.
    emit listEdited();
}

void BattleBoxFrame::mnuBBoxRemove_Click()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_editor->dropPending();
    m_list->removeRows(row, 1);
    emit entryRemoved();
    markModified();
}

void BattleBoxFrame::mnuBBoxNew_Click()
{
    m_editor->commitPending();
    if (m_host.campaignSession().isModified()) {
        if (QAction *save = m_host.toolBarAction(u"Save"_s))
            save->trigger();
    }
    emit newBattleBoxStarting();
    m_list->clear();
    emit newBattleBoxStarted();
    markModified();
}

void BattleBoxFrame::advanceRound()
{
    click();
    clearTurnMarks();
    m_list->advanceRound();
    showSortIndicator();
    m_counterPanel->advanceCounters();
}

void BattleBoxFrame::clearTurnMarks()
{
    m_list->untickAll();
    markModified();
    click();
}

void BattleBoxFrame::tickCurrentRow()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QModelIndex mark = m_list->index(row, BattleBoxList::Turn);
    const bool ticked = mark.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    m_list->setData(mark, int(ticked ? Qt::Unchecked : Qt::Checked), Qt::CheckStateRole);
}

void BattleBoxFrame::markModified() { m_host.campaignSession().markModified(); }

void BattleBoxFrame::click() { m_host.sounds().play(SoundEvent::Click); }

} // namespace Velmora
