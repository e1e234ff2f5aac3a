#include "gui/maps/DigitsOnlyValidator.h"

#include "core/common/FileNames.h"

#include <QLineEdit>

namespace Velmora {

QValidator::State DigitsOnlyValidator::validate(QString &input, int &) const
{
    for (const QChar c : input) {
        // Backspace and Enter pass the key filter but are edits, never characters of the field.
        if (!c.isPrint() || FileNames::DigitsOnlyKey(c.unicode()) == 0)
            return Invalid;
    }
    return Acceptable;
}

void DigitsOnlyValidator::apply(QLineEdit *field) { field->setValidator(new DigitsOnlyValidator(field)); }

} // namespace Velmora
