#pragma once

#include "core/calendar/DatedLine.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

namespace Velmora {

/// The collated report of the filled days of the Agenda or the Almanach, as lines that the
/// report window sets in rich text, and the texts of its menu entry and windows.
class AgendaReport
{
    Q_DECLARE_TR_FUNCTIONS(AgendaReport)

public:
    enum class Kind { Agenda, Almanach };

    struct Line
    {
        enum class Type { Rule, CampaignFile, Title, Blank, EntryDate, EntryText };
        Type type;
        QString text; ///< the line exactly as the report shows it

        bool operator==(const Line &) const = default;
    };

    /// "Agenda ToDo List" or "Almanach Event List".
    static QString Title(Kind kind);
    /// The caption of the collate menu entry.
    static QString CollateCaption(Kind kind);
    /// The title of the "Save as..." dialog.
    static QString SaveDialogTitle(Kind kind);
    static QString SaveFilter();

    struct MenuState
    {
        QString caption;
        bool enabled;
    };
    /// The collate entry for the tab in front of the user tab strip: 0 the Agenda, 1 the
    /// Almanach, any other (the statistics) the Agenda's caption, disabled.
    static MenuState CollateMenu(int frontTab, bool agendaHasEntries, bool almanachHasEntries);

    /// The collated report of an instance's filled days: a rule of 71 "=", "Campaign file: "
    /// with the file name without its folder, ";   " and the clock's date written year/month
    /// name/day, the title, a rule, then for every entry its date written year:month name:day
    /// and, indented by five spaces, its text, each followed by a blank line; a closing rule.
    /// Month names are the clock's month list, from month 1.
    static QList<Line> Collate(Kind kind, const QList<DatedLine> &entries, const QStringList &monthNames,
                               const QString &campaignPath, const QString &currentDateWithMonthName);
};

} // namespace Velmora
