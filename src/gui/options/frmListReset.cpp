#include "gui/options/frmListReset.h"

#include "core/options/ListLayoutReset.h"
#include "gui/ui/PushButtons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

frmListReset::frmListReset(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmListReset"_s);
    setWindowTitle(tr("Reset Lists"));
    auto *grid = new QGridLayout;
    const QList<LayoutList> lists = ListLayoutReset::lists();
    const int rows = int(lists.size() + 1) / 2;
    for (int i = 0; i < lists.size(); ++i) {
        auto *box = new QCheckBox(ListLayoutReset::name(lists[i]), this);
        box->setObjectName(u"chkList"_s);
        box->setProperty("index", i);
        grid->addWidget(box, i % rows, i / rows);
        m_boxes << box;
    }
    QPushButton *reset
        = PushButtons::make(tr("Reset"), u"cmdReset"_s, this, tr("Give the ticked lists their default column widths"));
    QPushButton *close = PushButtons::make(tr("Close"), u"cmdClose"_s, this);
    connect(reset, &QPushButton::clicked, this, [this] {
        emit resetChosen(chosen());
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(reset);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

QList<LayoutList> frmListReset::chosen() const
{
    QList<LayoutList> lists;
    for (int i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i]->isChecked())
            lists << LayoutList(i);
    }
    return lists;
}

} // namespace Velmora
