#include "ui/qt/WindowStyle.h"

#include "ui/qt/WholePixels.h"

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
void DrawEdge(WholePixels& pixels, const QRect& box, const QColor& topLeft, const QColor& bottomRight)
{
    pixels.Top(box, topLeft);
    pixels.Left(box, topLeft);
    pixels.Bottom(box, bottomRight);
    pixels.Right(box, bottomRight);
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

QPalette WindowStyle::standardPalette() const
{
    // Fusion's light colours, with text boxes and indicators white and every text black.
    QPalette palette = baseStyle()->standardPalette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
    }
    return palette;
}

void WindowStyle::polish(QPalette& palette) { palette = standardPalette(); }

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element != PE_PanelLineEdit) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect box = option->rect;
    WholePixels pixels(*painter);
    pixels.Fill(box, option->palette.color(QPalette::Base));
    DrawEdge(pixels, box, EdgeShadow, EdgeLight);
    DrawEdge(pixels, box.adjusted(1, 1, -1, -1), EdgeDarkShadow, EdgeFace);
}

}  // namespace brelvon
