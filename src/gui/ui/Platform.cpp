#include "gui/ui/Platform.h"

namespace Velmora {

void Platform::information(const QString &title, const QString &text)
{
    message(title, text, MessageButtons::Ok, MessageIcon::Information);
}

void Platform::exclamation(const QString &title, const QString &text)
{
    message(title, text, MessageButtons::Ok, MessageIcon::Exclamation);
}

bool Platform::question(const QString &title, const QString &text)
{
    return message(title, text, MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
}

MessageAnswer Platform::defaultAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::AbortRetryIgnore:
        return MessageAnswer::Abort;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
    case MessageButtons::RetryCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

} // namespace Velmora
