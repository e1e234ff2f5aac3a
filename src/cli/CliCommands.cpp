#include "cli/CliCommands.h"

#include "cli/CliCall.h"
#include "core/common/AppFolder.h"
#include "core/common/RandomSource.h"
#include "core/common/Version.h"
#include "core/persistence/Campaign.h"
#include "core/persistence/oIniFile.h"
#include "core/persistence/oVLFile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace Velmora {

int CliCommands::version(CliCall &call)
{
    call.printJson(QJsonDocument(QJsonObject { { u"version"_s, Version::text() } }));
    return CliCall::Success;
}

int CliCommands::ini(CliCall &call)
{
    const QString path = call.argument(0);
    if (!call.inputExists(path))
        return CliCall::Refused;
    oIniFile file;
    if (const Result<void> read = file.init(path); !read)
        return call.refuse(path, read.error().message);
    QJsonArray sections;
    for (const oSection &section : file.Sections()) {
        QJsonArray keys;
        for (const oKeyValue &keyValue : section.KeyValues())
            keys.append(QJsonObject { { u"key"_s, keyValue.Key() }, { u"value"_s, keyValue.Value() } });
        sections.append(QJsonObject { { u"name"_s, section.Name() }, { u"keys"_s, keys } });
    }
    call.printJson(QJsonDocument(QJsonObject { { u"sections"_s, sections } }));
    return CliCall::Success;
}

int CliCommands::blocks(CliCall &call)
{
    const QString path = call.argument(0);
    if (!call.inputExists(path))
        return CliCall::Refused;
    oVLFile file;
    if (const Result<qint32> parsed = file.ParseVLFile(path); !parsed)
        return call.refuse(path, parsed.error().message);
    QJsonArray blocks;
    for (const oBlock &block : file.Blocks())
        blocks.append(
            QJsonObject { { u"label"_s, block.Label() }, { u"items"_s, QJsonArray::fromStringList(block.Items()) } });
    call.printJson(
        QJsonDocument(QJsonObject { { u"marker"_s, file.GetVersion() }, { u"totalSize"_s, file.headerTotalSize() },
            { u"blockCount"_s, file.headerBlockCount() }, { u"blocks"_s, blocks } }));
    return CliCall::Success;
}

bool CliCommands::load(CliCall &call, Campaign &campaign, const QString &path, LoadOutcome &outcome)
{
    if (!call.inputExists(path))
        return false;
    outcome = campaign.LoadCampaignFile(path);
    if (!outcome.readable) {
        call.refuse(path, outcome.problem);
        return false;
    }
    return true;
}

int CliCommands::save(
    CliCall &call, Campaign &campaign, const QString &out, bool version3Loaded, const LoadOutcome &outcome)
{
    if (const Result<void> saved = campaign.SaveCampaign(out, version3Loaded); !saved)
        return call.refuse(out, u"could not be saved: "_s + saved.error().message);
    return call.wrote(out, { { u"skipped"_s, QJsonArray::fromStringList(outcome.skipped) } });
}

int CliCommands::newCampaign(CliCall &call)
{
    quint32 seed = DefaultSeed;
    if (!call.readSeed(seed))
        return CliCall::Usage;
    MersenneRandomSource random(seed);
    Campaign campaign(AppFolder::locate());
    campaign.ResetToNewCampaign(random);
    return save(call, campaign, call.argument(0), false, LoadOutcome {});
}

int CliCommands::resave(CliCall &call)
{
    Campaign campaign(AppFolder::locate());
    LoadOutcome outcome;
    if (!load(call, campaign, call.argument(0), outcome))
        return CliCall::Refused;
    return save(call, campaign, call.argument(1), false, outcome);
}

int CliCommands::upgrade(CliCall &call)
{
    const QString in = call.argument(0);
    if (!call.inputExists(in))
        return CliCall::Refused;
    const AppFolder folder = AppFolder::locate();
    // The settings file, as the program reads it: its older form names the old campaign's
    // map collection and sounds.
    const QString current = folder.root() + u"/default_4.ini"_s;
    oIniFile settings;
    settings.init(QFileInfo::exists(current) ? current : folder.root() + u"/default.ini"_s);
    Campaign campaign(folder);
    const LoadOutcome outcome = campaign.LoadVersion3Campaign(in, &settings);
    if (!outcome.readable)
        return call.refuse(in, outcome.problem);
    return save(call, campaign, call.argument(1), true, outcome);
}

int CliCommands::dump(CliCall &call)
{
    Campaign campaign(AppFolder::locate());
    LoadOutcome outcome;
    if (!load(call, campaign, call.argument(0), outcome))
        return CliCall::Refused;
    call.printJson(QJsonDocument(campaign.model.toJson()));
    return CliCall::Success;
}

} // namespace Velmora
