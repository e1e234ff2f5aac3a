#pragma once

#include <QStringList>

namespace Velmora {

class CliCall;

/// The handlers of velmora-cli's "maps" command, one per action:
/// `maps export CAMPAIGN OUT.xml` and `maps import CAMPAIGN IN.xml OUT.vlf`.
class MapCommands
{
public:
    /// The actions of "maps", in the order the help lists them.
    static QStringList actions();
    /// Runs the action named by the first argument, once its arguments are complete.
    static int maps(CliCall &call);

    /// The campaign's map collection written as a map XML file.
    static int exportMaps(CliCall &call);
    /// A map XML file's collection in place of the campaign's, saved to OUT.vlf.
    static int importMaps(CliCall &call);
};

} // namespace Velmora
