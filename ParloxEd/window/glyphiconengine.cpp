#include "glyphiconengine.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace ParloxEd {
namespace {

void drawRedCross(QPainter &p)
{
    // A dark outline under the red strokes keeps the cross visible on light and dark bars.
    p.setPen(QPen(QColor(0x80, 0x10, 0x10), 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    p.setPen(QPen(QColor(0xe0, 0x20, 0x20), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void drawYellowQuestionMark(QPainter &p)
{
    QPainterPath hook;
    hook.moveTo(4.6, 5.6);
    hook.cubicTo(4.6, 1.6, 11.4, 1.6, 11.4, 5.4);
    hook.cubicTo(11.4, 8.0, 8.0, 7.8, 8.0, 10.6);
    const auto stroke = [&p, &hook](const QColor &colour, qreal width) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(hook);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(8.0, 13.7), width / 2 + 0.2, width / 2 + 0.2);
    };
    stroke(QColor(0x70, 0x58, 0x00), 3.8);
    stroke(QColor(0xff, 0xd4, 0x00), 2.2);
}

} // namespace

QIcon GlyphIconEngine::icon(Glyph glyph)
{
    return QIcon(new GlyphIconEngine(glyph));
}

void GlyphIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                            QIcon::State state)
{
    static_cast<void>(state);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const int side = std::min(rect.width(), rect.height());
    painter->translate(rect.x() + (rect.width() - side) / 2.0,
                       rect.y() + (rect.height() - side) / 2.0);
    painter->scale(side / 16.0, side / 16.0);
    if (mode == QIcon::Disabled)
        painter->setOpacity(0.4);
    if (m_glyph == Glyph::RedCross)
        drawRedCross(*painter);
    else
        drawYellowQuestionMark(*painter);
    painter->restore();
}

QPixmap GlyphIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(), size), mode, state);
    return pixmap;
}

QPixmap GlyphIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                                      qreal scale)
{
    QPixmap sharp = pixmap(size * scale, mode, state);
    sharp.setDevicePixelRatio(scale);
    return sharp;
}

QIconEngine *GlyphIconEngine::clone() const
{
    return new GlyphIconEngine(m_glyph);
}

QString GlyphIconEngine::key() const
{
    return QStringLiteral("ParloxEd::GlyphIconEngine");
}

} // namespace ParloxEd
