#include "gui/options/PictureBox.h"

#include "core/options/PictureSize.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/Platform.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Velmora {

PictureBox::PictureBox(Platform &platform, const SoundCuePlayer &sounds, const QPixmap &builtIn, QWidget *parent)
    : QLabel(parent)
    , m_platform(platform)
    , m_sounds(sounds)
    , m_builtIn(builtIn)
{
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    setMinimumSize(32, 32); // still something to click when a picture is tiny
    setPixmap(m_builtIn);
}

QPixmap PictureBox::drawnPicture(const QSize &size, const QString &caption)
{
    // Drawn from the palette, so that it reads on a light and a dark desktop alike.
    QPixmap picture(size);
    const QPalette palette;
    picture.fill(palette.color(QPalette::Mid));
    QPainter painter(&picture);
    painter.setPen(QPen(palette.color(QPalette::Dark), 3));
    painter.drawRect(picture.rect().adjusted(1, 1, -2, -2));
    painter.setPen(palette.color(QPalette::BrightText));
    QFont font = painter.font();
    font.setBold(true);
    font.setPointSize(qMax(8, size.height() / 8));
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, caption);
    return picture;
}

void PictureBox::showFile(const QString &file)
{
    const QPixmap picture = file.isEmpty() ? QPixmap() : QPixmap(file);
    m_builtInShown = picture.isNull();
    setPixmap(m_builtInShown ? m_builtIn : picture);
}

void PictureBox::replace()
{
    m_sounds.play(SoundEvent::Click);
    FileDialogRequest request;
    request.title = tr("Replace Picture With New Selection");
    request.filter = tr("Bitmap Files (*.bmp)|*.bmp|GIF (*.gif)|*.gif|ICO (*.ico)|*.ico|JPEG (*.jpg)|*.jpg|"
                        "PNG (*.png)|*.png");
    request.fileMustExist = true;
    const FileDialogResult chosen = m_platform.openFile(request);
    if (!chosen.accepted())
        return;
    const QPixmap picture(chosen.path);
    // Unlike the program this replaces, a file that cannot be shown is reported, in one line:
    // otherwise the click seems to have done nothing. The picture and the table stay as they are.
    if (picture.isNull()) {
        m_platform.information(tr("Velmora"), tr("%1 could not be loaded as a picture.").arg(chosen.path));
        return;
    }
    m_builtInShown = false;
    setPixmap(picture);
    emit replaced(chosen.path);
}

void PictureBox::showSize() { m_platform.information(tr("Velmora"), PictureSize::message(width(), height())); }

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (!rect().contains(event->position().toPoint()))
        return QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        replace();
    else if (event->button() == Qt::RightButton)
        showSize();
    else
        QLabel::mouseReleaseEvent(event);
}

} // namespace Velmora
