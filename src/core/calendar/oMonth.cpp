#include "core/calendar/oMonth.h"

namespace Velmora {

bool oMonth::init(const QString &text)
{
    const qsizetype split = text.indexOf(u'_');
    m_name = text.left(split);
    m_days = 0;
    if (split < 0)
        return false;
    bool ok = false;
    const int days = text.mid(split + 1).toInt(&ok);
    if (!ok || days < 0 || days > MaxDays)
        return false;
    m_days = static_cast<qint16>(days);
    return true;
}

} // namespace Velmora
