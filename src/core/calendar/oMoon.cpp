#include "core/calendar/oMoon.h"

#include "core/calendar/MoonRecord.h"
#include "core/calendar/oCalendar.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Velmora {

void oMoon::init(const QString &name, int period, const QString &fullDate)
{
    m_name = name;
    m_period = static_cast<qint16>(period);
    m_fullDate = fullDate;
    m_phases.clear();
}

std::optional<oMoon> oMoon::fromLine(const QString &line)
{
    const std::optional<MoonRecord> record = MoonRecord::fromItem(line);
    if (!record)
        return std::nullopt;
    return fromRecord(*record);
}

oMoon oMoon::fromRecord(const MoonRecord &record)
{
    oMoon moon;
    moon.init(record.name, record.period, record.firstFullMoon);
    return moon;
}

void oMoon::BuildPhaseTable(const oCalendar &campaignCalendar)
{
    m_phases.clear();
    const int period = m_period;
    const QStringList fields = m_fullDate.split(u':');
    bool ok = false;
    const int day = fields.value(2).toInt(&ok);
    // No day number lies outside 1 to 32767, and a period below 1 would never leave the year.
    if (period < 1 || fields.size() != 3 || !ok || day < 1 || day > oCalendar::MaxDayNumber)
        return;

    // Day number 1 is day 1 of month 1 of the first full moon's year.
    oCalendar working = campaignCalendar;
    working.Init_4({}, fields.at(0) + u":1:1"_s);
    const auto record = [&](int dayNumber, int phase) {
        const oCalendar::DateLookup found = working.GetDateFromOrdinal(dayNumber);
        if (found.status != oCalendar::StatusFound)
            return false;
        m_phases.append(oPhase(found.date, phase));
        return true;
    };

    float boundary[9] = {};
    for (int j = 1; j <= 8; ++j)
        boundary[j] = float(j * period) / 8.0f;
    // std::nearbyint rounds halves to the even neighbour (the default rounding mode).
    const auto round = [](float value) { return int(std::nearbyint(value)); };

    float fullMoon = float(day);
    // The days of the period before the first full moon. With the day beyond the period (a
    // moon line the dialog did not write) only that one period is drawn.
    const int before = std::min(int(std::floor((fullMoon - 0.5f) / (float(period) / 8.0f))), 7);
    const float anchor = std::floor(fullMoon + 0.5f);
    for (int k = before; k >= 1; --k)
        record(round(anchor - boundary[k]), 9 - k);

    int dayNumber = int(std::floor(fullMoon));
    for (;;) {
        const float start = std::floor(fullMoon + 0.5f);
        for (int j = 1; j <= 8; ++j) {
            if (!record(dayNumber, j))
                return; // past the end of the year
            dayNumber = round(start + boundary[j]);
        }
        fullMoon += float(period);
        dayNumber = int(std::floor(fullMoon));
    }
}

} // namespace Velmora
