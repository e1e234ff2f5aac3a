#include "cli/ArchiveCommand.h"

#include "cli/CliCall.h"
#include "cli/CliCommands.h"
#include "core/archive/ArchiveBuildPlan.h"
#include "core/archive/clsZip_Zip.h"
#include "core/persistence/Campaign.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace Velmora {

// Without --groups only the campaign file goes in, as the window starts. The comment follows the
// window's rule without a user name (velmora-cli has no signed-in user to sign it with).
int ArchiveCommand::run(CliCall &call)
{
    const QString path = call.argument(1);
    const QString out = call.argument(2);
    ArchiveBuildPlan::Groups groups;
    groups.set(size_t(ArchiveGroup::Vlf));
    if (call.isSet(u"groups"_s)) {
        groups.reset();
        for (const QString &key : call.value(u"groups"_s).split(u',', Qt::SkipEmptyParts)) {
            const std::optional<ArchiveGroup> group = ArchiveBuildPlan::fromKey(key.trimmed());
            if (!group)
                return call.usageError(u"Unknown group '%1' in --groups."_s.arg(key));
            groups.set(size_t(*group));
        }
    }
    const AppFolder folder = AppFolder::locate();
    Campaign campaign(folder);
    LoadOutcome outcome;
    if (!CliCommands::load(call, campaign, path, outcome))
        return CliCall::Refused;
    const ArchiveBuildPlan plan(campaign.model, path, folder, groups);
    clsZip_Zip zip(folder);
    const ArchiveBuildResult result = plan.build(zip, out, ArchiveBuildPlan::comment(call.value(u"comment"_s), {}), {});
    if (!result.written)
        return call.refuse(out, zip.FileCount() == 0 ? result.status : zip.LastError());
    QJsonArray entries;
    for (int i = 0; i < zip.FileCount(); ++i)
        entries.append(QJsonObject { { u"name"_s, zip.FileName(i) }, { u"compressedSize"_s, zip.SizeCompressed(i) },
            { u"uncompressedSize"_s, zip.SizeUncompressed(i) } });
    return call.wrote(out, { { u"entries"_s, entries } });
}

} // namespace Velmora
