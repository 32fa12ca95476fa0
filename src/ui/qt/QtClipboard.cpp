#include "ui/qt/QtClipboard.h"

#include "model/PlatformError.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace brelvon {

namespace {

QClipboard& SystemClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) throw PlatformError("The clipboard cannot be opened");
    return *clipboard;
}

}  // namespace

void QtClipboard::Clear() { SystemClipboard().clear(QClipboard::Clipboard); }

void QtClipboard::SetText(const std::string& text)
{
    SystemClipboard().setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                              QClipboard::Clipboard);
}

}  // namespace brelvon
