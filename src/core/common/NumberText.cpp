#include "core/common/NumberText.h"

#include <cmath>
#include <cstdio>

namespace Velmora {

QString NumberText::single(float value)
{
    if (value == 0.0f || !std::isfinite(value))
        return QStringLiteral("0");
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    QString text = QString::fromLatin1(buffer);
    const qsizetype exponent = text.indexOf(u'e');
    if (exponent < 0 && text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text;
}

float NumberText::toSingle(QStringView text, bool *ok)
{
    return text.trimmed().toFloat(ok);
}

int NumberText::leadingInt16(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == u'-' || t.at(i) == u'+'))
        ++i;
    while (i < t.size() && t.at(i).isDigit())
        ++i;
    bool ok = false;
    const int value = t.left(i).toInt(&ok);
    return ok && value >= -32768 && value <= 32767 ? value : 0;
}

} // namespace Velmora
