#pragma once

namespace Velmora {

class CliCall;

/// velmora-cli's `archive build CAMPAIGN OUT.zip [--groups ...] [--comment TEXT]`: the campaign
/// archive the Build ZIP Archive window writes.
class ArchiveCommand
{
public:
    static int run(CliCall &call);
};

} // namespace Velmora
