#pragma once

#include <QIconEngine>

namespace ParloxEd {

// The editor's own tool-button glyphs, drawn as vector shapes on a 16 x 16 grid and scaled to
// whatever size and pixel ratio the desktop asks for.
class GlyphIconEngine : public QIconEngine {
public:
    enum class Glyph { RedCross, YellowQuestionMark };

    explicit GlyphIconEngine(Glyph glyph) : m_glyph(glyph) {}

    static QIcon icon(Glyph glyph);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    Glyph m_glyph;
};

} // namespace ParloxEd
