#include "ui/qt/ModelLine.h"

#include "ui/qt/WholePixels.h"

#include <QPainter>

namespace brelvon {

ModelLine::ModelLine(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ModelLine::SetEnds(QPoint from, QPoint to)
{
    if (from == from_ && to == to_) return;
    from_ = from;
    to_ = to;
    update();
}

void ModelLine::SetColor(const QColor& color)
{
    if (color == color_) return;
    color_ = color;
    update();
}

void ModelLine::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    if (from_.x() == to_.x() || from_.y() == to_.y()) {
        // Upright and level lines fill whole pixels, as thick as every other line, on screens of any scale.
        WholePixels pixels(painter);
        if (from_.x() == to_.x()) {
            pixels.Left(QRect(from_, to_).normalized(), color_);
        } else {
            pixels.Top(QRect(from_, to_).normalized(), color_);
        }
        return;
    }
    painter.setPen(QPen(color_, 1));
    painter.drawLine(from_, to_);
}

}  // namespace brelvon
