#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace brelvon {

// Copying from a cell cut to fit copies what the cell holds: the selection,
// with the characters its ellipsis stands for (WholeOfShownRange). So do
// Ctrl+C, the cell's menu and, where the system has one (X11), the selection
// that the middle button pastes. Made for a cell only once its text is cut; a
// cell whose text fits again keeps an empty whole and copies as usual.
class CutCellCopy final : public QObject {
public:
    // The copier of a cell, made on first use.
    static CutCellCopy& Of(QLineEdit& edit);
    // The copier of a cell; nullptr when it has none.
    static CutCellCopy* Find(const QLineEdit& edit);

    // The text the cell shows cut, or an empty one when it shows it whole.
    void SetWhole(QString whole) { whole_ = std::move(whole); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CutCellCopy(QLineEdit& edit);

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
