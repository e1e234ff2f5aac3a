#include "gui/ui/ToolIconEngine.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The glyphs are drawn on a 16 × 16 grid and scaled to the icon's rectangle.
void drawPage(QPainter &p)
{
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 15);
    page.lineTo(3, 15);
    page.closeSubpath();
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(10, 1), QPointF(10, 4), QPointF(13, 4)}));
}

void drawFolder(QPainter &p)
{
    p.drawPolygon(QPolygonF({QPointF(1, 3), QPointF(6, 3), QPointF(7.5, 5), QPointF(15, 5), QPointF(15, 14), QPointF(1, 14)}));
    p.drawLine(QPointF(1, 7), QPointF(15, 7));
}

void drawDisk(QPainter &p)
{
    p.drawPolygon(QPolygonF({QPointF(1.5, 1.5), QPointF(12, 1.5), QPointF(14.5, 4), QPointF(14.5, 14.5), QPointF(1.5, 14.5)}));
    p.drawRect(QRectF(4.5, 1.5, 6, 4));
    p.drawRect(QRectF(3.5, 9, 9, 5.5));
}

void drawPen(QPainter &p)
{
    p.save();
    p.setBrush(QColor(0xc8, 0x8a, 0x2c));
    p.drawPolygon(QPolygonF({QPointF(8, 15), QPointF(9, 12), QPointF(15, 6), QPointF(16, 7), QPointF(10, 13)}));
    p.restore();
}

void drawInCircle(QPainter &p, const QString &text)
{
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, text);
}

// A letter in the font style that the button sets.
void drawLetter(QPainter &p, const QString &letter, ToolIconEngine::Glyph glyph)
{
    QFont font(u"Serif"_s);
    font.setPixelSize(14);
    font.setBold(glyph == ToolIconEngine::Glyph::Bold || glyph == ToolIconEngine::Glyph::Font);
    font.setItalic(glyph == ToolIconEngine::Glyph::Italic);
    font.setUnderline(glyph == ToolIconEngine::Glyph::Underline);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, letter);
}

// Four lines of text, each `Qt::Alignment`ed within the icon; bullets put a dot before each.
void drawLines(QPainter &p, Qt::Alignment alignment, bool bullets)
{
    const qreal widths[] = {12, 8, 12, 6};
    for (int line = 0; line < 4; ++line) {
        const qreal y = 3 + line * 3.5;
        const qreal width = bullets ? 9 : widths[line];
        qreal left = 2;
        if (alignment & Qt::AlignHCenter)
            left = 8 - width / 2;
        else if (alignment & Qt::AlignRight)
            left = 14 - width;
        if (bullets) {
            left = 5;
            p.drawEllipse(QPointF(2.5, y), 1, 1);
        }
        p.drawLine(QPointF(left, y), QPointF(left + width, y));
    }
}

} // namespace

ToolIconEngine::ToolIconEngine(Glyph glyph)
    : m_glyph(glyph)
{
}

void ToolIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 16.0, rect.height() / 16.0);
    const bool enabled = mode != QIcon::Disabled;
    painter->setPen(QPen(enabled ? QColor(0x3a, 0x2a, 0x1a) : QColor(0x9a, 0x9a, 0x9a), 1.0));
    painter->setBrush(enabled ? QColor(0xf2, 0xe6, 0xc9) : QColor(0xe4, 0xe4, 0xe4));
    switch (m_glyph) {
    case Glyph::Page:
        drawPage(*painter);
        break;
    case Glyph::Folder:
        painter->setBrush(enabled ? QColor(0xe8, 0xc0, 0x6a) : QColor(0xe4, 0xe4, 0xe4));
        drawFolder(*painter);
        break;
    case Glyph::Disk:
    case Glyph::DiskWithPen:
        painter->setBrush(enabled ? QColor(0x8f, 0xa8, 0xc8) : QColor(0xe4, 0xe4, 0xe4));
        drawDisk(*painter);
        if (m_glyph == Glyph::DiskWithPen && enabled)
            drawPen(*painter);
        break;
    case Glyph::Help:
        drawInCircle(*painter, u"?"_s);
        break;
    case Glyph::Question:
        painter->setBrush(enabled ? QColor(0xc9, 0xb8, 0xe8) : QColor(0xe4, 0xe4, 0xe4));
        drawInCircle(*painter, u"!"_s);
        break;
    case Glyph::Font:
        drawLetter(*painter, u"F"_s, m_glyph);
        break;
    case Glyph::Bold:
        drawLetter(*painter, u"B"_s, m_glyph);
        break;
    case Glyph::Italic:
        drawLetter(*painter, u"I"_s, m_glyph);
        break;
    case Glyph::Underline:
        drawLetter(*painter, u"U"_s, m_glyph);
        break;
    case Glyph::Bullets:
        drawLines(*painter, Qt::AlignLeft, true);
        break;
    case Glyph::AlignLeft:
        drawLines(*painter, Qt::AlignLeft, false);
        break;
    case Glyph::AlignCentre:
        drawLines(*painter, Qt::AlignHCenter, false);
        break;
    case Glyph::AlignRight:
        drawLines(*painter, Qt::AlignRight, false);
        break;
    }
    painter->restore();
}

QIconEngine *ToolIconEngine::clone() const
{
    return new ToolIconEngine(m_glyph);
}

QString ToolIconEngine::key() const
{
    return u"VelmoraToolIcon"_s;
}

} // namespace Velmora
