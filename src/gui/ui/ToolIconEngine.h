#pragma once

#include <QIconEngine>

namespace Velmora {

/// The tool bars' icons, drawn at the size asked for. The style's stock icons are read from
/// several image files each as soon as they are made, which cost start-up more than the whole
/// campaign load; drawn ones cost nothing until they are painted, and stay sharp at any size.
class ToolIconEngine : public QIconEngine
{
public:
    enum class Glyph {
        Page,
        Folder,
        Disk,
        DiskWithPen,
        Help,
        Question,
        Font,
        Bold,
        Italic,
        Underline,
        Bullets,
        AlignLeft,
        AlignCentre,
        AlignRight,
    };

    explicit ToolIconEngine(Glyph glyph);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    Glyph m_glyph;
};

} // namespace Velmora
