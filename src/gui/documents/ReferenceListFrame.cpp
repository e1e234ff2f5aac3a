#include "gui/documents/ReferenceListFrame.h"

#include "core/documents/ReferenceList.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QColor colourOf(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace

ReferenceListFrame::ReferenceListFrame(int index, const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
    , m_index(index)
    , m_view(new QTreeView(this))
    , m_model(new QStandardItemModel(0, 2, this))
{
    setObjectName(u"fraList"_s);
    setProperty("index", index);
    m_model->setHorizontalHeaderLabels(ReferenceList::columns(index));
    m_view->setObjectName(u"lsvClass"_s);
    m_view->setProperty("index", index);
    m_view->setRootIsDecorated(false);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setModel(m_model);
    // The columns keep the widths the campaign gave them, so that a save writes them back unchanged.
    m_view->header()->setStretchLastSection(false);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    // Room for a document's name beside the viewer, whatever the viewer's tools ask for.
    setMinimumWidth(230);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    connect(m_view, &QTreeView::clicked, this, [this](const QModelIndex &at) { emit itemClicked(m_index, at.row()); });
    connect(m_view, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &at) { emit menuRequested(m_index, m_view->viewport()->mapToGlobal(at)); });
}

void ReferenceListFrame::show(const ReferenceList &list)
{
    m_model->removeRows(0, m_model->rowCount());
    for (const ReferenceItem &item : list.items()) {
        auto *text = new QStandardItem(item.text);
        auto *location = new QStandardItem(item.location);
        if (item.isDefault)
            text->setForeground(colourOf(ReferenceList::DefaultColour));
        text->setData(item.key, Qt::UserRole);
        m_model->appendRow({ text, location });
    }
}

int ReferenceListFrame::selectedRow() const
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ReferenceListFrame::clearSelection()
{
    m_view->clearSelection();
    m_view->setCurrentIndex({});
}

} // namespace Velmora
