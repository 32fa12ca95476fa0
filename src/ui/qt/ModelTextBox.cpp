#include "ui/qt/ModelTextBox.h"

#include <QPainter>

namespace brelvon {

ModelTextBox::ModelTextBox(QWidget* parent) : QLineEdit(parent) {}

void ModelTextBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!isReadOnly() || !hasFocus() || hasSelectedText()) return;
    const QRect caret = cursorRect();
    QPainter painter(this);
    painter.fillRect(QRect(caret.center().x(), caret.top(), 1, caret.height()), palette().color(QPalette::Text));
}

}  // namespace brelvon
