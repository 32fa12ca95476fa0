#include "ui/qt/CellCopy.h"

#include "ui/shared/Ellipsis.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <memory>
#include <string>
#include <utility>

namespace brelvon {

CellCopy& CellCopy::Of(QLineEdit& edit)
{
    for (QObject* child : edit.children()) {
        if (auto* copy = dynamic_cast<CellCopy*>(child)) return *copy;
    }
    return *new CellCopy(edit);
}

CellCopy::CellCopy(QLineEdit& edit) : QObject(&edit), edit_(edit) { edit.installEventFilter(this); }

bool CellCopy::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            if (event->type() == QEvent::KeyPress) Copy();
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) AfterSelecting(false);
        break;
    case QEvent::MouseButtonRelease: AfterSelecting(true); break;
    case QEvent::ContextMenu: {
        const std::unique_ptr<QMenu> menu(edit_.createStandardContextMenu());
        if (QAction* copy = CopyActionOf(*menu)) {
            QObject::disconnect(copy, &QAction::triggered, nullptr, nullptr);
            QObject::connect(copy, &QAction::triggered, this, [this] { Copy(); });
            copy->setEnabled(true);  // nothing selected copies the whole cell
        }
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

QAction* CellCopy::CopyActionOf(const QMenu& menu)
{
    for (QAction* action : menu.actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Copy")) return action;
    }
    return nullptr;
}

void CellCopy::AfterSelecting(bool mouse)
{
    if (!QGuiApplication::clipboard()->supportsSelection()) return;
    const std::pair<int, int> before(edit_.selectionStart(), edit_.selectionLength());
    QTimer::singleShot(0, this, [this, mouse, before] {
        if (mouse || before != std::pair(edit_.selectionStart(), edit_.selectionLength())) {
            Copy(QClipboard::Selection);
        }
    });
}

void CellCopy::Copy(QClipboard::Mode mode) const
{
    if (mode == QClipboard::Selection && !edit_.hasSelectedText()) return;
    const int start = edit_.hasSelectedText() ? edit_.selectionStart() : 0;
    const int end = start + (edit_.hasSelectedText() ? edit_.selectionLength() : 0);
    const QString whole = whole_.isEmpty() ? edit_.text() : whole_;
    const std::string copied = CopiedCell(whole.toStdString(), edit_.text().toStdString(),
                                          static_cast<std::size_t>(start), static_cast<std::size_t>(end));
    QGuiApplication::clipboard()->setText(QString::fromStdString(copied), mode);
}

}  // namespace brelvon
