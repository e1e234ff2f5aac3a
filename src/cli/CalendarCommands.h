#pragma once

namespace Velmora {

class Campaign;
class CliCall;

/// velmora-cli calendar, moons, agenda and almanach: the campaign's calendar, clock, weather,
/// moon phase tables and dated lists, as the program computes them.
class CalendarCommands
{
public:
    static int calendar(CliCall &call);
    static int moons(CliCall &call);
    static int agenda(CliCall &call);
    static int almanach(CliCall &call);

private:
    /// Loads the campaign named by the call's first argument; false (after saying why) when it
    /// is refused.
    static bool load(CliCall &call, Campaign &campaign);
    static int entries(CliCall &call, bool almanach);
};

} // namespace Velmora
