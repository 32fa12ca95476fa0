#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace brelvon {

// A frame of the window model: an etched rectangle filled with the frame's
// background, its caption set into the top edge near the left. Without a
// caption the edge runs along the top of the widget. The controls it holds
// are its child widgets, placed relative to its top-left corner.
class ModelFrame final : public QWidget {
    Q_OBJECT
public:
    explicit ModelFrame(QWidget* parent);

    void SetTitle(const QString& title);
    void SetColors(const QColor& back, const QColor& fore);

    [[nodiscard]] const QString& Title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    QColor back_ = Qt::lightGray;
    QColor fore_ = Qt::black;
};

}  // namespace brelvon
