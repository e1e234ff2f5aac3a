#pragma once

namespace Velmora {

class CliCall;

/// The handlers of velmora-cli's game-table commands: roll, ask, bbox and stats.
class TableCommands
{
public:
    /// `roll NdS[+M|-M]`: every face of the draw in order, and the total.
    static int roll(CliCall &call);
    /// `ask [QUESTION]`: an answer of the oracle from the application folder's answer file.
    static int ask(CliCall &call);
    /// `bbox export CAMPAIGN OUT.csv` and `bbox import CAMPAIGN IN.csv OUT.vlf`.
    static int bbox(CliCall &call);
    /// `stats export CAMPAIGN OUT.csv` and `stats import CAMPAIGN IN.csv OUT.vlf`.
    static int stats(CliCall &call);
};

} // namespace Velmora
