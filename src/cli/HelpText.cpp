#include "cli/HelpText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

using Rows = QList<std::pair<QString, QString>>;

qsizetype widthOf(const Rows &rows)
{
    qsizetype width = 0;
    for (const auto &[left, right] : rows)
        width = std::max(width, left.size());
    return width;
}

// Two columns, each line indented by two blanks, the second column after `width` characters.
QString columns(const Rows &rows, qsizetype width)
{
    QString text;
    for (const auto &[left, right] : rows)
        text += u"  "_s + left.leftJustified(width + 2) + right + u'\n';
    return text;
}

// "--seed N", "-h, --help".
QString spelled(const QCommandLineOption &option)
{
    const QString value = option.valueName();
    return HelpText::dashed(option).join(u", "_s) + (value.isEmpty() ? QString() : u' ' + value);
}

} // namespace

QStringList HelpText::dashed(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? u"-"_s : u"--"_s) + name;
    return names;
}

QString HelpText::overview(const QList<CliCommand> &commands)
{
    Rows rows;
    for (const CliCommand &command : commands) {
        if (!command.hidden)
            rows.append({ command.name, command.description });
    }
    return u"usage: velmora-cli COMMAND [ARGUMENTS] [OPTIONS]\n\nCommands:\n"_s + columns(rows, widthOf(rows))
        + u"\n'velmora-cli help COMMAND' or 'velmora-cli COMMAND --help' shows one command.\n"_s;
}

QString HelpText::command(const CliCommand &command)
{
    QString usage = u"usage: velmora-cli "_s + command.name;
    Rows arguments;
    for (const CliArgument &argument : command.arguments) {
        usage += argument.optional ? u" ["_s + argument.name + u']' : u' ' + argument.name;
        arguments.append({ argument.name, argument.description });
    }
    Rows options;
    for (const CliOption &option : command.options) {
        if (!option.option.names().contains(u"help"_s))
            usage += u" ["_s + spelled(option.option) + u']';
        options.append({ spelled(option.option), option.option.description() });
    }
    // The arguments and options in one alignment.
    const qsizetype width = widthOf(arguments + options);
    QString text = usage + u"\n\n"_s + command.description + u"\n"_s;
    if (!arguments.isEmpty())
        text += u"\nArguments:\n"_s + columns(arguments, width);
    return text + u"\nOptions:\n"_s + columns(options, width);
}

} // namespace Velmora
