#include "gui/app/MainStatusBar.h"

#include <QCheckBox>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace Velmora {

MainStatusBar::MainStatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_panel1(new QLabel(this))
    , m_panel2(new QLabel(this))
    , m_check1(new QCheckBox(tr("Tips at start-up"), this))
    , m_soundCheck(new QCheckBox(tr("Sounds"), this))
{
    setObjectName(u"StatusBar1"_s);
    m_panel1->setObjectName(u"Panel1"_s);
    m_panel2->setObjectName(u"Panel2"_s);
    m_check1->setObjectName(u"Check1"_s);
    m_soundCheck->setObjectName(u"SoundCheck"_s);
    m_check1->setToolTip(tr("Show a tip of the day when the program starts"));
    m_soundCheck->setToolTip(tr("Play the program's sounds"));
    m_panel1->setMinimumWidth(120);
    m_panel2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addWidget(m_panel1);
    addWidget(m_panel2, 1);
    addPermanentWidget(m_check1);
    addPermanentWidget(m_soundCheck);
}

void MainStatusBar::setPanelText(int panel, const QString &text)
{
    (panel == 1 ? m_panel1 : m_panel2)->setText(text);
}

QString MainStatusBar::panelText(int panel) const
{
    return (panel == 1 ? m_panel1 : m_panel2)->text();
}

} // namespace Velmora
