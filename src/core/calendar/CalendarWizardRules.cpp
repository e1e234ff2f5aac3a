#include "core/calendar/CalendarWizardRules.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace Velmora {

int CalendarWizardRules::MonthCount(const QString &text)
{
    bool ok = false;
    const int count = text.trimmed().toInt(&ok);
    return ok && count >= 0 && count <= 32767 ? count : DefaultMonthCount;
}

int CalendarWizardRules::AddTarget(const QStringList &names, int selectedRow)
{
    if (selectedRow >= 0 && selectedRow < names.size())
        return selectedRow;
    return int(names.indexOf(QString()));
}

bool CalendarWizardRules::CanAccept(int monthCount, const QStringList &names, const QString &year, int month,
                                    int day)
{
    return monthCount >= 1 && !names.isEmpty() && !names.contains(QString()) && !year.trimmed().isEmpty()
        && month >= 1 && day >= 1;
}

QString CalendarWizardRules::RepeatedName(const QStringList &names)
{
    QSet<QString> seen;
    for (const QString &name : names) {
        const QString key = name.trimmed().toCaseFolded();
        if (seen.contains(key))
            return name;
        seen.insert(key);
    }
    return QString();
}

QStringList CalendarWizardRules::MonthLines(const QList<Row> &rows, const QString &year, int month, int day)
{
    QStringList lines;
    for (const Row &row : rows)
        lines << row.name + u';' + row.days;
    lines << year.trimmed() + u"%1%2"_s.arg(month, 2, 10, QChar(u'0')).arg(day, 2, 10, QChar(u'0'));
    return lines;
}

QString CalendarWizardRules::DateString(const QString &year, int month, int day)
{
    return u"%1:%2:%3"_s.arg(year.trimmed(), QString::number(month), QString::number(day));
}

QString CalendarWizardRules::DisplayDate(const QString &monthName, int day, const QString &year)
{
    // One pass, so a "%" in a month name stays as written.
    return u"%1 %2, %3"_s.arg(monthName, QString::number(day), year.trimmed());
}

} // namespace Velmora
