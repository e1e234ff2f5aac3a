#pragma once

#include <QString>

namespace Velmora {

class Campaign;
class CliCall;
struct LoadOutcome;

/// The handlers of velmora-cli's file commands: version, ini, blocks, new, resave, upgrade, dump.
/// Each writes JSON, or one clear line when it refuses its input, and returns the exit code.
class CliCommands
{
public:
    /// The seed of `new` without --seed: a fixed value, so that the command always writes the
    /// same file (the program itself seeds from the clock).
    static constexpr quint32 DefaultSeed = 5489;

    static int version(CliCall &call);
    static int ini(CliCall &call);
    static int blocks(CliCall &call);
    static int newCampaign(CliCall &call);
    static int resave(CliCall &call);
    static int upgrade(CliCall &call);
    static int dump(CliCall &call);

    /// Loads a 4.0 campaign; false (after saying why) when it cannot be read.
    static bool load(CliCall &call, Campaign &campaign, const QString &path, LoadOutcome &outcome);
    /// Saves `campaign` to `out` and prints what was written, with what the load skipped.
    static int save(
        CliCall &call, Campaign &campaign, const QString &out, bool version3Loaded, const LoadOutcome &outcome);
};

} // namespace Velmora
