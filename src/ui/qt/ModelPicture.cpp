#include "ui/qt/ModelPicture.h"

#include <QPainter>

#include <utility>

namespace brelvon {

namespace {
constexpr int ImageSize = 32;
constexpr int Border = 2;
}  // namespace

ModelPicture::ModelPicture(QIcon image, QWidget* parent) : QWidget(parent), image_(std::move(image))
{
    setFocusPolicy(Qt::NoFocus);
}

void ModelPicture::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect box = rect();
    // A sunken edge: dark at the top and left, light at the bottom and right.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    image_.paint(&painter, QRect(Border, Border, ImageSize, ImageSize));
}

}  // namespace brelvon
