#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace brelvon {

// A label as the window model describes it: text in its font, colour and
// alignment, wrapped at word boundaries (a single word too wide is drawn
// smaller, see FittingPointSize) and cut at the label's edges; a filled
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
    // Pixels that a single word of the text must fit in, when narrower than
    // the label: labels that repeat one text over each other (a title and its
    // highlight) then show it at one size. 0 for the label's own width.
    void SetFitWidth(int pixels);
    // The font the text is drawn in: the widget's, or a smaller size of it
    // where a single word would not fit.
    [[nodiscard]] QFont DisplayFont() const;

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
    int fitWidth_ = 0;
};

}  // namespace brelvon
