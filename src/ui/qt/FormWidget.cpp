#include "ui/qt/FormWidget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

namespace brelvon {

FormWidget::FormWidget(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void FormWidget::SetDefaultButton(QPushButton* button)
{
    if (defaultButton_) defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (defaultButton_) defaultButton_->setDefault(true);
}

void FormWidget::closeEvent(QCloseEvent* event)
{
    if (!closeRequest_) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    closeRequest_();
}

void FormWidget::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && defaultButton_ &&
        defaultButton_->isEnabled()) {
        defaultButton_->click();
        event->accept();
        return;
    }
    if (closesOnEscape_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    // Reported once the paint has reached the screen: after this event.
    QTimer::singleShot(0, this, &FormWidget::FirstPainted);
}

}  // namespace brelvon
