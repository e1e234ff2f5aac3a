#pragma once

#include "core/generators/EventGenerator.h"

#include <QGroupBox>

class QPlainTextEdit;

namespace Velmora {

class ToolHost;

/// The Event Generator of the Tools tab: "Generate Event" shows one event of the application
/// folder's event file in txtEventGenerated. The shown event is not part of the campaign.
class EventGeneratorFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit EventGeneratorFrame(ToolHost &host, QWidget *parent = nullptr);

    /// The events the draw uses (read at each campaign load).
    void setEvents(EventGenerator events) { m_events = std::move(events); }
    /// Empties txtEventGenerated.
    void clear();

    /// Nothing without events; otherwise seeds the random source from the clock, shows a drawn
    /// event (none when no line can be drawn) and plays the click sound.
    void GenerateEventCommand_Click();

private:
    ToolHost &m_host;
    EventGenerator m_events;
    QPlainTextEdit *m_event = nullptr;
};

} // namespace Velmora
