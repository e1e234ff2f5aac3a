#include "gui/generators/GeneratorTools.h"

#include "core/common/AppFolder.h"
#include "core/generators/EventGenerator.h"
#include "core/persistence/CampaignModel.h"
#include "gui/generators/EventGeneratorFrame.h"
#include "gui/generators/TownGeneratorFrame.h"
#include "gui/ui/ToolHost.h"

#include <QHBoxLayout>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace Velmora {

GeneratorTools::GeneratorTools(ToolHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    m_host.onFirstShown(MainTab::Tools, this, [this] { build(); });
}

GeneratorTools::~GeneratorTools() = default;

void GeneratorTools::build()
{
    if (m_townFrame)
        return;
    auto *row = new QWidget;
    row->setObjectName(u"GeneratorTools"_s);
    row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_townFrame = new TownGeneratorFrame(m_host, row);
    m_townFrame->setTown(m_town);
    m_eventFrame = new EventGeneratorFrame(m_host, row);
    loadEvents();
    layout->addWidget(m_townFrame, 2);
    layout->addWidget(m_eventFrame, 1);
    m_host.placeOnTab(MainTab::Tools, row);
}

TownGeneratorFrame &GeneratorTools::townGenerator()
{
    build();
    return *m_townFrame;
}

EventGeneratorFrame &GeneratorTools::eventGenerator()
{
    build();
    return *m_eventFrame;
}

// The event file is read again with each campaign, so that a file the game master changed is
// used. The shown event is not saved, so another campaign starts without one.
void GeneratorTools::applyCampaign(const CampaignModel &model)
{
    m_town = model.town;
    if (!m_townFrame)
        return;
    m_townFrame->setTown(m_town);
    loadEvents();
    m_eventFrame->clear();
}

void GeneratorTools::loadEvents()
{
    EventGenerator events;
    events.load(m_host.folder().file(EventGenerator::FileName()));
    m_eventFrame->setEvents(std::move(events));
}

void GeneratorTools::collectCampaign(CampaignModel &model)
{
    if (m_townFrame)
        m_town = m_townFrame->town();
    model.town = m_town;
}

} // namespace Velmora
