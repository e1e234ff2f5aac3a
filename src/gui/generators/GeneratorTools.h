#pragma once

#include "core/generators/TownValues.h"
#include "gui/ui/CampaignPart.h"

#include <QObject>

namespace Velmora {

class EventGeneratorFrame;
class ToolHost;
class TownGeneratorFrame;

/// The generators' tools: the Town Generator and the Event Generator side by side on the
/// "Tools" tab, under the game table's tools. The town is part of the campaign (block TOWN); the
/// event list is read from the application folder at every campaign load.
class GeneratorTools : public QObject, public CampaignPart
{
    Q_OBJECT

public:
    explicit GeneratorTools(ToolHost &host, QObject *parent = nullptr);
    ~GeneratorTools() override;

    void applyCampaign(const CampaignModel &model) override;
    void collectCampaign(CampaignModel &model) override;
    void commitPendingEdits() override {}

    /// The frames, built now if the tab has not been in front yet.
    TownGeneratorFrame &townGenerator();
    EventGeneratorFrame &eventGenerator();

private:
    void build();
    /// The application folder's event file, for the next draws.
    void loadEvents();

    ToolHost &m_host;
    TownValues m_town; ///< the campaign's, until the frame holds it
    // Null until built.
    TownGeneratorFrame *m_townFrame = nullptr;
    EventGeneratorFrame *m_eventFrame = nullptr;
};

} // namespace Velmora
