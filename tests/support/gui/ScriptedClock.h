#pragma once

#include "core/common/Clock.h"

namespace Velmora {

/// A clock that shows what the test sets.
class ScriptedClock final : public Clock
{
public:
    QDateTime now() const override { return time; }
    quint32 timerTicks() const override { return ticks; }

    QDateTime time = QDateTime(QDate(2007, 1, 1), QTime(12, 0));
    quint32 ticks = 4242;
};

} // namespace Velmora
