#include "gui/generators/EventGeneratorFrame.h"

#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"
#include "gui/ui/ToolHost.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

EventGeneratorFrame::EventGeneratorFrame(ToolHost &host, QWidget *parent)
    : QGroupBox(tr("Event Generator"), parent)
    , m_host(host)
{
    setObjectName(u"EventGeneratorFrame"_s);
    auto *column = new QVBoxLayout(this);
    m_event = new QPlainTextEdit(this);
    m_event->setObjectName(u"txtEventGenerated"_s);
    m_event->setReadOnly(true);
    m_event->setMaximumHeight(m_event->fontMetrics().lineSpacing() * 5);
    column->addWidget(m_event);
    QPushButton *generate = PushButtons::make(
        tr("Generate Event"), u"GenerateEventCommand"_s, this, tr("Randomly generate one event"));
    column->addWidget(generate, 0, Qt::AlignRight);
    connect(generate, &QPushButton::clicked, this, &EventGeneratorFrame::GenerateEventCommand_Click);
}

void EventGeneratorFrame::clear()
{
    m_event->clear();
}

void EventGeneratorFrame::GenerateEventCommand_Click()
{
    if (m_events.lines().isEmpty())
        return;
    Platform &platform = m_host.platform();
    platform.random().seed(platform.clock().timerTicks());
    if (const std::optional<QString> event = m_events.Draw(platform.random()))
        m_event->setPlainText(*event);
    m_host.sounds().play(SoundEvent::Click);
}

} // namespace Velmora
