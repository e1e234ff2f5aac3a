#include "cli/GeneratorCommands.h"

#include "cli/CliCall.h"
#include "cli/CliCommands.h"
#include "core/common/AppFolder.h"
#include "core/common/RandomSource.h"
#include "core/generators/EventGenerator.h"
#include "core/generators/TownGenerator.h"
#include "core/persistence/Campaign.h"
#include "core/search/CampaignSearch.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace Velmora {

int GeneratorCommands::town(CliCall &call)
{
    MersenneRandomSource random;
    if (!call.seedRandom(random))
        return CliCall::Usage;
    call.printJson(QJsonDocument(TownGenerator::Generate(random, TownValues::defaults()).toJson()));
    return CliCall::Success;
}

// A missing event file, or one without a line to draw, shows nothing in the window: null here.
int GeneratorCommands::event(CliCall &call)
{
    MersenneRandomSource random;
    if (!call.seedRandom(random))
        return CliCall::Usage;
    EventGenerator events;
    events.load(AppFolder::locate().file(EventGenerator::FileName()));
    const std::optional<QString> drawn = events.Draw(random);
    call.printJson(QJsonDocument(QJsonObject{{u"event"_s, drawn ? QJsonValue(*drawn) : QJsonValue()}}));
    return CliCall::Success;
}

int GeneratorCommands::search(CliCall &call)
{
    if (call.argument(1).isEmpty())
        return call.usageError(u"TEXT is empty."_s);
    Campaign campaign(AppFolder::locate());
    LoadOutcome outcome;
    if (!CliCommands::load(call, campaign, call.argument(0), outcome))
        return CliCall::Refused;
    const CampaignSearch::Options options{call.isSet(u"whole-word"_s), call.isSet(u"match-case"_s)};
    QJsonArray hits;
    for (const SearchHit &hit : CampaignSearch(AppFolder::locate()).Search(campaign.model, call.argument(1), options))
        hits.append(hit.toJson());
    call.printJson(QJsonDocument(hits));
    return CliCall::Success;
}

} // namespace Velmora
