#pragma once

#include <QIcon>
#include <QWidget>

namespace brelvon {

// A picture box: a sunken box showing one image at its top-left corner, at
// the image's own 32 × 32 size.
class ModelPicture final : public QWidget {
    Q_OBJECT
public:
    ModelPicture(QIcon image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon image_;
};

}  // namespace brelvon
