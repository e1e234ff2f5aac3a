#include "core/common/NumberText.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace Velmora {

QString NumberText::single(float value)
{
    if (value == 0.0f || !std::isfinite(value))
        return QStringLiteral("0");
    // "%.7g" exactly (to_chars with a precision is printf's conversion), without printf's cost:
    // a long campaign writes thousands of positions.
    char buffer[32];
    const char *const end =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::general, 7).ptr;
    std::string_view text(buffer, size_t(end - buffer));
    if (text.find('e') == std::string_view::npos && text.find('.') != std::string_view::npos) {
        while (text.ends_with('0'))
            text.remove_suffix(1);
        if (text.ends_with('.'))
            text.remove_suffix(1);
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
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
