#include "ui/qt/ModelFrame.h"

#include "ui/qt/WholePixels.h"

#include <QPainter>

namespace brelvon {

namespace {
constexpr int CaptionIndent = 6;   // pixels from the left edge to the caption's box
constexpr int CaptionPadding = 2;  // background left free around the caption
const QColor EdgeShadow(128, 128, 128);
const QColor EdgeLight(255, 255, 255);
}  // namespace

ModelFrame::ModelFrame(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ModelFrame::SetTitle(const QString& title)
{
    if (title == title_) return;
    title_ = title;
    update();
}

void ModelFrame::SetColors(const QColor& back, const QColor& fore)
{
    if (back == back_ && fore == fore_) return;
    back_ = back;
    fore_ = fore;
    update();
}

void ModelFrame::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int captionHeight = title_.isEmpty() ? 0 : metrics.height();
    const QRect caption(CaptionIndent, 0, metrics.horizontalAdvance(title_) + 2 * CaptionPadding, captionHeight);
    {
        WholePixels pixels(painter);
        pixels.Fill(rect(), back_);
        // The etched edge: a shadow line with a light line just inside and below it.
        const QRect edge = rect().adjusted(0, captionHeight / 2, -1, -1);
        pixels.Edges(edge, EdgeShadow);
        pixels.Edges(edge.translated(1, 1), EdgeLight);
        if (!title_.isEmpty()) pixels.Fill(caption, back_);
    }
    if (title_.isEmpty()) return;
    painter.setPen(fore_);
    painter.setFont(font());
    painter.drawText(caption, Qt::AlignCenter, title_);
}

}  // namespace brelvon
