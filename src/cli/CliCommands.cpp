#include "cli/CliCommands.h"

#include "cli/CalendarCommands.h"
#include "cli/RtfCommand.h"

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

CliCommands::CliCommands(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

int CliCommands::run(const QStringList &arguments)
{
    const QString command = arguments.value(0);
    const qsizetype operands = arguments.size() - 1;
    if (command == u"version"_s && operands == 0)
        return version();
    if (command == u"ini"_s && operands == 1)
        return ini(arguments.at(1));
    if (command == u"blocks"_s && operands == 1)
        return blocks(arguments.at(1));
    if (command == u"new"_s && operands == 1)
        return newCampaign(arguments.at(1), DefaultSeed);
    if (command == u"new"_s && operands == 3 && arguments.at(2) == u"--seed"_s) {
        bool ok = false;
        const quint32 seed = arguments.at(3).toUInt(&ok);
        return ok ? newCampaign(arguments.at(1), seed) : usage();
    }
    if (command == u"resave"_s && operands == 2)
        return resave(arguments.at(1), arguments.at(2));
    if (command == u"upgrade"_s && operands == 2)
        return upgrade(arguments.at(1), arguments.at(2));
    if (command == u"dump"_s && operands == 1)
        return dump(arguments.at(1));
    if (command == u"calendar"_s || command == u"moons"_s || command == u"agenda"_s || command == u"almanach"_s)
        return CalendarCommands(m_out, m_err).run(arguments);
    if (command == u"rtf"_s)
        return RtfCommand(m_out, m_err).run(arguments.mid(1));
    return usage();
}

int CliCommands::usage()
{
    m_err << "usage: velmora-cli version | ini FILE | blocks FILE | new OUT [--seed N] | resave IN OUT"
             " | upgrade IN.vls OUT.vlf | dump FILE | rtf FILE --to text|html | rtf FILE --from html --out OUT.rtf"
             " | calendar FILE [--ordinal DATE | --date N | --next DATE | --prev DATE] | moons FILE | agenda FILE | almanach FILE"
          << Qt::endl;
    return Usage;
}

int CliCommands::refuse(const QString &path, const QString &why)
{
    m_err << "velmora-cli: " << path << ": " << why << Qt::endl;
    return Refused;
}

bool CliCommands::inputExists(const QString &path)
{
    if (QFileInfo(path).isFile())
        return true;
    refuse(path, u"no such file"_s);
    return false;
}

void CliCommands::printJson(const QJsonObject &object)
{
    m_out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    m_out.flush();
}

int CliCommands::version()
{
    printJson(QJsonObject{{u"version"_s, Version::text()}});
    return Success;
}

int CliCommands::ini(const QString &path)
{
    if (!inputExists(path))
        return Refused;
    oIniFile file;
    if (const Result<void> read = file.init(path); !read)
        return refuse(path, read.error().message);
    QJsonArray sections;
    for (const oSection &section : file.Sections()) {
        QJsonArray keys;
        for (const oKeyValue &keyValue : section.KeyValues())
            keys.append(QJsonObject{{u"key"_s, keyValue.Key()}, {u"value"_s, keyValue.Value()}});
        sections.append(QJsonObject{{u"name"_s, section.Name()}, {u"keys"_s, keys}});
    }
    printJson(QJsonObject{{u"sections"_s, sections}});
    return Success;
}

int CliCommands::blocks(const QString &path)
{
    if (!inputExists(path))
        return Refused;
    oVLFile file;
    if (const Result<qint32> parsed = file.ParseVLFile(path); !parsed)
        return refuse(path, parsed.error().message);
    QJsonArray blocks;
    for (const oBlock &block : file.Blocks())
        blocks.append(QJsonObject{{u"label"_s, block.Label()}, {u"items"_s, QJsonArray::fromStringList(block.Items())}});
    printJson(QJsonObject{{u"marker"_s, file.GetVersion()},
                          {u"totalSize"_s, file.headerTotalSize()},
                          {u"blockCount"_s, file.headerBlockCount()},
                          {u"blocks"_s, blocks}});
    return Success;
}

bool CliCommands::load(Campaign &campaign, const QString &path, LoadOutcome &outcome)
{
    if (!inputExists(path))
        return false;
    outcome = campaign.LoadCampaignFile(path);
    if (!outcome.readable) {
        refuse(path, outcome.problem);
        return false;
    }
    return true;
}

int CliCommands::save(Campaign &campaign, const QString &out, bool version3Loaded, const LoadOutcome &outcome)
{
    if (const Result<void> saved = campaign.SaveCampaign(out, version3Loaded); !saved)
        return refuse(out, u"could not be saved: "_s + saved.error().message);
    printJson(QJsonObject{{u"written"_s, out}, {u"skipped"_s, QJsonArray::fromStringList(outcome.skipped)}});
    return Success;
}

int CliCommands::newCampaign(const QString &out, quint32 seed)
{
    MersenneRandomSource random(seed);
    Campaign campaign(AppFolder::locate());
    campaign.ResetToNewCampaign(random);
    return save(campaign, out, false, LoadOutcome{});
}

int CliCommands::resave(const QString &in, const QString &out)
{
    Campaign campaign(AppFolder::locate());
    LoadOutcome outcome;
    if (!load(campaign, in, outcome))
        return Refused;
    return save(campaign, out, false, outcome);
}

int CliCommands::upgrade(const QString &in, const QString &out)
{
    if (!inputExists(in))
        return Refused;
    const AppFolder folder = AppFolder::locate();
    // The settings file, as the program reads it: its older form names the old campaign's
    // map collection and sounds.
    const QString current = folder.root() + u"/default_4.ini"_s;
    oIniFile settings;
    settings.init(QFileInfo::exists(current) ? current : folder.root() + u"/default.ini"_s);
    Campaign campaign(folder);
    const LoadOutcome outcome = campaign.LoadVersion3Campaign(in, &settings);
    if (!outcome.readable)
        return refuse(in, outcome.problem);
    return save(campaign, out, true, outcome);
}

int CliCommands::dump(const QString &path)
{
    Campaign campaign(AppFolder::locate());
    LoadOutcome outcome;
    if (!load(campaign, path, outcome))
        return Refused;
    printJson(campaign.model.toJson());
    return Success;
}

} // namespace Velmora
