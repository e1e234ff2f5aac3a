#include "gui/table/frmBBReplicate.h"

#include "core/table/BattleBoxList.h"
#include "gui/table/ReplicationCount.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace Velmora {

frmBBReplicate::frmBBReplicate(QWidget *parent)
    : QDialog(parent)
    , m_name(new QLabel(this))
    , m_count(new ReplicationCount(this))
    , m_ok(new QPushButton(tr("OK"), this))
{
    setObjectName(u"frmBBReplicate"_s);
    setWindowTitle(tr("Replicate Selected Battle Box Character"));
    m_name->setObjectName(u"lblName"_s);
    m_ok->setObjectName(u"cmdOK"_s);
    m_ok->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Selected character name:"), this), 0, 0);
    layout->addWidget(m_name, 0, 1, 1, 3);
    layout->addWidget(new QLabel(tr("Number of additional identical character to add to battle box:"), this), 1, 0);
    layout->addWidget(m_count->field(), 1, 1);
    layout->addWidget(m_count->downButton(), 1, 2);
    layout->addWidget(m_count->upButton(), 1, 3);
    layout->addWidget(m_ok, 2, 3);

    connect(m_count, &ReplicationCount::changed, this, [this] { m_ok->setEnabled(m_count->value() > 0); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_ok->setEnabled(false);
}

void frmBBReplicate::init(const BattleBoxList &list, int row)
{
    m_name->setText(list.entry(row).name);
    m_count->reset();
    m_ok->setEnabled(false);
}

int frmBBReplicate::NumberOfReplication() const { return m_count->number(); }

void frmBBReplicate::done(int result)
{
    m_cancelled = result != QDialog::Accepted;
    QDialog::done(result);
}

} // namespace Velmora
