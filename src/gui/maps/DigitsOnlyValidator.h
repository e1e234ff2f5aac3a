#pragma once

#include <QValidator>

class QLineEdit;

namespace Velmora {

/// Lets into a number field only what FileNames::DigitsOnlyKey lets through, typed or pasted.
class DigitsOnlyValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override;
    /// Puts a validator on `field`, owned by it.
    static void apply(QLineEdit *field);
};

} // namespace Velmora
