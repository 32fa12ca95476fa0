#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace brelvon {

// Copying from a read-only cell copies what the cell holds (CopiedCell): the
// selection, with the characters an ellipsis stands for in a cell cut to
// fit, or the whole cell when nothing is selected; without the blanks that
// pad it. So do Ctrl+C and the cell's menu, and so does the selection that
// the middle button pastes, where the system has one (X11).
class CellCopy final : public QObject {
public:
    // The copier of a cell, made on first use.
    static CellCopy& Of(QLineEdit& edit);

    // The cell's whole text, which it may show cut with an ellipsis or in a larger unit.
    void SetWhole(QString whole) { whole_ = std::move(whole); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CellCopy(QLineEdit& edit);

    // The standard menu's Copy, known by its text as QLineEdit words it (the
    // shortcut, when shown, follows a tab); Qt names none of its actions.
    static QAction* CopyActionOf(const QMenu& menu);
    // Qt puts the selected text in the system's selection when the mouse is
    // released, and when a key changes the selection; once it has, the
    // selection takes what the cell holds instead.
    void AfterSelecting(bool mouse);
    void Copy(QClipboard::Mode mode = QClipboard::Clipboard) const;

    QLineEdit& edit_;
    QString whole_;
};

}  // namespace brelvon
