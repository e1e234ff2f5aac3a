#include "cli/OptionsCommand.h"

#include "cli/CliCall.h"
#include "cli/CliCommands.h"
#include "core/common/AppFolder.h"
#include "core/options/OptionsSettings.h"
#include "core/persistence/Campaign.h"

#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace Velmora {

int OptionsCommand::run(CliCall &call)
{
    const QString out = call.argument(1);
    const QStringList assignments = call.values(u"set"_s);
    if (out.isEmpty() != assignments.isEmpty())
        return call.usageError(out.isEmpty() ? u"--set needs OUT.vlf."_s : u"OUT.vlf needs --set KEY=VALUE."_s);
    const AppFolder folder = AppFolder::locate();
    Campaign campaign(folder);
    LoadOutcome outcome;
    if (!CliCommands::load(call, campaign, call.argument(0), outcome))
        return CliCall::Refused;
    if (out.isEmpty()) {
        call.printJson(QJsonDocument(OptionsSettings::toJson(campaign.model)));
        return CliCall::Success;
    }
    // Every setting must be taken before anything is written: a refused one leaves no OUT.
    for (const QString &assignment : assignments) {
        if (const QString why = OptionsSettings::set(campaign.model, folder, assignment); !why.isEmpty())
            return call.refuse(u"--set "_s + assignment, why);
    }
    return CliCommands::save(call, campaign, out, false, outcome);
}

} // namespace Velmora
