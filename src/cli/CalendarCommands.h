#pragma once

#include <QStringList>
#include <QTextStream>

namespace Velmora {

class Campaign;

/// velmora-cli calendar, moons, agenda and almanach: the campaign's calendar, clock, weather,
/// moon phase tables and dated lists, as the program computes them.
class CalendarCommands
{
public:
    CalendarCommands(QTextStream &out, QTextStream &err);
    /// `arguments` with the command first. Returns the exit code (0, 1 refused, 2 usage).
    int run(const QStringList &arguments);

private:
    int calendar(const Campaign &campaign, const QStringList &options);
    int moons(const Campaign &campaign);
    int entries(const Campaign &campaign, bool almanach);
    int usage();

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace Velmora
