#pragma once

// Field helpers shared by the three marker records (not part of the public interface).

#include "core/common/ItemFields.h"
#include "core/common/NumberText.h"

#include <QString>

#include <cmath>
#include <optional>

namespace Velmora {

/// A marker position as stored: a decimal number, or "" for 0 (the dialogs turn an emptied field
/// into 0). std::nullopt for anything else.
inline std::optional<float> markerPosition(QStringView text)
{
    if (text.isEmpty())
        return 0.0f;
    bool ok = false;
    const float value = NumberText::toSingle(text, &ok);
    return ok && std::isfinite(value) ? std::optional<float>(value) : std::nullopt;
}

/// A position in its shortest decimal form: 12, 12.5, -3.
inline QString markerPositionText(float value)
{
    return NumberText::single(value);
}

} // namespace Velmora
