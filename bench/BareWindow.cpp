// The yardstick for the window's start-up: a bare Qt Widgets window of the
// same size and colour as Brelvon's, which ends right after its first paint,
// as brelvon --quit-after-shown does. With --with-label it also shows one
// line of text, so that Qt's font system starts as it must in any window
// that shows text.
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow final : public QWidget {
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QWidget::paintEvent(event);
        if (painted_) return;
        painted_ = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(800, 310);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    if (QCoreApplication::arguments().contains(QStringLiteral("--with-label"))) {
        auto* label = new QLabel(QStringLiteral("Drive types"), &window);
        label->move(10, 10);
    }
    window.show();
    return QApplication::exec();
}
