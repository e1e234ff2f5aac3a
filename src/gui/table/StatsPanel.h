#pragma once

#include "core/table/StatsListModel.h"

#include <QList>
#include <QWidget>

class QAction;
class QMenu;
class QTreeView;

namespace Velmora {

class CellEditor;
class ToolHost;

/// The statistics list lsvStats on the "Statistics" page: its context menu mnuStats_top (show
/// columns, add, edit, remove, import, export), the dialog frmStats, and the in-place editor
/// txtStats on the columns "Class and level" to "Race".
class StatsPanel : public QWidget
{
    Q_OBJECT

public:
    enum MenuItem { ShowColumns = 0, Add = 2, Edit = 3, Remove = 4, Import = 6, Export = 7 };

    /// `model`: the campaign's list, which outlives the panel.
    StatsPanel(ToolHost &host, StatsListModel &model, QWidget *parent = nullptr);

    StatsListModel &model() { return m_model; }
    CellEditor &cells() { return *m_cells; }

    /// The campaign's column widths (twips, 0 hidden) onto the list, and back before a save.
    void applyColumns(const QList<float> &twips);
    void collectColumns(QList<float> &twips) const;

    /// A command of the context menu, on `row` for "Edit" and "Remove" (the entry under the
    /// pointer when the menu opened).
    void mnuStats_Click(int item, int row);

private:
    void buildMenu();
    void showMenu(const QPoint &position);
    void showColumns();
    void edit(int row);
    void importFile();
    void exportFile();

    ToolHost &m_host;
    StatsListModel &m_model;
    QTreeView *m_list;
    CellEditor *m_cells;
    QMenu *m_menu = nullptr;
    QList<QAction *> m_items;
    QList<float> m_columns; ///< the campaign's widths as applied, in twips
    int m_menuRow = -1;     ///< the entry under the pointer when the menu opened
};

} // namespace Velmora
