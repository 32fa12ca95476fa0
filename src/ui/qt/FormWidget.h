#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace brelvon {

// The top-level widget of one window of the model: its client area. Closing
// it with the window's own close command is reported, not carried out: the
// model decides whether the window goes. Enter or Return that no control
// takes activates the default button, as in a dialog; in a window that closes
// on Escape, Escape is the close command.
class FormWidget final : public QWidget {
    Q_OBJECT
public:
    explicit FormWidget(QWidget* parent = nullptr);

    // Called when the user closes the window; the window stays until the
    // binding hides or deletes it.
    void OnCloseRequest(std::function<void()> handler) { closeRequest_ = std::move(handler); }
    void SetDefaultButton(QPushButton* button);
    [[nodiscard]] QPushButton* DefaultButton() const { return defaultButton_; }
    void SetClosesOnEscape(bool closes) { closesOnEscape_ = closes; }

signals:
    // After the first paint of the window; a program can stop there to
    // measure its start-up.
    void FirstPainted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> closeRequest_;
    QPointer<QPushButton> defaultButton_;
    bool painted_ = false;
    bool closesOnEscape_ = false;
};

}  // namespace brelvon
