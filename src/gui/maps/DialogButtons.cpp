#include "gui/maps/DialogButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Velmora {

QPushButton *DialogButtons::add(QDialog &dialog, QBoxLayout &layout, std::function<void()> onOk)
{
    auto *ok = new QPushButton(QDialog::tr("OK"), &dialog);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);
    auto *cancel = new QPushButton(QDialog::tr("Cancel"), &dialog);
    cancel->setObjectName(u"cmdCancel"_s);
    QObject::connect(ok, &QPushButton::clicked, &dialog, std::move(onOk));
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout.addLayout(row);
    return ok;
}

} // namespace Velmora
