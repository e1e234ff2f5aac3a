#include "gui/table/frmXP.h"

#include "core/table/XpListModel.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/FieldFilter.h"
#include "gui/ui/Platform.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

frmXP::frmXP(Platform &platform, const SoundCuePlayer &sounds, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_sounds(sounds)
{
    setObjectName(u"frmXP"_s);
    setWindowTitle(XpListModel::DialogCaption());
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int i = 0; i < int(m_fields.size()); ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(u"txtIn"_s);
        m_fields[i]->setProperty("index", i);
        form->addRow(XpListModel::FieldLabel(i), m_fields[i]);
        connect(m_fields[i], &QLineEdit::textChanged, this, &frmXP::refreshOk);
        if (i > 0)
            FieldFilter::keepOnly(m_fields[i], XpListModel::AcceptsPointsCharacter);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < int(m_done.size()); ++i) {
        m_done[i] = new QPushButton(XpListModel::DoneCaption(i), this);
        m_done[i]->setObjectName(u"cmdDone"_s);
        m_done[i]->setProperty("index", i);
        buttons->addWidget(m_done[i]);
        connect(m_done[i], &QPushButton::clicked, this, [this, i] { cmdDone_Click(i); });
    }
    m_done[0]->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    refreshOk();
}

void frmXP::init(const XpListModel &list, int row)
{
    m_list = &list;
    m_row = row;
    if (row >= 0 && row < list.rows().size()) {
        const XpRow &entry = list.rows().at(row);
        m_fields[0]->setText(entry.name);
        m_fields[1]->setText(entry.xp);
        m_fields[2]->setText(entry.needed);
    }
    m_fields[0]->setFocus();
}

QString frmXP::PlayerName() const
{
    return m_fields[0]->text().trimmed();
}

QString frmXP::PlayerXP() const
{
    return m_fields[1]->text().trimmed();
}

QString frmXP::PlayerNeededXP() const
{
    return m_fields[2]->text().trimmed();
}

void frmXP::refreshOk()
{
    m_done[0]->setEnabled(XpListModel::CanAccept(m_fields[0]->text(), m_fields[1]->text(), m_fields[2]->text()));
}

void frmXP::cmdDone_Click(int index)
{
    m_sounds.play(SoundEvent::Click);
    if (index == 1) {
        reject();
        return;
    }
    if (m_list && m_list->isNameTaken(PlayerName(), m_row)) {
        m_platform.information(XpListModel::DuplicateNameTitle(), XpListModel::DuplicateNameMessage());
        return;
    }
    m_cancelled = false;
    accept();
}

} // namespace Velmora
