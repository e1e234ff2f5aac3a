#include "gui/table/StatsPanel.h"

#include "core/persistence/ListLayout.h"
#include "core/table/StatsFile.h"
#include "gui/table/frmStats.h"
#include "gui/table/frmStatsColumns.h"
#include "gui/ui/CellEditor.h"
#include "gui/ui/ListColumns.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QHeaderView>
#include <QMenu>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The width of a column shown again, or of one the campaign's layout has no width for: that of
// the ability columns.
constexpr float ShownTwips = 799.9371f;

} // namespace

StatsPanel::StatsPanel(ToolHost &host, StatsListModel &model, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
    , m_model(model)
    , m_list(new QTreeView(this))
    , m_columns(ListLayout::defaults().columns(LayoutList::Stats))
{
    setObjectName(u"StatsPanel"_s);
    m_list->setObjectName(u"lsvStats"_s);
    m_list->setModel(&m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setSectionsClickable(false); // a header click sorts nothing
    // The columns keep the widths the campaign gave them, so that a save writes them back unchanged.
    m_list->header()->setStretchLastSection(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_cells = new CellEditor(m_list, u"txtStats"_s, u";"_s, [](int column) {
        return column >= StatsListModel::FirstInPlaceColumn && column <= StatsListModel::LastInPlaceColumn;
    });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    buildMenu();
    connect(m_list, &QWidget::customContextMenuRequested, this, &StatsPanel::showMenu);
}

void StatsPanel::buildMenu()
{
    m_menu = new QMenu(StatsListModel::MenuTitle(), this);
    m_menu->setObjectName(u"mnuStats_top"_s);
    for (int item = 0; item <= Export; ++item) {
        const QString caption = StatsListModel::MenuCaption(item);
        QAction *action = caption.isEmpty() ? m_menu->addSeparator() : m_menu->addAction(caption);
        action->setObjectName(u"mnuStats"_s);
        action->setProperty("index", item);
        m_items << action;
        connect(action, &QAction::triggered, this, [this, item] { mnuStats_Click(item, m_menuRow); });
    }
}

void StatsPanel::showMenu(const QPoint &position)
{
    const QModelIndex under = m_list->indexAt(position);
    m_menuRow = under.isValid() ? under.row() : -1;
    m_items.at(Edit)->setEnabled(m_menuRow >= 0);
    m_items.at(Remove)->setEnabled(m_menuRow >= 0);
    m_menu->popup(m_list->viewport()->mapToGlobal(position));
}

void StatsPanel::mnuStats_Click(int item, int row)
{
    // A pending in-place edit is stored before the list changes under it.
    m_cells->commitPending();
    const bool onEntry = row >= 0 && row < m_model.rowCount();
    switch (item) {
    case ShowColumns:
        showColumns();
        break;
    case Add:
        edit(-1);
        break;
    case Edit:
        if (onEntry)
            edit(row);
        break;
    case Remove:
        if (onEntry)
            m_model.remove(row);
        break;
    case Import:
        importFile();
        break;
    case Export:
        exportFile();
        break;
    default:
        break;
    }
}

void StatsPanel::edit(int row)
{
    QStringList values = row >= 0 ? m_model.rows().at(row).values() : StatsRow{}.values();
    for (;;) {
        frmStats dialog(m_host.dialogParent());
        dialog.init(values);
        m_host.platform().execDialog(dialog);
        if (dialog.cancelled())
            return;
        values = dialog.GetValues();
        if (!m_model.isNameTaken(values.at(0), row))
            break;
        if (!m_host.platform().question(StatsListModel::DuplicateNameTitle(), StatsListModel::DuplicateNameQuestion()))
            return;
    }
    if (row < 0)
        m_model.add(StatsRow::fromValues(values));
    else
        m_model.replace(row, StatsRow::fromValues(values));
}

void StatsPanel::importFile()
{
    FileDialogRequest request;
    request.title = StatsFile::ImportTitle();
    request.filter = StatsFile::FileFilter();
    request.fileMustExist = true;
    const FileDialogResult chosen = m_host.platform().openFile(request);
    if (!chosen.accepted())
        return;
    const Result<QList<StatsRow>> rows = StatsFile::read(chosen.path);
    if (!rows) {
        m_host.platform().information(StatsFile::FileErrorTitle(), rows.error().message);
        return;
    }
    const StatsListModel::ImportCount count = m_model.importRows(*rows);
    if (count.duplicates > 0)
        m_host.platform().information(StatsFile::ImportNoticeTitle(), StatsFile::DuplicatesMessage(count.duplicates));
}

void StatsPanel::exportFile()
{
    FileDialogRequest request;
    request.title = StatsFile::ExportTitle();
    request.filter = StatsFile::FileFilter();
    request.overwritePrompt = true;
    const FileDialogResult chosen = m_host.platform().saveFile(request);
    if (!chosen.accepted())
        return;
    const Result<void> written = StatsFile::write(chosen.path, m_model.rows());
    if (!written)
        m_host.platform().exclamation(StatsFile::FileErrorTitle(), written.error().message);
}

void StatsPanel::showColumns()
{
    QList<bool> shown;
    for (int column = 0; column < m_model.columnCount(); ++column)
        shown << !m_list->isColumnHidden(column);
    frmStatsColumns dialog(m_host.dialogParent());
    dialog.init(shown);
    m_host.platform().execDialog(dialog);
    if (dialog.cancelled())
        return;
    const QList<bool> chosen = dialog.shown();
    for (int column = 0; column < chosen.size(); ++column) {
        if (chosen.at(column) == shown.at(column))
            continue;
        m_list->setColumnHidden(column, !chosen.at(column));
        if (chosen.at(column))
            m_list->setColumnWidth(column, ListLayout::toPixels(ShownTwips));
    }
}

// A hidden column is a width of 0 in the campaign's layout, so "Show columns" is kept with it.
// The layout item of this list has 16 widths (the format's): the columns from "HP" on have no
// place in it, so each campaign opens with them shown and a choice to hide them lasts while the
// campaign is open.
void StatsPanel::applyColumns(const QList<float> &twips)
{
    m_columns = twips;
    for (int column = int(twips.size()); column < m_model.columnCount(); ++column) {
        m_list->setColumnHidden(column, false);
        m_list->setColumnWidth(column, ListLayout::toPixels(ShownTwips));
    }
    ListColumns::apply(*m_list, m_columns);
}

void StatsPanel::collectColumns(QList<float> &twips) const
{
    twips = m_columns;
    ListColumns::read(*m_list, twips);
}

} // namespace Velmora
