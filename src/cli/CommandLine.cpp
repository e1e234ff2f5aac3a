#include "cli/CommandLine.h"

#include "cli/CliCall.h"
#include "cli/CommandTable.h"
#include "cli/HelpText.h"

using namespace Qt::StringLiterals;

namespace Velmora {

CommandLine::CommandLine(const QStringList &arguments) { m_error = parse(arguments); }

QString CommandLine::parse(const QStringList &arguments)
{
    // The program's own options come before the command; everything after it is the command's.
    QCommandLineParser program;
    program.addOption(QCommandLineOption(QStringList { u"h"_s, u"help"_s }));
    program.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    // No option has a one-letter name but -h: "-seed" is read as "--seed", and "-frob" named whole.
    program.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!program.parse(QStringList { u"velmora-cli"_s } + arguments))
        return program.errorText();
    const QStringList words = program.positionalArguments();
    m_overview = program.isSet(u"help"_s);
    if (m_overview)
        return {};
    if (words.isEmpty())
        return u"Missing command."_s;
    m_command = CommandTable::find(words.first());
    if (!m_command)
        return u"Unknown command '%1'."_s.arg(words.first());
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const CliOption &option : m_command->options)
        m_parser.addOption(option.option);
    if (!m_parser.parse(QStringList { m_command->name } + words.mid(1)))
        return m_parser.errorText();
    m_arguments = m_parser.positionalArguments();
    if (wantsHelp())
        return {};
    const QString wrongArgument = checkArguments();
    return wrongArgument.isEmpty() ? checkChoices() : wrongArgument;
}

QString CommandLine::checkArguments() const
{
    const QList<CliArgument> &expected = m_command->arguments;
    for (qsizetype i = m_arguments.size(); i < expected.size(); ++i) {
        if (!expected.at(i).optional)
            return u"Missing argument %1."_s.arg(expected.at(i).name);
    }
    if (m_arguments.size() > expected.size() && !(!expected.isEmpty() && expected.last().repeats))
        return u"Unexpected argument '%1'."_s.arg(m_arguments.at(expected.size()));
    for (qsizetype i = 0; i < m_arguments.size(); ++i) {
        const CliArgument &argument = expected.at(std::min(i, expected.size() - 1));
        if (!argument.choices.isEmpty() && !argument.choices.contains(m_arguments.at(i)))
            return u"Unknown %1 '%2'."_s.arg(argument.name.toLower(), m_arguments.at(i));
    }
    return {};
}

QString CommandLine::checkChoices() const
{
    for (const CliOption &option : m_command->options) {
        const QString name = option.option.names().constLast();
        if (option.choices.isEmpty() || !m_parser.isSet(name) || option.choices.contains(m_parser.value(name)))
            continue;
        return u"--%1 takes %2, not '%3'."_s.arg(name, option.choices.join(u" or "_s), m_parser.value(name));
    }
    return {};
}

bool CommandLine::wantsHelp() const { return m_command && m_parser.isSet(u"help"_s); }

bool CommandLine::needsGui() const
{
    return m_error.isEmpty() && m_command && m_command->needsGui && !wantsHelp() && m_command->needsGui(m_parser);
}

int CommandLine::run(QTextStream &out, QTextStream &err) const
{
    CliCall call(out, err, m_command ? m_command->name : QString(), m_arguments, m_parser);
    if (!m_error.isEmpty())
        return call.usageError(m_error);
    if (m_overview)
        out << HelpText::overview(CommandTable::commands());
    else if (wantsHelp())
        out << HelpText::command(*m_command);
    else
        return m_command->handler(call);
    return CliCall::Success;
}

} // namespace Velmora
