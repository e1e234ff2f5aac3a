#pragma once

#include <functional>

class QChar;
class QLineEdit;

namespace Velmora {

/// Keeps out of a text field the characters its record cannot hold, whether typed or pasted;
/// the caret stays where the user left it.
struct FieldFilter
{
    static void keepOnly(QLineEdit *field, std::function<bool(QChar)> accepts);
};

} // namespace Velmora
