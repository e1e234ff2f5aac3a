#pragma once

#include "core/table/XpListModel.h"

#include <QGroupBox>
#include <QList>

#include <array>

class QPushButton;
class QTreeView;

namespace Velmora {

class ToolHost;

/// The "XP" frame: the experience list lsvXP with its buttons cmdXP "Add", "Edit" and "Delete".
/// "Edit" and "Delete" are enabled by a click on an entry and disabled again by every button.
class XpFrame : public QGroupBox
{
    Q_OBJECT

public:
    /// `model`: the campaign's list, which outlives the frame.
    XpFrame(ToolHost &host, XpListModel &model, QWidget *parent = nullptr);

    XpListModel &model() { return m_model; }
    QTreeView *list() const { return m_list; }

    /// The campaign's column widths (twips, 0 hidden) onto the list, and back before a save.
    void applyColumns(const QList<float> &twips);
    void collectColumns(QList<float> &twips) const;

    void cmdXP_Click(int index);

private:
    void edit(int row);
    void enableEntryButtons(bool enabled);

    ToolHost &m_host;
    XpListModel &m_model;
    QTreeView *m_list;
    std::array<QPushButton *, 3> m_buttons{};
    QList<float> m_columns; ///< the campaign's widths as applied, in twips
};

} // namespace Velmora
