#pragma once

#include <QString>

namespace Velmora {

/// One phase day of a moon: the date and the phase number, 1 (full moon) to 8 (one eighth of a
/// period before the next full moon); phase n falls (n - 1) eighths of a period after a full moon.
class oPhase
{
public:
    oPhase(QString date, int number)
        : m_date(std::move(date))
        , m_number(static_cast<qint16>(number))
    {
    }

    const QString &PhaseDate() const { return m_date; }
    int PhaseNumber() const { return m_number; }

    bool operator==(const oPhase &) const = default;

private:
    QString m_date;
    qint16 m_number;
};

} // namespace Velmora
