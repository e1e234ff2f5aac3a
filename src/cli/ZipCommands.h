#pragma once

#include <QStringList>

namespace Velmora {

class CliCall;

/// The handlers of velmora-cli's "zip" command: `zip create OUT.zip PATTERN...`,
/// `zip list ARCHIVE` and `zip extract ARCHIVE DIR`.
class ZipCommands
{
public:
    /// The actions of "zip", in the order the help lists them.
    static QStringList actions();
    /// Runs the action named by the first argument.
    static int zip(CliCall &call);

    static int create(CliCall &call);
    static int list(CliCall &call);
    static int extract(CliCall &call);
};

} // namespace Velmora
