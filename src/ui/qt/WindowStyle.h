#pragma once

#include <QProxyStyle>

namespace brelvon {

// Fusion with the tighter metrics of the window's fixed layout: check box and
// option button indicators of 13 pixels with 4 pixels before their text, so
// that captions fit the places the window gives them; and text boxes with a
// plain sunken edge of two pixels, quick to paint in a table of many cells.
// Its colours are its own light ones whatever the desktop's theme: a dark
// theme would otherwise draw an unticked box black and every option as if
// selected.
class WindowStyle final : public QProxyStyle {
    Q_OBJECT
public:
    WindowStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    [[nodiscard]] QPalette standardPalette() const override;
    // The application's palette is the style's own, wherever it came from.
    void polish(QPalette& palette) override;
    using QProxyStyle::polish;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace brelvon
