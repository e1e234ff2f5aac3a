#include "cli/DocsCommand.h"

#include "cli/CliCall.h"
#include "core/documents/ReferenceShelf.h"
#include "core/persistence/Campaign.h"

#include <QJsonDocument>

namespace Velmora {

int DocsCommand::run(CliCall &call)
{
    const QString path = call.argument(0);
    if (!call.inputExists(path))
        return CliCall::Refused;
    const AppFolder folder = AppFolder::locate();
    Campaign campaign(folder);
    const LoadOutcome outcome = campaign.LoadCampaignFile(path);
    if (!outcome.readable)
        return call.refuse(path, outcome.problem);
    call.printJson(QJsonDocument(ReferenceShelf::docsJson(campaign.model, folder)));
    return CliCall::Success;
}

} // namespace Velmora
