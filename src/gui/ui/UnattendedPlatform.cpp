#include "gui/ui/UnattendedPlatform.h"

#include <QDialog>

namespace Velmora {

UnattendedPlatform::UnattendedPlatform(Platform &inner)
    : m_inner(inner)
{
}

MessageAnswer UnattendedPlatform::message(const QString &, const QString &, MessageButtons buttons, MessageIcon)
{
    return defaultAnswer(buttons);
}

FileDialogResult UnattendedPlatform::openFile(const FileDialogRequest &)
{
    return {};
}

FileDialogResult UnattendedPlatform::saveFile(const FileDialogRequest &)
{
    return {};
}

std::optional<QColor> UnattendedPlatform::chooseColour(const QColor &, const QString &)
{
    return std::nullopt;
}

std::optional<QFont> UnattendedPlatform::chooseFont(const QFont &, const QString &)
{
    return std::nullopt;
}

bool UnattendedPlatform::choosePrinter(QPrinter &, const QString &)
{
    return false;
}

int UnattendedPlatform::execDialog(QDialog &)
{
    return QDialog::Rejected;
}

void UnattendedPlatform::playSound(const QString &)
{
}

bool UnattendedPlatform::shellOpen(const QString &)
{
    return false;
}

bool UnattendedPlatform::startProgram(const QString &, const QString &)
{
    return false;
}

void UnattendedPlatform::showHelp(const QString &)
{
}

QString UnattendedPlatform::userName()
{
    return m_inner.userName();
}

QSize UnattendedPlatform::screenSize()
{
    return m_inner.screenSize();
}

Clock &UnattendedPlatform::clock()
{
    return m_inner.clock();
}

RandomSource &UnattendedPlatform::random()
{
    return m_inner.random();
}

} // namespace Velmora
