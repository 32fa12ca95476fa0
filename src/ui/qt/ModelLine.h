#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace brelvon {

// A line of the window model, one pixel wide, drawn between two end points
// given in the widget's own coordinates (both ends drawn). The widget covers
// the line's bounding box and lets clicks through to what lies under it.
class ModelLine final : public QWidget {
    Q_OBJECT
public:
    explicit ModelLine(QWidget* parent);

    void SetEnds(QPoint from, QPoint to);
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    QColor color_ = Qt::black;
};

}  // namespace brelvon
