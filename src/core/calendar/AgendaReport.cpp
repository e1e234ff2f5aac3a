#include "core/calendar/AgendaReport.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Velmora {

QString AgendaReport::Title(Kind kind)
{
    return kind == Kind::Agenda ? tr("Agenda ToDo List") : tr("Almanach Event List");
}

QString AgendaReport::CollateCaption(Kind kind)
{
    return kind == Kind::Agenda ? tr("Collate Agenda ToDo list") : tr("Collate Almanach Event list");
}

QString AgendaReport::SaveDialogTitle(Kind kind)
{
    return kind == Kind::Agenda ? tr("Save Agenda ToDo List as RichTextFile")
                                : tr("Save Almanach Event List as RichTextFile");
}

QString AgendaReport::SaveFilter()
{
    return tr("Rich Text File (*.rtf)|*.rtf");
}

AgendaReport::MenuState AgendaReport::CollateMenu(int frontTab, bool agendaHasEntries, bool almanachHasEntries)
{
    if (frontTab == 1)
        return {CollateCaption(Kind::Almanach), almanachHasEntries};
    return {CollateCaption(Kind::Agenda), frontTab == 0 && agendaHasEntries};
}

QList<AgendaReport::Line> AgendaReport::Collate(Kind kind, const QList<DatedLine> &entries,
                                                const QStringList &monthNames, const QString &campaignPath,
                                                const QString &currentDateWithMonthName)
{
    using Type = Line::Type;
    // Campaign paths may come from either kind of system: the name is after the last separator.
    const qsizetype slash = std::max(campaignPath.lastIndexOf(u'/'), campaignPath.lastIndexOf(u'\\'));
    const QString rule(71, u'=');
    QList<Line> report{{Type::Rule, rule},
                       {Type::CampaignFile,
                        tr("Campaign file: ") + campaignPath.mid(slash + 1) + u";   "_s + currentDateWithMonthName},
                       {Type::Title, Title(kind)},
                       {Type::Rule, rule},
                       {Type::Blank, QString()}};
    for (const DatedLine &entry : entries) {
        const QStringList fields = entry.date.split(u':');
        const QString monthName = monthNames.value(fields.value(1).toInt() - 1);
        report << Line{Type::EntryDate, fields.value(0) + u':' + monthName + u':' + fields.value(2)}
               << Line{Type::EntryText, u"     "_s + entry.text} << Line{Type::Blank, QString()};
    }
    report << Line{Type::Rule, rule};
    return report;
}

} // namespace Velmora
