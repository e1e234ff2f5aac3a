#include "core/common/Clock.h"

namespace Velmora {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

quint32 SystemClock::timerTicks() const
{
    return static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace Velmora
