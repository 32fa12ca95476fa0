#include "ui/qt/WindowStyle.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace brelvon {

namespace {
constexpr int IndicatorSize = 13;
constexpr int LabelSpacing = 4;
const QColor EdgeShadow(128, 128, 128);
const QColor EdgeDarkShadow(64, 64, 64);
const QColor EdgeLight(255, 255, 255);
const QColor EdgeFace(212, 208, 200);

// Two lines along the top and left in one colour and along the bottom and right in another.
void DrawEdge(QPainter& painter, const QRect& box, const QColor& topLeft, const QColor& bottomRight)
{
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), topLeft);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), topLeft);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), bottomRight);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), bottomRight);
}
}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight: return IndicatorSize;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing: return LabelSpacing;
    case PM_DefaultFrameWidth:
        return qobject_cast<const QLineEdit*>(widget) != nullptr ? 2 : QProxyStyle::pixelMetric(metric, option, widget);
    default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element != PE_PanelLineEdit) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect box = option->rect;
    painter->fillRect(box, option->palette.brush(QPalette::Base));
    DrawEdge(*painter, box, EdgeShadow, EdgeLight);
    DrawEdge(*painter, box.adjusted(1, 1, -1, -1), EdgeDarkShadow, EdgeFace);
}

}  // namespace brelvon
