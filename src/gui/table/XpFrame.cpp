#include "gui/table/XpFrame.h"

#include "core/persistence/ListLayout.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/table/frmXP.h"
#include "gui/ui/ListColumns.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

enum Button { Add = 0, Edit = 1, Delete = 2 };

} // namespace

XpFrame::XpFrame(ToolHost &host, XpListModel &model, QWidget *parent)
    : QGroupBox(XpListModel::FrameCaption(), parent)
    , m_host(host)
    , m_model(model)
    , m_list(new QTreeView(this))
    , m_columns(ListLayout::defaults().columns(LayoutList::Xp))
{
    setObjectName(u"fraXP"_s);
    m_list->setObjectName(u"lsvXP"_s);
    m_list->setModel(&m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setSectionsClickable(false); // a header click does nothing
    // The columns keep the widths the campaign gave them, so that a save writes them back unchanged.
    m_list->header()->setStretchLastSection(false);
    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        m_buttons[i] = new QPushButton(XpListModel::ButtonCaption(i), this);
        m_buttons[i]->setObjectName(u"cmdXP"_s);
        m_buttons[i]->setProperty("index", i);
        buttons->addWidget(m_buttons[i]);
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { cmdXP_Click(i); });
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    enableEntryButtons(false);

    connect(
        m_list, &QTreeView::clicked, this, [this](const QModelIndex &index) { enableEntryButtons(index.isValid()); });
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] { enableEntryButtons(false); });
}

void XpFrame::applyColumns(const QList<float> &twips)
{
    m_columns = twips;
    ListColumns::apply(*m_list, m_columns);
}

void XpFrame::collectColumns(QList<float> &twips) const
{
    twips = m_columns;
    ListColumns::read(*m_list, twips);
}

void XpFrame::enableEntryButtons(bool enabled)
{
    m_buttons[Edit]->setEnabled(enabled);
    m_buttons[Delete]->setEnabled(enabled);
}

void XpFrame::cmdXP_Click(int index)
{
    m_host.sounds().play(SoundEvent::Click);
    const int row = m_list->currentIndex().isValid() ? m_list->currentIndex().row() : -1;
    enableEntryButtons(false);
    if (index == Add)
        edit(-1);
    else if (index == Edit && row >= 0)
        edit(row);
    else if (index == Delete && row >= 0)
        m_model.remove(row);
}

void XpFrame::edit(int row)
{
    frmXP dialog(m_host.platform(), m_host.sounds(), m_host.dialogParent());
    dialog.init(m_model, row);
    m_host.platform().execDialog(dialog);
    if (dialog.cancelled())
        return;
    const XpRow values{dialog.PlayerName(), dialog.PlayerXP(), dialog.PlayerNeededXP()};
    if (row < 0)
        m_model.add(values);
    else
        m_model.replace(row, values);
}

} // namespace Velmora
