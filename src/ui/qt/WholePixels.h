#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QTransform>

namespace brelvon {

// Paints rectangles and lines in whole pixels of the screen, for a widget
// drawn on a screen scaled by a fraction (QT_SCALE_FACTOR=1.5), where a
// rectangle of the widget's own coordinates may begin or end inside a screen
// pixel. A rectangle covers the screen pixels counted as Qt counts its
// widget's, and every line one pixel of the widget thick is as many screen
// pixels thick as every other: the scale rounded, at least one. At a whole scale it paints what plain
// fills would. The painter must be fresh from the start of a paint event (no
// transformation of its own); it is restored when this goes.
class WholePixels {
public:
    explicit WholePixels(QPainter& painter);
    WholePixels(const WholePixels&) = delete;
    WholePixels& operator=(const WholePixels&) = delete;
    ~WholePixels();

    // Fills a rectangle of the widget's coordinates.
    void Fill(const QRect& rect, const QColor& color);
    // A line of one pixel along the top, left, bottom or right edge of a rectangle.
    void Top(const QRect& rect, const QColor& color);
    void Left(const QRect& rect, const QColor& color);
    void Bottom(const QRect& rect, const QColor& color);
    void Right(const QRect& rect, const QColor& color);
    // All four edges of a rectangle.
    void Edges(const QRect& rect, const QColor& color);

private:
    // The screen pixels of a rectangle of the widget's coordinates.
    [[nodiscard]] QRect OnScreen(const QRect& rect) const;

    QPainter& painter_;
    QTransform toScreen_;
    int line_ = 1;  // screen pixels of a line one pixel thick
};

}  // namespace brelvon
