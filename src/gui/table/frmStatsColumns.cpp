#include "gui/table/frmStatsColumns.h"

#include "core/table/StatsListModel.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

frmStatsColumns::frmStatsColumns(QWidget *parent)
    : QDialog(parent)
    , m_columns(new QListWidget(this))
{
    setObjectName(u"frmStatsColumns"_s);
    setWindowTitle(StatsListModel::MenuCaption(0));
    m_columns->setObjectName(u"lstColumns"_s);
    for (int column = 0; column < StatsRow::Count; ++column) {
        auto *item = new QListWidgetItem(StatsListModel::Header(column), m_columns);
        item->setFlags(column == 0 ? Qt::ItemIsUserCheckable : Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Checked);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    const QString captions[] = {tr("OK"), tr("Cancel")};
    for (int i = 0; i < 2; ++i) {
        auto *button = new QPushButton(captions[i], this);
        button->setObjectName(u"cmdDone"_s);
        button->setProperty("index", i);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, i] {
            m_cancelled = i != 0;
            done(i == 0 ? Accepted : Rejected);
        });
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_columns);
    layout->addLayout(buttons);
}

void frmStatsColumns::init(const QList<bool> &shown)
{
    for (int column = 1; column < m_columns->count() && column < shown.size(); ++column)
        m_columns->item(column)->setCheckState(shown.at(column) ? Qt::Checked : Qt::Unchecked);
}

QList<bool> frmStatsColumns::shown() const
{
    QList<bool> shown;
    for (int column = 0; column < m_columns->count(); ++column)
        shown << (m_columns->item(column)->checkState() == Qt::Checked);
    return shown;
}

} // namespace Velmora
