#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace Velmora {

/// The campaign clock's time of day on its 12-hour dial.
/// Hour and minute are kept as the text of their fields: the clock writes them with two digits
/// ("05"), but a typed "5" is stored as typed, and both must come back as they were saved.
struct ClockTime
{
    QString hour;    ///< hour field text, 1 to 12 ("12")
    QString minute;  ///< minute field text, 0 to 59 ("00")
    bool pm = false; ///< the PM half of the day is chosen (AM otherwise)

    /// A new campaign starts at 12:00 AM.
    static ClockTime defaults();

    /// The hour and minute read as numbers the way the step buttons read them ("07" is 7, text
    /// that is not a number is 0).
    int hourValue() const;
    int minuteValue() const;

    /// Takes the single item "hour;minute;AM" (or ";PM"). An item without exactly three fields
    /// changes nothing; a half other than "AM" or "PM" leaves the half as it was.
    bool load(const QStringList &items);
    QStringList toItems() const;
    QJsonObject toJson() const;

    bool operator==(const ClockTime &) const = default;
};

} // namespace Velmora
