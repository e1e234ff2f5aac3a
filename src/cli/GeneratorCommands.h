#pragma once

namespace Velmora {

class CliCall;

/// The handlers of velmora-cli's generator commands and the whole-campaign search.
class GeneratorCommands
{
public:
    /// `town [--seed N]`: a town drawn as the Town Generator draws it, named as dump names it.
    static int town(CliCall &call);
    /// `event [--seed N]`: an event of the application folder's event file.
    static int event(CliCall &call);
    /// `search CAMPAIGN TEXT [--whole-word] [--match-case]`: every match, with its place.
    static int search(CliCall &call);
};

} // namespace Velmora
