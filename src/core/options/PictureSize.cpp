#include "core/options/PictureSize.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace Velmora {

QString PictureSize::message(int width, int height)
{
    // A picture without height has no proportions; it says 0 rather than dividing by zero.
    const double ratio = height > 0 ? double(width) / height : 0.0;
    return u"Picture dimensions in pixels (W * H) are "_s + QString::number(width) + u" * "_s + QString::number(height)
        + u"\r\n"_s + u"Proportions (W/H) are "_s + ratioText(ratio);
}

QString PictureSize::ratioText(double ratio)
{
    const qint64 hundredths = std::llround(std::fabs(ratio) * 100);
    const QString whole = hundredths >= 100 ? QString::number(hundredths / 100) : QString();
    QString fraction = u"%1"_s.arg(int(hundredths % 100), 2, 10, QChar(u'0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    return (ratio < 0 && hundredths > 0 ? u"-"_s : QString()) + whole + u'.' + fraction;
}

} // namespace Velmora
