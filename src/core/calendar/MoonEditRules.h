#pragma once

#include "core/calendar/MoonRecord.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

namespace Velmora {

/// The Moons dialog apart from its widgets: the moon list it edits, the row being edited, what
/// Add (or Edit) and Remove do, when they and OK may be used, the period arrows, the check of
/// the day of the first full moon against the period, and the texts of the moon list. A first
/// full moon must leave room for a whole period before it within its month, so its day has to
/// be less than the period.
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

    /// A copy of the campaign's moon list, shown with the calendar's month names, and the
    /// show-moons option; every first full moon entered lies in `year`. No row is being edited
    /// and nothing has changed.
    void load(const QList<MoonRecord> &moons, const QStringList &monthNames, const QString &year, bool showMoons);
    const QList<MoonRecord> &moons() const { return m_moons; }
    /// "Show moons in Agenda and Almanach".
    bool showMoons() const { return m_showMoons; }
    void setShowMoons(bool show) { m_showMoons = show; }
    /// The texts of a row: name, period, first full moon as shown ("05 / January / 2007") and
    /// as a date string.
    QStringList rowTexts(int row) const;

    /// What the edit area shows for a row.
    struct Edit
    {
        QString name;
        QString period;
        int month; ///< from 1, within the calendar
        int day;   ///< from 1
    };
    /// A click on a row: it becomes the row being edited, unchanged so far.
    Edit select(int row);
    /// The row being edited (Add then writes "Edit" and replaces it), -1 for none.
    int selectedRow() const { return m_selected; }
    /// The edit area starts afresh: no row being edited, nothing changed.
    void resetEdit();
    /// The user typed a name or a period, or chose a month or a day.
    void markChanged() { m_changed = true; }

    /// Add (or Edit): the moon, its name trimmed and its first full moon in the dialog's year,
    /// goes into the row being edited, else into the row of that name (names key the rows), else
    /// into a new last row; another row of that name goes. The edit area starts afresh.
    void add(const QString &name, const QString &periodText, int month, int day);
    /// Remove: the row being edited goes; the edit area starts afresh.
    void removeSelected();

    /// Add needs a change, a name, a period of at most 16 bits and a day before the period.
    bool canAdd(const QString &name, const QString &periodText, int day) const;
    bool canRemove() const { return m_selected >= 0; }
    /// OK needs a change to apply: a moon added, edited or removed, or the show-moons option
    /// changed (that alone is a change worth applying).
    bool canApply() const { return m_listEdited || m_showMoons != m_loadedShowMoons; }

private:
    QList<MoonRecord> m_moons;
    QStringList m_monthNames;
    QString m_year;
    int m_selected = -1;
    bool m_changed = false;
    bool m_listEdited = false;
    bool m_showMoons = false;
    bool m_loadedShowMoons = false;
};

} // namespace Velmora
