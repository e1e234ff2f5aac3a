#pragma once

#include "cli/CliCommand.h"

namespace Velmora {

/// velmora-cli's help, written from the table of commands.
class HelpText
{
public:
    /// Every command that is not hidden, with its description.
    static QString overview(const QList<CliCommand> &commands);
    /// One command's usage, description, arguments and options.
    static QString command(const CliCommand &command);
    /// An option's names as written on the command line: "-h", "--help".
    static QStringList dashed(const QCommandLineOption &option);
};

} // namespace Velmora
