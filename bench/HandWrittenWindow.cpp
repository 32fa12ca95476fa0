// The yardstick for the window's start-up: Brelvon's main window as a Qt
// developer would write it by hand, without the window model and its
// binding. The same controls in the same places with the same texts, faces
// and colours, one row per row of a survey of the drive file; it ends right
// after its first paint, as brelvon --quit-after-shown does.
//
//   brelvon_bench_hand_window --drives FILE [-Nd1] [-Rd1] [-Cd1] [--stay]
//
// English, megabytes and the default limits only; --stay keeps the window open.
#include "HandWrittenRows.h"
#include "model/ApplicationFacts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOption>
#include <QStyleFactory>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <memory>
#include <vector>

namespace {

constexpr int Dpi = 96;
int Px(int twips) { return static_cast<int>(std::lround(twips * double(Dpi) / 1440)); }
QRect At(int left, int top, int width, int height) { return {Px(left), Px(top), Px(width), Px(height)}; }

const QColor Grey(224, 224, 224);
const QColor Face(240, 240, 240);
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

QFont Font(const char* family, double size, bool bold = false, bool italic = false,
           QFont::StyleHint hint = QFont::SansSerif)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    font.setPointSizeF(size);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
QFont Sans(double size = 8.25, bool bold = false) { return Font("Liberation Sans", size, bold); }

// Fusion with 13-pixel indicators and text boxes sunk in a two-line edge.
class Style final : public QProxyStyle {
public:
    Style() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight || metric == PM_ExclusiveIndicatorWidth ||
            metric == PM_ExclusiveIndicatorHeight)
            return 13;
        if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing) return 4;
        if (metric == PM_DefaultFrameWidth && qobject_cast<const QLineEdit*>(widget) != nullptr) return 2;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_PanelLineEdit) return QProxyStyle::drawPrimitive(element, option, painter, widget);
        const QRect r = option->rect;
        painter->fillRect(r, option->palette.brush(QPalette::Base));
        const auto edge = [painter](QRect b, QColor topLeft, QColor bottomRight) {
            painter->fillRect(b.left(), b.top(), b.width(), 1, topLeft);
            painter->fillRect(b.left(), b.top(), 1, b.height(), topLeft);
            painter->fillRect(b.left(), b.bottom(), b.width(), 1, bottomRight);
            painter->fillRect(b.right(), b.top(), 1, b.height(), bottomRight);
        };
        edge(r, QColor(128, 128, 128), White);
        edge(r.adjusted(1, 1, -1, -1), QColor(64, 64, 64), QColor(212, 208, 200));
    }
};

// A caption, a bar or a bar's background: painted text in a face shrunk in
// quarter points until its widest word fits, on an optional fill and border.
class Painted final : public QWidget {
public:
    Painted(QWidget* parent, QRect place, QString text, QFont font = Sans(), Qt::Alignment alignment = Qt::AlignLeft,
            QColor fore = Black, int fitWidth = 0)
        : QWidget(parent), text_(std::move(text)), fore_(fore), alignment_(alignment)
    {
        setGeometry(place);
        if (text_.isEmpty()) return;
        const int width = fitWidth > 0 ? std::min(fitWidth, place.width()) : place.width();
        const QStringList words = text_.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const auto widest = [&words](const QFont& f) {
            const QFontMetricsF metrics(f);
            qreal most = 0;
            for (const QString& word : words) most = std::max(most, metrics.horizontalAdvance(word));
            return most;
        };
        for (double size = font.pointSizeF(); size >= 6.0 && widest(font) > width; size -= 0.25) {
            font.setPointSizeF(std::max(6.0, size - 0.25));
        }
        setFont(font);
    }
    void Fill(QColor back, bool bordered)
    {
        back_ = back;
        bordered_ = bordered;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (back_.isValid()) painter.fillRect(rect(), back_);
        if (bordered_) {
            painter.setPen(QPen(Black, 0));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        if (text_.isEmpty()) return;
        painter.setPen(fore_);
        painter.drawText(rect(), int(alignment_ | Qt::AlignTop) | Qt::TextWordWrap, text_);
    }

private:
    QString text_;
    QColor fore_;
    QColor back_;
    Qt::Alignment alignment_;
    bool bordered_ = false;
};

// A frame: an etched edge with its title in a gap of the top line.
class Frame final : public QWidget {
public:
    Frame(QWidget* parent, QRect place, QString title) : QWidget(parent), title_(std::move(title))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(place);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Grey);
        const QFontMetrics metrics(font());
        const int titleHeight = title_.isEmpty() ? 0 : metrics.height();
        const QRect edge = rect().adjusted(0, titleHeight / 2, -2, -2);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(edge);
        painter.setPen(White);
        painter.drawRect(edge.translated(1, 1));
        if (title_.isEmpty()) return;
        const QRect gap(6, 0, metrics.horizontalAdvance(title_) + 4, titleHeight);
        painter.fillRect(gap, Grey);
        painter.setPen(Black);
        painter.drawText(gap, Qt::AlignCenter, title_);
    }

private:
    QString title_;
};

class Window final : public QWidget {
public:
    bool QuitAfterPaint = true;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QWidget::paintEvent(event);
        if (!QuitAfterPaint || painted_) return;
        painted_ = true;
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }

private:
    bool painted_ = false;
};

QPushButton* Button(QWidget* parent, QRect place, const QString& text, QColor face = Face)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(place);
    button->setAutoDefault(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, Black);
    button->setPalette(palette);
    return button;
}

template <typename Box>
Box* Tick(QWidget* parent, QRect place, const QString& text, bool on)
{
    auto* box = new Box(text, parent);
    box->setGeometry(place);
    box->setBackgroundRole(QPalette::Window);
    box->setForegroundRole(QPalette::WindowText);
    box->setAutoFillBackground(true);
    if constexpr (std::is_same_v<Box, QRadioButton>) box->setAutoExclusive(false);
    box->setChecked(on);
    return box;
}

QLineEdit* Edit(QWidget* parent, QRect place, const QString& text, Qt::Alignment alignment, QColor fore = Black,
                QColor back = White)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setGeometry(place);
    edit->setAlignment(alignment | Qt::AlignVCenter);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, fore);
    edit->setPalette(palette);
    return edit;
}

// The width a text box leaves its text: its frame and Qt's margins off.
int TextRoom(const QLineEdit& edit) { return edit.width() - 2 * 2 - 2 * 2; }

QColor ToQColor(handwritten::Color color) { return {color.R, color.G, color.B}; }

QFont CellFont(const handwritten::Cell& cell, double size)
{
    switch (cell.Face) {
    case handwritten::Typeface::Sans: return Font("Liberation Sans", size, cell.Bold, cell.Italic);
    case handwritten::Typeface::Serif: return Font("Liberation Serif", size, cell.Bold, cell.Italic, QFont::Serif);
    case handwritten::Typeface::Mono: break;
    }
    return Font("Liberation Mono", size, cell.Bold, cell.Italic, QFont::TypeWriter);
}

Qt::Alignment AlignmentOf(int alignment)
{
    return alignment < 0 ? Qt::AlignLeft : alignment > 0 ? Qt::AlignRight : Qt::AlignHCenter;
}

// Cuts a label that is too wide: a path in the middle, before its last
// part, anything else at the end.
QString Elided(const QString& text, const QFontMetricsF& metrics, int room)
{
    if (metrics.horizontalAdvance(text) <= room) return text;
    const QString ellipsis(QChar(0x2026));
    int lead = 0;
    while (lead < text.size() && text[lead] == QLatin1Char(' ')) ++lead;
    const int last = int(text.lastIndexOf(QLatin1Char('/')));
    const bool path = lead < text.size() && text[lead] == QLatin1Char('/');
    if (path && last > lead && last + 1 < text.size()) {
        for (int head = last - 1; head > lead; --head) {
            const QString cut = text.left(head) + ellipsis + text.mid(last);
            if (metrics.horizontalAdvance(cut) <= room) return cut;
        }
    }
    for (int head = int(text.size()) - 1; head > lead; --head) {
        const QString cut = text.left(head) + ellipsis;
        if (metrics.horizontalAdvance(cut) <= room) return cut;
    }
    return text.left(lead) + ellipsis;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setStyle(new Style);
    QApplication::setFont(Sans());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/brelvon-32.png")));
    const QStringList arguments = QCoreApplication::arguments();
    const auto drivesAt = arguments.indexOf(QStringLiteral("--drives"));
    if (drivesAt < 0 || drivesAt + 1 >= arguments.size()) {
        std::cerr << "usage: brelvon_bench_hand_window --drives FILE [-Nd1] [-Rd1] [-Cd1] [--stay]\n";
        return 2;
    }

    handwritten::Table table;
    try {
        table = handwritten::SurveyTable(arguments[drivesAt + 1].toStdString(),
                                         arguments.contains(QStringLiteral("-Nd1")),
                                         arguments.contains(QStringLiteral("-Rd1")),
                                         arguments.contains(QStringLiteral("-Cd1")));
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    const int grown = table.Grown;

    Window window;
    window.QuitAfterPaint = !arguments.contains(QStringLiteral("--stay"));
    window.setWindowTitle(QString::fromStdString("Brelvon v" + brelvon::ApplicationFacts{}.VersionText()));
    window.setFixedSize(Px(12000), Px(2940 + grown));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Grey);
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    // Widgets made later lie on top: the rows first, the controls above them last.
    std::vector<std::array<QLineEdit*, handwritten::Columns>> edits;
    for (const handwritten::Row& row : table.Rows) {
        auto* background = new Painted(&window, At(handwritten::BarLeft, row.Top, handwritten::BarWidth, 330), {}, {});
        background->Fill(ToQColor(row.Background), true);
        if (row.Markers) {
            for (const auto& [x, color] : {std::pair{handwritten::RedMarkerX, QColor(255, 0, 0)},
                                           std::pair{handwritten::BlueMarkerX, QColor(0, 0, 255)}}) {
                auto* marker =
                    new Painted(&window, QRect(Px(x), Px(row.Top + 15), 1, Px(row.Top + 315) - Px(row.Top + 15) + 1),
                                {}, {});
                marker->Fill(color, false);
            }
        }
        auto* bar = new Painted(&window, At(handwritten::BarLeft, row.Top + 45, row.BarWidth, 240), {}, {});
        bar->Fill(ToQColor(row.Bar), row.BarWidth > 0);
        const QString tip = QString::fromStdString(row.ToolTip);
        for (QWidget* part : {static_cast<QWidget*>(background), static_cast<QWidget*>(bar)}) part->setToolTip(tip);
        auto& rowEdits = edits.emplace_back();
        for (int c : handwritten::CellStacking) {
            const handwritten::Cell& cell = row.Cells[c];
            const handwritten::Column& column = handwritten::TableColumns[c];
            QLineEdit* edit = Edit(&window, At(column.Left, row.Top, column.Width, 330), {},
                                   AlignmentOf(column.Alignment), ToQColor(cell.Fore), ToQColor(cell.Back));
            edit->setReadOnly(true);
            edit->setToolTip(tip);
            rowEdits[c] = edit;
        }
    }
    // Sizes and the percentage shrink, column by column, until the widest cell fits.
    for (int c = 0; c < handwritten::Columns && !edits.empty(); ++c) {
        const int room = TextRoom(*edits.front()[c]);
        double size = 9;
        const auto widest = [&](double points) {
            qreal most = 0;
            for (const handwritten::Row& row : table.Rows) {
                const QFontMetricsF metrics(CellFont(row.Cells[c], points));
                most = std::max(most, metrics.horizontalAdvance(QString::fromStdString(row.Cells[c].Text)));
            }
            return most;
        };
        while (c != 1 && size > 6.0 && widest(size) > room) size -= 0.25;
        for (std::size_t r = 0; r < edits.size(); ++r) {
            const handwritten::Cell& cell = table.Rows[r].Cells[c];
            QLineEdit& edit = *edits[r][c];
            const QFont font = CellFont(cell, size);
            const QString text = QString::fromStdString(cell.Text);
            edit.setFont(font);
            edit.setText(c == 1 ? Elided(text, QFontMetricsF(font), room) : text);
            edit.setCursorPosition(0);
        }
    }

    for (const auto& [name, left, width, alignment] :
         {std::tuple{"Disk", 420, 480, Qt::AlignLeft}, std::tuple{"Label", 765, 1455, Qt::AlignHCenter},
          std::tuple{"Size", 2205, 1455, Qt::AlignHCenter}, std::tuple{"Free", 3765, 1215, Qt::AlignHCenter},
          std::tuple{"Used", 5085, 1095, Qt::AlignHCenter}, std::tuple{"% Used", 6150, 990, Qt::AlignHCenter},
          std::tuple{"Graph", 7110, 3855, Qt::AlignHCenter}}) {
        new Painted(&window, At(left, 1185, width, 255), QString::fromLatin1(name), Sans(8.25, true), alignment);
    }
    const QFont title = Font("Liberation Serif", 12, true, false, QFont::Serif);
    new Painted(&window, At(330, 220, 960, 645), QStringLiteral("BRELVON"), title, Qt::AlignLeft, White, Px(750));
    new Painted(&window, At(315, 240, 750, 630), QStringLiteral("BRELVON"), title, Qt::AlignLeft, Black, Px(750));

    new Frame(&window, At(420, 1935 + grown, 11160, 750), {});
    auto* graphFrame = new Frame(&window, At(7665, 210, 3900, 705), QStringLiteral("Graph"));
    new Painted(graphFrame, At(3615, 345, 225, 255), QStringLiteral("%"));
    auto* redMax = Button(graphFrame, At(3285, 330, 285, 270), QStringLiteral("+"));
    auto* redText = Edit(graphFrame, At(2910, 315, 375, 285), QStringLiteral("85"), Qt::AlignHCenter);
    auto* redMin = Button(graphFrame, At(2625, 330, 285, 270), QStringLiteral("-"));
    new Painted(graphFrame, At(2040, 345, 885, 255), QStringLiteral("Red if >"));
    new Painted(graphFrame, At(1710, 345, 225, 255), QStringLiteral("%"));
    auto* blueMax = Button(graphFrame, At(1380, 330, 285, 270), QStringLiteral("+"));
    auto* blueText = Edit(graphFrame, At(1005, 315, 375, 285), QStringLiteral("15"), Qt::AlignHCenter);
    auto* blueMin = Button(graphFrame, At(720, 330, 285, 270), QStringLiteral("-"));
    new Painted(graphFrame, At(105, 345, 675, 255), QStringLiteral("Blue if <"));
    for (QLineEdit* limit : {redText, blueText}) limit->setMaxLength(3);

    auto* unitFrame = new Frame(&window, At(4935, 210, 1575, 705), QStringLiteral("Unit"));
    auto* gigabytes = Tick<QRadioButton>(unitFrame, At(840, 270, 495, 315), QStringLiteral("Gb"), false);
    auto* megabytes = Tick<QRadioButton>(unitFrame, At(210, 270, 495, 315), QStringLiteral("Mb"), true);
    auto* drivesFrame = new Frame(&window, At(1260, 210, 3600, 705), QStringLiteral("Drive types"));
    auto* cdrom = Tick<QCheckBox>(drivesFrame, At(2520, 315, 915, 240), QStringLiteral("CD-Rom"),
                                  arguments.contains(QStringLiteral("-Cd1")));
    auto* removable = Tick<QCheckBox>(drivesFrame, At(1260, 315, 1125, 240), QStringLiteral("Removable"),
                                      arguments.contains(QStringLiteral("-Rd1")));
    auto* network = Tick<QCheckBox>(drivesFrame, At(210, 315, 1050, 240), QStringLiteral("Network"),
                                    arguments.contains(QStringLiteral("-Nd1")));
    auto* focus = Button(&window, At(13065, 615, 660, 330), QStringLiteral("Focus"));
    auto* clipboardFrame = new Frame(&window, At(6615, 210, 960, 705), QStringLiteral("Clipboard"));
    auto* copy = Button(clipboardFrame, At(170, 270, 645, 330), QStringLiteral("Copy"));
    auto* exit = Button(&window, At(5490, 2145 + grown, 975, 375), QStringLiteral("E X I T"), QColor(192, 192, 192));
    auto* about = Button(&window, At(10395, 2145 + grown, 975, 375), QStringLiteral("About"));
    auto* english = Tick<QRadioButton>(&window, At(630, 2175 + grown, 645, 330), QStringLiteral("EN"), true);
    auto* french = Tick<QRadioButton>(&window, At(1260, 2175 + grown, 645, 330), QStringLiteral("FR"), false);

    // The Tab key's order: the hidden focus button, the cells, the limits, the options.
    std::vector<QWidget*> order{focus};
    for (const auto& rowEdits : edits) {
        for (int c : handwritten::CellTabOrder) order.push_back(rowEdits[c]);
    }
    for (QWidget* next : std::initializer_list<QWidget*>{blueText, blueMax, blueMin, redMin, redMax, redText,
                                                         gigabytes, megabytes, cdrom, removable, network, copy, exit,
                                                         about, english, french}) {
        order.push_back(next);
    }
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (std::find(order.begin(), order.end(), child) == order.end()) child->setFocusPolicy(Qt::NoFocus);
    }
    focus->setDefault(true);

    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - QPoint(window.width() / 2, window.height() / 2));
    window.show();
    focus->setFocus();
    return QApplication::exec();
}
