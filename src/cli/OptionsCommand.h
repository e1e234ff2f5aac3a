#pragma once

namespace Velmora {

class CliCall;

/// velmora-cli options: `options CAMPAIGN` shows what the options dialog edits;
/// `options CAMPAIGN OUT.vlf --set KEY=VALUE...` changes it under the dialog's rules and saves.
class OptionsCommand
{
public:
    static int run(CliCall &call);
};

} // namespace Velmora
