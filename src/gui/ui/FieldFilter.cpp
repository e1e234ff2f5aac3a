#include "gui/ui/FieldFilter.h"

#include <QLineEdit>

namespace Velmora {

void FieldFilter::keepOnly(QLineEdit *field, std::function<bool(QChar)> accepts)
{
    QObject::connect(field, &QLineEdit::textEdited, field, [field, accepts](const QString &text) {
        QString kept;
        for (const QChar c : text) {
            if (accepts(c))
                kept += c;
        }
        if (kept == text)
            return;
        const int caret = field->cursorPosition() - int(text.size() - kept.size());
        field->setText(kept);
        field->setCursorPosition(qMax(0, caret));
    });
}

} // namespace Velmora
