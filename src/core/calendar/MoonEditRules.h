#pragma once

#include <QCoreApplication>
#include <QString>

namespace Velmora {

/// The rules of the Moons dialog's edit area, apart from the widgets: the period arrows, the
/// check of the day of the first full moon against the period, and the texts of the moon list.
/// A first full moon must leave room for a whole period before it within its month, so its day
/// has to be less than the period.
class MoonEditRules
{
    Q_DECLARE_TR_FUNCTIONS(MoonEditRules)

public:
    static constexpr int MinPeriod = 8;
    static constexpr int MaxPeriod = 99;
    /// The period of a fresh edit area ("8").
    static constexpr int DefaultPeriod = MinPeriod;

    static QString DateSelectionTitle();
    /// Shown when the chosen day is not before the period.
    static QString EarlierDateMessage();
    /// Shown when "Substract one" leaves the period below the chosen day.
    static QString PeriodTooShortMessage();

    /// The period field read as a number: empty counts as 0, and a run of digits too long to
    /// read counts as more than any period.
    static int ReadPeriod(const QString &periodText);
    /// "Add one": one more, at most 99.
    static int AddOne(const QString &periodText);

    struct PeriodStep
    {
        int period;
        bool warn; ///< show PeriodTooShortMessage
    };
    /// "Substract one": one less, at least 8; when the chosen day is then beyond the period, the
    /// warning, and the period becomes the day + 1.
    static PeriodStep SubstractOne(const QString &periodText, int selectedDay);

    struct DayCheck
    {
        bool allowed; ///< the day is before the period: the entry may be added
        bool warn;    ///< show EarlierDateMessage
        int day;      ///< the day to select: moved back by one period when that leaves a day
    };
    /// Choosing a day of the first full moon. Day 30 with period 28 warns and moves to day 2;
    /// selecting the moved day checks it again.
    static DayCheck CheckDay(int day, int period);

    /// The moon list's display of the first full moon: "05 / January / 2007".
    static QString FirstFullMoonText(int day, const QString &monthName, const QString &year);
    /// The first full moon as a date string "2007:1:5".
    static QString FirstFullMoonDate(const QString &year, int month, int day);
};

} // namespace Velmora
