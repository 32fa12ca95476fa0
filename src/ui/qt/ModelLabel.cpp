#include "ui/qt/ModelLabel.h"

#include "ui/qt/WholePixels.h"
#include "ui/shared/TextFit.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace brelvon {

ModelLabel::ModelLabel(QWidget* parent) : QWidget(parent)
{
    // The widget paints every pixel it owns itself (or none, when transparent).
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::NoFocus);
}

void ModelLabel::SetText(const QString& text)
{
    if (text == text_) return;
    text_ = text;
    update();
}

void ModelLabel::SetAlignment(Qt::Alignment alignment)
{
    if (alignment == alignment_) return;
    alignment_ = alignment;
    update();
}

void ModelLabel::SetColors(const QColor& back, const QColor& fore)
{
    if (back == back_ && fore == fore_) return;
    back_ = back;
    fore_ = fore;
    update();
}

void ModelLabel::SetOpaque(bool opaque)
{
    if (opaque == opaque_) return;
    opaque_ = opaque;
    update();
}

void ModelLabel::SetFitWidth(int pixels)
{
    if (pixels == fitWidth_) return;
    fitWidth_ = pixels;
    update();
}

void ModelLabel::SetBordered(bool bordered)
{
    if (bordered == bordered_) return;
    bordered_ = bordered;
    update();
}

void ModelLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QRect inside = rect();
    {
        WholePixels pixels(painter);
        if (opaque_) pixels.Fill(inside, back_);
        if (bordered_ && width() > 0 && height() > 0) {
            pixels.Edges(inside, Qt::black);
            inside = inside.adjusted(1, 1, -1, -1);
        }
    }
    if (text_.isEmpty()) return;
    painter.setPen(fore_);
    painter.setFont(DisplayFont());
    painter.drawText(inside, static_cast<int>(alignment_ | Qt::AlignTop) | Qt::TextWordWrap, text_);
}

QFont ModelLabel::DisplayFont() const
{
    const int border = bordered_ ? 2 : 0;
    const int width = (fitWidth_ > 0 ? std::min(fitWidth_, this->width()) : this->width()) - border;
    const QStringList words = text_.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QFont fitting = font();
    const double size = FittingPointSize(fitting.pointSizeF(), width, [&words, &fitting](double pointSize) {
        QFont font = fitting;
        font.setPointSizeF(pointSize);
        const QFontMetricsF metrics(font);
        qreal most = 0;
        for (const QString& word : words) most = std::max(most, metrics.horizontalAdvance(word));
        return most;
    });
    if (size != fitting.pointSizeF()) fitting.setPointSizeF(size);
    return fitting;
}

void ModelLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ModelLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit Clicked();
}

}  // namespace brelvon
