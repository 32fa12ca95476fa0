#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace brelvon {

// A label as the window model describes it: text in its font, colour and
// alignment, wrapped at word boundaries and cut at the label's edges; a filled
// background when opaque, none when transparent (what lies under it shows
// through); an optional single-line border. A press and release of the left
// button inside it is a click.
class ModelLabel final : public QWidget {
    Q_OBJECT
public:
    explicit ModelLabel(QWidget* parent);

    void SetText(const QString& text);
    void SetAlignment(Qt::Alignment alignment);
    void SetColors(const QColor& back, const QColor& fore);
    void SetOpaque(bool opaque);
    void SetBordered(bool bordered);

    [[nodiscard]] const QString& Text() const { return text_; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    QColor back_ = Qt::white;
    QColor fore_ = Qt::black;
    bool opaque_ = true;
    bool bordered_ = false;
    bool pressed_ = false;
};

}  // namespace brelvon
