#include "ui/qt/ModelFrame.h"

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
    painter.fillRect(rect(), back_);
    const QFontMetrics metrics(font());
    const int captionHeight = title_.isEmpty() ? 0 : metrics.height();
    // The etched edge: a shadow line with a light line just inside and below it.
    const QRect edge = rect().adjusted(0, captionHeight / 2, -2, -2);
    painter.setPen(EdgeShadow);
    painter.drawRect(edge);
    painter.setPen(EdgeLight);
    painter.drawRect(edge.translated(1, 1));
    if (title_.isEmpty()) return;
    const QRect caption(CaptionIndent, 0, metrics.horizontalAdvance(title_) + 2 * CaptionPadding, captionHeight);
    painter.fillRect(caption, back_);
    painter.setPen(fore_);
    painter.setFont(font());
    painter.drawText(caption, Qt::AlignCenter, title_);
}

}  // namespace brelvon
