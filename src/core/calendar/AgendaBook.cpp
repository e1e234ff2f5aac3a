#include "core/calendar/AgendaBook.h"

#include <QSet>

#include <limits>

using namespace Qt::StringLiterals;

namespace Velmora {

QString AgendaBook::CalendarNotSetCaption()
{
    return tr("Calendar not set");
}

void AgendaBook::clear()
{
    m_calendar = oCalendar();
    m_startDate.clear();
    m_year.clear();
    m_rows.clear();
    m_moons.clear();
    m_phaseRows.clear();
}

void AgendaBook::init(const QList<DatedLine> &entries, const oCalendar &calendar, const QString &startDate,
                      const QList<MoonRecord> &moons)
{
    clear();
    for (const MoonRecord &moon : moons)
        m_moons.append(oMoon::fromRecord(moon));
    if (calendar.NumberOfMonths() == 0)
        return;
    m_startDate = startDate;
    m_year = m_startDate.section(u':', 0, 0);
    m_calendar = calendar;
    m_calendar.Init_4({}, m_startDate);

    for (oMoon &moon : m_moons) {
        moon.BuildPhaseTable(m_calendar);
        QHash<qint64, int> rows;
        for (const oPhase &phase : moon.Phases()) {
            const QStringList fields = phase.PhaseDate().split(u':');
            rows.insert(rowKey(fields.value(1).toInt(), fields.value(2).toInt()), phase.PhaseNumber());
        }
        m_phaseRows.append(rows);
    }

    // The year of an entry is not consulted: the pages show every entry by month and day, and
    // of two entries on one day the one placed last shows.
    QSet<QString> dates;
    for (const DatedLine &entry : entries) {
        if (!dates.contains(entry.date)) {
            dates.insert(entry.date);
            place(oAgendaEntry(entry.date, entry.text));
        }
    }
}

void AgendaBook::place(const oAgendaEntry &entry)
{
    const QStringList fields = entry.EntryDate().split(u':');
    if (fields.size() != 3)
        return;
    bool monthOk = false;
    bool dayOk = false;
    const int month = fields.at(1).toInt(&monthOk);
    const int day = fields.at(2).toInt(&dayOk);
    if (!monthOk || !dayOk || !rowExists(month, day))
        return;
    if (entry.Entry().isEmpty())
        m_rows.remove(rowKey(month, day));
    else
        m_rows.insert(rowKey(month, day), entry.Entry());
}

bool AgendaBook::ScrollYear(int index)
{
    bool ok = false;
    const int year = m_year.toInt(&ok);
    if (m_year.isEmpty() || !ok)
        return false;
    const int next = index == 1 ? year + 1 : year - 1;
    if (next < std::numeric_limits<qint16>::min() || next > std::numeric_limits<qint16>::max())
        return false;
    m_year = QString::number(next);
    return true;
}

bool AgendaBook::rowExists(int month, int day) const
{
    return day >= 1 && day <= RowCount(month);
}

QString AgendaBook::Text(int month, int day) const
{
    if (!rowExists(month, day))
        return QString();
    return m_rows.value(rowKey(month, day));
}

bool AgendaBook::SetText(int month, int day, const QString &text)
{
    if (!rowExists(month, day) || Text(month, day) == text)
        return false;
    if (text.isEmpty())
        m_rows.remove(rowKey(month, day));
    else
        m_rows.insert(rowKey(month, day), text);
    return true;
}

QList<oAgendaEntry> AgendaBook::Entries() const
{
    QList<oAgendaEntry> entries;
    entries.reserve(m_rows.size());
    for (auto row = m_rows.cbegin(); row != m_rows.cend(); ++row) {
        const QString date = m_year + u':' + QString::number(row.key() >> 16) + u':'
            + QString::number(row.key() & 0xffff);
        entries.append(oAgendaEntry(date, row.value()));
    }
    return entries;
}

QList<DatedLine> AgendaBook::GetEntries() const
{
    QList<DatedLine> lines;
    const QList<oAgendaEntry> entries = Entries();
    lines.reserve(entries.size());
    for (const oAgendaEntry &entry : entries)
        lines << DatedLine{entry.EntryDate(), entry.Entry()};
    return lines;
}

bool AgendaBook::IsThereEntries() const
{
    return !m_rows.isEmpty();
}

int AgendaBook::PhaseAt(int moon, int month, int day) const
{
    if (moon < 0 || moon >= m_phaseRows.size() || !rowExists(month, day))
        return 0;
    return m_phaseRows.at(moon).value(rowKey(month, day));
}

} // namespace Velmora
