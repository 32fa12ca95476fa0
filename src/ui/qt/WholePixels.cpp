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
    // Qt gives a widget the screen pixels from its place, scaled and rounded,
    // as many as its size, scaled and rounded; a place inside it is counted
    // the same way from there, so that its edges stay inside the widget.
    const double scale = toScreen_.m11();
    const int originX = qRound(toScreen_.dx());
    const int originY = qRound(toScreen_.dy());
    const int left = originX + qRound(rect.left() * scale);
    const int top = originY + qRound(rect.top() * scale);
    const int right = originX + qRound((rect.left() + rect.width()) * scale);
    const int bottom = originY + qRound((rect.top() + rect.height()) * scale);
    return {left, top, right - left, bottom - top};
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
