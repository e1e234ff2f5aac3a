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

QStringList AgendaReport::CollateLines(const QStringList &entries, const QStringList &monthNames,
                                       const QString &campaignPath, const QString &currentDateWithMonthName)
{
    // Campaign paths may come from either kind of system: the name is after the last separator.
    const qsizetype slash = std::max(campaignPath.lastIndexOf(u'/'), campaignPath.lastIndexOf(u'\\'));
    QStringList lines{campaignPath.mid(slash + 1) + u";   "_s + currentDateWithMonthName};
    lines.reserve(entries.size() + 1);
    for (const QString &entry : entries) {
        const QString date = entry.section(u';', 0, 0);
        const QString text = entry.section(u';', 1);
        const QStringList fields = date.split(u':');
        const QString monthName = monthNames.value(fields.value(1).toInt() - 1);
        lines << fields.value(0) + u':' + monthName + u':' + fields.value(2) + u';' + text;
    }
    return lines;
}

QList<AgendaReport::Line> AgendaReport::ReportLines(Kind kind, const QStringList &collateLines)
{
    using Type = Line::Type;
    const QString rule(71, u'=');
    QList<Line> report{{Type::Rule, rule},
                       {Type::CampaignFile, tr("Campaign file: ") + collateLines.value(0)},
                       {Type::Title, Title(kind)},
                       {Type::Rule, rule},
                       {Type::Blank, QString()}};
    for (qsizetype i = 1; i < collateLines.size(); ++i) {
        const QString &line = collateLines.at(i);
        report << Line{Type::EntryDate, line.section(u';', 0, 0)}
               << Line{Type::EntryText, u"     "_s + line.section(u';', 1)}
               << Line{Type::Blank, QString()};
    }
    report << Line{Type::Rule, rule};
    return report;
}

} // namespace Velmora
