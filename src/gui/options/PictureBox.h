#pragma once

#include <QLabel>
#include <QPixmap>

namespace Velmora {

class Platform;
class SoundCuePlayer;

/// A replaceable picture: a left click chooses another file for it, a right click tells its size.
/// It shows the file it is given when that loads as a picture, else the picture it was built
/// with. Its owner decides what a replacement means for the campaign (replaced()).
class PictureBox : public QLabel
{
    Q_OBJECT

public:
    PictureBox(Platform &platform, const SoundCuePlayer &sounds, const QPixmap &builtIn, QWidget *parent = nullptr);

    /// A drawn picture for a window whose shipped picture is missing.
    static QPixmap drawnPicture(const QSize &size, const QString &caption);

    /// Shows `file`; "" or a file that is no picture shows the built-in picture.
    void showFile(const QString &file);
    bool showsBuiltIn() const { return m_builtInShown; }

    /// The left click: the open dialog, then the chosen picture; cancelling changes nothing.
    void replace();
    /// The right click: the picture's size in pixels and its proportions.
    void showSize();

signals:
    /// The user chose `file`, and it is shown now.
    void replaced(const QString &file);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Platform &m_platform;
    const SoundCuePlayer &m_sounds;
    QPixmap m_builtIn;
    bool m_builtInShown = true;
};

} // namespace Velmora
