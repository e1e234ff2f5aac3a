#pragma once

#include <QDateTime>

namespace Velmora {

/// The wall clock, behind an interface so tests can fix the time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    /// Milliseconds since some fixed point; what seeds the random generator.
    virtual quint32 timerTicks() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    quint32 timerTicks() const override;
};

} // namespace Velmora
