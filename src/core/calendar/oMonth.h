#pragma once

#include <QString>

namespace Velmora {

/// One month of the campaign calendar: its name (the month's key in the calendar, letter case
/// ignored) and its fixed number of days.
class oMonth
{
public:
    static constexpr int MaxDays = 32767;

    /// Takes "name_days": the name is the text before the first "_", the days the whole number
    /// after it. Days that are not a number from 0 to 32767 (or no "_" at all) give a month of
    /// 0 days and a false result.
    bool init(const QString &text);

    const QString &MonthName() const { return m_name; }
    int NumberOfDays() const { return m_days; }

private:
    QString m_name;
    qint16 m_days = 0;
};

} // namespace Velmora
