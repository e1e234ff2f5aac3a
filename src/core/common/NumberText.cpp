#include "core/common/NumberText.h"

#include <charconv>
#include <cmath>
#include <optional>
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

namespace {

// "-12.5": at most seven digits, so that the digits and the power of ten are exact floats and
// their quotient is the correctly rounded value that the general reader gives too. Maps hold
// thousands of such coordinates; anything else goes to the general reader.
std::optional<float> shortDecimal(QStringView text)
{
    static constexpr float Powers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f};
    const bool negative = text.startsWith(u'-');
    qsizetype i = negative ? 1 : 0;
    qint32 digits = 0;
    int count = 0;
    int decimals = -1; // no point yet
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.' && decimals < 0 && count > 0) {
            decimals = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || ++count > 7)
            return std::nullopt;
        digits = digits * 10 + (c - u'0');
        if (decimals >= 0)
            ++decimals;
    }
    if (count == 0 || decimals == 0)
        return std::nullopt; // "", "-", "12."
    const float value = float(digits) / Powers[decimals < 0 ? 0 : decimals];
    return negative ? -value : value;
}

} // namespace

float NumberText::toSingle(QStringView text, bool *ok)
{
    const QStringView trimmed = text.trimmed();
    if (const std::optional<float> value = shortDecimal(trimmed)) {
        if (ok)
            *ok = true;
        return *value;
    }
    return trimmed.toFloat(ok);
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
