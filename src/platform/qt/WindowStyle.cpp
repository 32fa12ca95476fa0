#include "platform/qt/WindowStyle.h"

#include <QStyleFactory>

namespace brelvon {

namespace {
constexpr int IndicatorSize = 13;
constexpr int LabelSpacing = 4;
}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return IndicatorSize;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return LabelSpacing;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

}  // namespace brelvon
