#include "cli/MapCommands.h"

#include "cli/CliCall.h"
#include "cli/CliCommands.h"
#include "cli/MapRenderCommand.h"
#include "core/common/AppFolder.h"
#include "core/maps/CampaignMaps.h"
#include "core/maps/MapXmlFile.h"
#include "core/persistence/Campaign.h"

#include <array>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// One action of "maps": its name, how many arguments it takes after its name and what the last
// one is called (for the usage error when it is missing), and its handler.
struct Action
{
    QString name;
    qsizetype arguments;
    QString last;
    int (*run)(CliCall &);
};

const std::array<Action, 3> &actionTable()
{
    static const std::array<Action, 3> table = { {
        { u"export"_s, 2, u"OUT.xml"_s, MapCommands::exportMaps },
        { u"import"_s, 3, u"OUT.vlf"_s, MapCommands::importMaps },
        { u"render"_s, 3, u"OUT.png"_s, MapRenderCommand::run },
    } };
    return table;
}

// What every action prints beside the path: how many rows of each list the collection holds.
QJsonObject counts(const MapCollection &collection)
{
    return { { u"maps"_s, int(collection.maps.size()) }, { u"players"_s, int(collection.players.size()) },
        { u"objects"_s, int(collection.objects.size()) }, { u"notes"_s, int(collection.notes.size()) } };
}

} // namespace

QStringList MapCommands::actions()
{
    QStringList names;
    for (const Action &action : actionTable())
        names << action.name;
    return names;
}

int MapCommands::maps(CliCall &call)
{
    for (const Action &action : actionTable()) {
        if (action.name != call.argument(0))
            continue;
        if (call.argument(action.arguments).isEmpty())
            return call.usageError(u"Missing argument %1."_s.arg(action.last));
        if (!call.argument(action.arguments + 1).isEmpty())
            return call.usageError(u"Unexpected argument '%1'."_s.arg(call.argument(action.arguments + 1)));
        return action.run(call);
    }
    return call.usageError(u"Unknown action '%1'."_s.arg(call.argument(0)));
}

int MapCommands::exportMaps(CliCall &call)
{
    Campaign campaign(AppFolder::locate());
    LoadOutcome outcome;
    if (!CliCommands::load(call, campaign, call.argument(1), outcome))
        return CliCall::Refused;
    const MapCollection collection = CampaignMaps::collection(campaign.model);
    const QString out = call.argument(2);
    if (const Result<void> written = MapXmlFile::write(out, collection); !written)
        return call.refuse(out, u"could not be saved: "_s + written.error().message);
    return call.wrote(out, counts(collection));
}

// A file the import refuses leaves no OUT behind; an import that stopped at a row it could not
// add is saved with the rows before it, and says why it stopped.
int MapCommands::importMaps(CliCall &call)
{
    const AppFolder folder = AppFolder::locate();
    Campaign campaign(folder);
    LoadOutcome outcome;
    const QString in = call.argument(2);
    if (!CliCommands::load(call, campaign, call.argument(1), outcome) || !call.inputExists(in))
        return CliCall::Refused;
    MapCollection collection = CampaignMaps::collection(campaign.model);
    const Result<MapXmlFile::Import> import = MapXmlFile::read(in, collection);
    if (!import)
        return call.refuse(in, import.error().message);
    CampaignMaps::store(collection, campaign.model, folder);
    const QString out = call.argument(3);
    if (const Result<void> saved = campaign.SaveCampaign(out, false); !saved)
        return call.refuse(out, u"could not be saved: "_s + saved.error().message);
    QJsonObject printed = counts(CampaignMaps::collection(campaign.model));
    if (!import->stopped.isEmpty())
        printed.insert(u"message"_s, import->stopped);
    return call.wrote(out, printed);
}

} // namespace Velmora
