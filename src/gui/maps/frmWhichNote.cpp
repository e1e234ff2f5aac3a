#include "gui/maps/frmWhichNote.h"

#include "gui/maps/DialogButtons.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

frmWhichNote::frmWhichNote(QWidget *parent)
    : QDialog(parent)
    , m_list(new QTreeWidget(this))
{
    setObjectName(u"frmWhichNote"_s);
    m_list->setObjectName(u"lsvMarkers"_s);
    m_list->setRootIsDecorated(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    const auto choose = [this] {
        m_cancelled = false;
        accept();
    };
    QPushButton *ok = DialogButtons::add(*this, *layout, choose);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, choose);
    connect(m_list, &QTreeWidget::currentItemChanged, ok, [ok](QTreeWidgetItem *item) { ok->setEnabled(item); });
    ok->setEnabled(false);
}

void frmWhichNote::init(const MarkerChoice &choice)
{
    setWindowTitle(choice.windowTitle);
    m_list->setHeaderLabels({ choice.columnHeader });
    m_list->clear();
    for (const auto &[key, text] : choice.candidates) {
        auto *item = new QTreeWidgetItem(m_list, { text });
        item->setData(0, Qt::UserRole, key);
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
}

QString frmWhichNote::GetNoteID() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

} // namespace Velmora
