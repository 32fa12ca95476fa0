#pragma once

#include <QLineEdit>

namespace brelvon {

// A text box of the window model. A read-only one (a table cell) shows its
// caret, steady, where a click or the arrow keys put it while it has the
// keyboard focus and nothing is selected, as an editable one does: Qt draws
// none in a read-only line edit.
class ModelTextBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit ModelTextBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace brelvon
