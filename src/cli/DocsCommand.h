#pragma once

namespace Velmora {

class CliCall;

/// velmora-cli docs CAMPAIGN: the notes documents' slots and the reference lists of a campaign,
/// as its Classes and Resources tabs show them after loading it.
class DocsCommand
{
public:
    static int run(CliCall &call);
};

} // namespace Velmora
