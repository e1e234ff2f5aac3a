#include "cli/BashCompletion.h"

#include "cli/HelpText.h"

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The shell function: `options` are offered after a dash; otherwise `files` or `words`. The
// first case statement picks them by command, the second one overrides them for an option's value.
const QString kScript = uR"(# bash completion for velmora-cli, written by 'velmora-cli completion bash'
_velmora_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} options= words= files=
    case $COMP_CWORD:${COMP_WORDS[1]} in
    1:*) options="-h --help" words="%1" ;;
%2    esac
    case ${COMP_WORDS[1]}:$prev in
%3    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    elif [[ $files ]]; then
        compopt -o filenames
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    else
        mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
    fi
}
complete -F _velmora_cli velmora-cli
)"_s;

QString branch(const QString &pattern, const QString &options, const QStringList &words, bool files)
{
    return u"    %1) options=\"%2\" words=\"%3\" files=%4 ;;\n"_s.arg(
        pattern, options, words.join(u' '), files ? u"1"_s : QString());
}

} // namespace

QString BashCompletion::script(const QList<CliCommand> &commands)
{
    QStringList names;
    QString byCommand;
    QString byValue;
    for (const CliCommand &command : commands) {
        if (command.hidden)
            continue;
        names << command.name;
        QStringList options;
        for (const CliOption &option : command.options) {
            const QStringList dashed = HelpText::dashed(option.option);
            options << dashed;
            if (!option.option.valueName().isEmpty()) {
                const QString patterns = command.name + u':' + dashed.join(u'|' + command.name + u':');
                byValue += branch(patterns, QString(), option.choices, option.fileValue);
            }
        }
        QStringList words;
        bool files = false;
        for (const CliArgument &argument : command.arguments) {
            words << argument.choices;
            files = files || (argument.choices.isEmpty() && !argument.freeText);
        }
        byCommand += branch(u"*:"_s + command.name, options.join(u' '), words, files);
    }
    return kScript.arg(names.join(u' '), byCommand, byValue);
}

} // namespace Velmora
