#include "ui/qt/WholePixels.h"

#include <algorithm>
#include <cmath>

namespace brelvon {

WholePixels::WholePixels(QPainter& painter) : painter_(painter), toScreen_(painter.deviceTransform())
{
    line_ = std::max(1, static_cast<int>(std::lround(toScreen_.m11())));
    painter_.save();
    // From here on the painter's coordinates are the screen's pixels.
    painter_.setWorldTransform(toScreen_.inverted());
}

WholePixels::~WholePixels() { painter_.restore(); }

QRect WholePixels::OnScreen(const QRect& rect) const
{
    const QPointF from = toScreen_.map(QPointF(rect.left(), rect.top()));
    const QPointF to = toScreen_.map(QPointF(rect.left() + rect.width(), rect.top() + rect.height()));
    const int left = static_cast<int>(std::lround(from.x()));
    const int top = static_cast<int>(std::lround(from.y()));
    return {left, top, static_cast<int>(std::lround(to.x())) - left, static_cast<int>(std::lround(to.y())) - top};
}

void WholePixels::Fill(const QRect& rect, const QColor& color) { painter_.fillRect(OnScreen(rect), color); }

void WholePixels::Top(const QRect& rect, const QColor& color)
{
    const QRect screen = OnScreen(rect);
    painter_.fillRect(QRect(screen.left(), screen.top(), screen.width(), line_), color);
}

void WholePixels::Left(const QRect& rect, const QColor& color)
{
    const QRect screen = OnScreen(rect);
    painter_.fillRect(QRect(screen.left(), screen.top(), line_, screen.height()), color);
}

void WholePixels::Bottom(const QRect& rect, const QColor& color)
{
    const QRect screen = OnScreen(rect);
    painter_.fillRect(QRect(screen.left(), screen.top() + screen.height() - line_, screen.width(), line_), color);
}

void WholePixels::Right(const QRect& rect, const QColor& color)
{
    const QRect screen = OnScreen(rect);
    painter_.fillRect(QRect(screen.left() + screen.width() - line_, screen.top(), line_, screen.height()), color);
}

void WholePixels::Edges(const QRect& rect, const QColor& color)
{
    Top(rect, color);
    Left(rect, color);
    Bottom(rect, color);
    Right(rect, color);
}

}  // namespace brelvon
