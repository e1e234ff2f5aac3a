#pragma once

#include "cli/CliCommand.h"

namespace Velmora {

/// velmora-cli's commands, in the order the help lists them. Every command has -h, --help.
class CommandTable
{
public:
    static const QList<CliCommand> &commands();
    /// The command called `name`; nullptr when there is none.
    static const CliCommand *find(const QString &name);
};

} // namespace Velmora
