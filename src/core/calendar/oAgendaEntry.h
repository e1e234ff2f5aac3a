#pragma once

#include <QString>

namespace Velmora {

/// One filled day of the agenda or the almanach: its date string and its text (never ";", may
/// hold line breaks).
class oAgendaEntry
{
public:
    oAgendaEntry() = default;
    oAgendaEntry(QString date, QString text)
        : m_date(std::move(date))
        , m_entry(std::move(text))
    {
    }

    const QString &EntryDate() const { return m_date; }
    const QString &Entry() const { return m_entry; }
    /// Both the date and the text are set.
    bool IsInitialized() const { return !m_date.isEmpty() && !m_entry.isEmpty(); }
    /// The year field of the date, as written.
    QString CurrentYear() const { return m_date.section(u':', 0, 0); }

    bool operator==(const oAgendaEntry &) const = default;

private:
    QString m_date;
    QString m_entry;
};

} // namespace Velmora
