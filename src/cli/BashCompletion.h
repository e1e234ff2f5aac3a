#pragma once

#include "cli/CliCommand.h"

namespace Velmora {

/// The bash completion of velmora-cli, written from the table of commands: command names, then
/// the command's options, option values from their choices, and files for file arguments.
class BashCompletion
{
public:
    static QString script(const QList<CliCommand> &commands);
};

} // namespace Velmora
