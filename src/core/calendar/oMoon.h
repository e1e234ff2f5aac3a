#pragma once

#include "core/calendar/oPhase.h"

#include <QList>
#include <QString>

#include <optional>

namespace Velmora {

class oCalendar;
struct MoonRecord;

/// One moon of the campaign's world: its name, its period in days and the date of its first full
/// moon, with the table of its phase days through the year of that first full moon.
class oMoon
{
public:
    void init(const QString &name, int period, const QString &fullDate);
    /// A moon line "name;period;date string"; std::nullopt for a line that cannot be read (the
    /// rules of the campaign file's moon list).
    static std::optional<oMoon> fromLine(const QString &line);
    /// The moon of a row of the campaign's moon list.
    static oMoon fromRecord(const MoonRecord &record);

    const QString &MoonName() const { return m_name; }
    int Period() const { return m_period; }
    const QString &FullDate() const { return m_fullDate; }

    /// Rebuilds the phase table for the year of the first full moon under the campaign's months:
    /// the days of the last period before the first full moon, then eight phases per period up
    /// to the end of that year. Only the day of FullDate enters, not its month. Boundaries are
    /// single-precision eighths of the period; days round half to even.
    void BuildPhaseTable(const oCalendar &campaignCalendar);
    /// The phase days in the order they were found, which is date order, each a date of the
    /// first full moon's year. A period shorter than 8 days puts several phases on one day.
    const QList<oPhase> &Phases() const { return m_phases; }

private:
    QString m_name;
    qint16 m_period = 0;
    QString m_fullDate;
    QList<oPhase> m_phases;
};

} // namespace Velmora
