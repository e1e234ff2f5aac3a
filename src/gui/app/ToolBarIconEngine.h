#pragma once

#include <QIconEngine>

namespace Velmora {

/// The main tool bar's icons, drawn at the size asked for. The style's stock icons are read from
/// several image files each as soon as they are made, which cost start-up more than the whole
/// campaign load; drawn ones cost nothing until they are painted, and stay sharp at any size.
class ToolBarIconEngine : public QIconEngine
{
public:
    enum class Glyph { Page, Folder, Disk, DiskWithPen, Help, Question };

    explicit ToolBarIconEngine(Glyph glyph);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    Glyph m_glyph;
};

} // namespace Velmora
