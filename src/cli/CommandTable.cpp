#include "cli/CommandTable.h"

#include "cli/ArchiveCommand.h"
#include "cli/BashCompletion.h"
#include "cli/CalendarCommands.h"
#include "cli/CliCall.h"
#include "cli/CliCommands.h"
#include "cli/CryptCommands.h"
#include "cli/DocsCommand.h"
#include "cli/GeneratorCommands.h"
#include "cli/HelpText.h"
#include "cli/MapCommands.h"
#include "cli/MapRenderCommand.h"
#include "cli/OptionsCommand.h"
#include "cli/RtfCommand.h"
#include "cli/TableCommands.h"
#include "cli/ZipCommands.h"

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

CliArgument file(const QString &name, const QString &description) { return { name, description }; }

CliOption option(const QString &name, const QString &value, const QString &description, const QStringList &choices = {})
{
    return { QCommandLineOption(name, description, value), choices };
}

int help(CliCall &call)
{
    const QString name = call.argument(0);
    call.out() << (name.isEmpty() ? HelpText::overview(CommandTable::commands())
                                  : HelpText::command(*CommandTable::find(name)));
    return CliCall::Success;
}

int completion(CliCall &call)
{
    call.out() << BashCompletion::script(CommandTable::commands());
    return CliCall::Success;
}

QList<CliCommand> makeTable()
{
    const CliArgument campaign = file(u"FILE"_s, u"A campaign file"_s);
    const CliArgument written = file(u"OUT"_s, u"The campaign file to write"_s);
    const CliArgument action{ u"ACTION"_s, u"export or import"_s, { u"export"_s, u"import"_s } };
    const CliOption seed = option(u"seed"_s, u"N"_s, u"Seed of the draw, 0 to 4294967295 (default: the clock)"_s);
    const QList<CliOption> passwordOptions = { option(u"password"_s, u"P"_s, u"The password"_s),
        { QCommandLineOption(
              u"password-file"_s, u"The password's file, its first line (\"-\": standard input)"_s, u"F"_s),
            {}, true } };
    const QList<CliOption> cipherOptions
        = passwordOptions + QList<CliOption> { option(u"user"_s, u"U"_s, u"The user name"_s) };
    const QList<CliOption> lockOptions = passwordOptions
        + QList<CliOption> { option(u"cost"_s, u"standard|smallest"_s,
            u"The key's cost (default standard; smallest is for tests: it lets weak passwords be guessed fast)"_s,
            { u"standard"_s, u"smallest"_s }) };
    QList<CliCommand> table = {
        { u"version"_s, u"Print the program's version"_s, {}, {}, CliCommands::version },
        { u"ini"_s, u"Show the sections and keys of a settings file"_s, { file(u"FILE"_s, u"A settings file"_s) }, {},
            CliCommands::ini },
        { u"blocks"_s, u"Show the header and blocks of a campaign block file"_s, { file(u"FILE"_s, u"A block file"_s) },
            {}, CliCommands::blocks },
        { u"new"_s, u"Write a fresh new campaign"_s, { written },
            { option(u"seed"_s, u"N"_s,
                u"Seed of the weather roll, 0 to 4294967295 (default %1)"_s.arg(CliCommands::DefaultSeed)) },
            CliCommands::newCampaign },
        { u"resave"_s, u"Load a campaign and save it as the window would"_s,
            { file(u"IN"_s, u"The campaign to read"_s), written }, {}, CliCommands::resave },
        { u"upgrade"_s, u"Save a campaign of format 3.0 in format 4.0"_s,
            { file(u"IN.vls"_s, u"The campaign of format 3.0"_s), file(u"OUT.vlf"_s, u"The campaign file to write"_s) },
            {}, CliCommands::upgrade },
        { u"dump"_s, u"Show every record of a campaign"_s, { campaign }, {}, CliCommands::dump },
        { u"rtf"_s, u"Convert a rich-text document to text or HTML, or HTML to RTF"_s,
            { file(u"FILE"_s, u"The document to read"_s) },
            { option(u"to"_s, u"text|html"_s, u"Print the document as plain text or HTML"_s, { u"text"_s, u"html"_s }),
                option(u"from"_s, u"html"_s, u"Read FILE as HTML and write it as RTF"_s, { u"html"_s }),
                { QCommandLineOption(u"out"_s, u"The RTF file to write"_s, u"OUT.rtf"_s), {}, true } },
            RtfCommand::run, RtfCommand::needsGui },
        { u"calendar"_s, u"Show the campaign's calendar, clock and weather, or look up one date"_s, { campaign },
            { option(u"ordinal"_s, u"DATE"_s, u"The day number of DATE"_s),
                option(u"date"_s, u"N"_s, u"The date of day number N"_s),
                option(u"next"_s, u"DATE"_s, u"The day after DATE"_s),
                option(u"prev"_s, u"DATE"_s, u"The day before DATE"_s) },
            CalendarCommands::calendar },
        { u"moons"_s, u"Show each moon's phase table"_s, { campaign }, {}, CalendarCommands::moons },
        { u"agenda"_s, u"Show the agenda's entries in calendar order"_s, { campaign }, {}, CalendarCommands::agenda },
        { u"almanach"_s, u"Show the almanach's entries in calendar order"_s, { campaign }, {},
            CalendarCommands::almanach },
        { u"roll"_s, u"Roll dice: every face and the total"_s,
            { { u"NdS[+M|-M]"_s, u"How many dice of how many sides, and a modifier: 3d6+2"_s, {}, false, true } },
            { seed }, TableCommands::roll },
        { u"ask"_s, u"Ask the oracle a question"_s,
            { { u"QUESTION"_s, u"The question (it does not sway the answer)"_s, {}, true, true } }, { seed },
            TableCommands::ask },
        { u"bbox"_s, u"Export a campaign's Battle Box to a file, or import one into it"_s,
            { action, campaign, file(u"FILE"_s, u"export: the Battle Box file to write; import: the one to read"_s),
                { u"OUT.vlf"_s, u"import: the campaign file to write"_s, {}, true } },
            {}, TableCommands::bbox },
        { u"stats"_s, u"Export a campaign's statistics to a file, or import one into it"_s,
            { action, campaign, file(u"FILE"_s, u"export: the statistics file to write; import: the one to read"_s),
                { u"OUT.vlf"_s, u"import: the campaign file to write"_s, {}, true } },
            {}, TableCommands::stats },
        { u"maps"_s, u"Export a campaign's map collection to a map XML file, import one into it, or render a map"_s,
            { { u"ACTION"_s, MapCommands::actions().join(u" or "_s), MapCommands::actions() },
                file(u"CAMPAIGN"_s, u"The campaign to read"_s),
                { u"FILE"_s, u"export: the map XML file to write; import: the one to read; render: the map's key"_s },
                { u"OUT"_s, u"import: the campaign file to write; render: the picture to write"_s, {}, true } },
            { option(u"mode"_s, u"0|2"_s, u"render: 0 full size, 2 stretched to --size (default: the map's own)"_s,
                  { u"0"_s, u"2"_s }),
                option(u"size"_s, u"WxH"_s, u"render: the view's size in mode 2 (default: the picture's)"_s) },
            MapCommands::maps, MapRenderCommand::needsGui },
        { u"encrypt"_s, u"Encipher a Velmora 3.0 file with the old substitution (no protection)"_s,
            { file(u"FILE"_s, u"The file, renamed to end in \"e\""_s) }, cipherOptions, CryptCommands::encrypt },
        { u"decrypt"_s, u"Decipher a Velmora 3.0 file enciphered with the old substitution"_s,
            { file(u"FILE"_s, u"The file, renamed to end in \"s\""_s) }, cipherOptions, CryptCommands::decrypt },
        { u"lock"_s, u"Protect a campaign file with a password"_s,
            { file(u"IN.vlf"_s, u"The campaign to protect"_s), file(u"OUT.vlk"_s, u"The protected file to write"_s) },
            lockOptions, CryptCommands::lock },
        { u"unlock"_s, u"Write the campaign of a protected file"_s,
            { file(u"IN.vlk"_s, u"The protected file"_s), file(u"OUT.vlf"_s, u"The campaign file to write"_s) },
            passwordOptions, CryptCommands::unlock },
        { u"zip"_s, u"Create a ZIP archive, list one, or extract one into a folder"_s,
            { { u"ACTION"_s, ZipCommands::actions().join(u" or "_s), ZipCommands::actions() },
                file(u"ARCHIVE"_s, u"create: the archive to write; list, extract: the one to read"_s),
                { u"PATTERN|DIR"_s, u"create: the files to add (\"*\" expanded by the program); extract: the target folder"_s,
                    {}, true, false, true } },
            { option(u"name-mode"_s, u"0|1|2"_s,
                  u"create: entry names are 0 the file name, 1 the path, 2 relative to the application folder"_s,
                  { u"0"_s, u"1"_s, u"2"_s }),
                { QCommandLineOption(u"recurse"_s, u"create: apply each pattern in every folder below too"_s) },
                option(u"comment"_s, u"TEXT"_s, u"create: the archive comment"_s),
                { QCommandLineOption(u"overwrite"_s, u"extract: replace files that exist"_s) },
                option(u"max-size"_s, u"BYTES"_s, u"extract: stop beyond this total size (default 8 GiB)"_s),
                option(u"max-ratio"_s, u"N"_s, u"extract: refuse an entry expanding more than N times (default 10000)"_s) },
            ZipCommands::zip },
        { u"town"_s, u"Draw a town as the Town Generator does"_s, {}, { seed }, GeneratorCommands::town },
        { u"event"_s, u"Draw an event of the event file"_s, {}, { seed }, GeneratorCommands::event },
        { u"search"_s, u"Find a word in every text of a campaign"_s,
            { file(u"CAMPAIGN"_s, u"The campaign to search"_s), { u"TEXT"_s, u"What to find"_s, {}, false, true } },
            { { QCommandLineOption(u"whole-word"_s, u"Only whole words"_s) },
                { QCommandLineOption(u"match-case"_s, u"Letter case must match"_s) } },
            GeneratorCommands::search },
        { u"docs"_s, u"Show the notes documents and the reference lists of a campaign"_s, { campaign }, {},
            DocsCommand::run },
        { u"options"_s, u"Show a campaign's options, sounds, custom tools and captions, or change them"_s,
            { file(u"CAMPAIGN"_s, u"The campaign to read"_s),
                { u"OUT.vlf"_s, u"With --set: the campaign file to write"_s, {}, true } },
            { option(u"set"_s, u"KEY=VALUE"_s, u"Change one setting (repeatable); keys as the output names them"_s) },
            OptionsCommand::run },
        { u"archive"_s, u"Build a campaign's archive: its file and the files it refers to"_s,
            { { u"ACTION"_s, u"build"_s, { u"build"_s } }, file(u"CAMPAIGN"_s, u"The campaign file"_s),
                file(u"OUT.zip"_s, u"The archive to write"_s) },
            { option(u"groups"_s, u"LIST"_s,
                  u"The files to add, comma-separated: vlf, sounds, images, notes, bblinked, std, prestige, "
                  u"characters, library, maps, mapicons, links, articles, netbooks (default: vlf)"_s),
                option(u"comment"_s, u"TEXT"_s, u"The archive comment"_s) },
            ArchiveCommand::run },
        { u"help"_s, u"Show the commands, or one command's arguments and options"_s,
            { { u"COMMAND"_s, u"The command to show"_s, {}, true } }, {}, help },
        // The shell completion is installed with the program; users do not call this themselves.
        { u"completion"_s, u"Print the bash completion script"_s, { { u"SHELL"_s, u"The shell"_s, { u"bash"_s } } }, {},
            completion, {}, true },
    };
    QStringList names;
    for (CliCommand &command : table) {
        command.options.append({ QCommandLineOption({ u"h"_s, u"help"_s }, u"Show this help"_s) });
        if (!command.hidden)
            names << command.name;
    }
    for (CliCommand &command : table) {
        if (command.name == u"help"_s)
            command.arguments.first().choices = names;
    }
    return table;
}

} // namespace

const QList<CliCommand> &CommandTable::commands()
{
    static const QList<CliCommand> table = makeTable();
    return table;
}

const CliCommand *CommandTable::find(const QString &name)
{
    for (const CliCommand &command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

} // namespace Velmora
