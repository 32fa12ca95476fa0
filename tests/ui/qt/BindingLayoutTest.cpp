// The widgets show the model exactly: places and sizes in pixels, stacking,
// texts, colours, fonts and the window's height, and a refresh reuses the
// widgets of rows that come back.
#include "BindingHarness.h"

#include "ui/qt/FontFaces.h"
#include "ui/qt/ModelLabel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <map>
#include <set>

using brelvon::test::BindingHarness;

namespace {

QColor ToQColor(brelvon::Rgb color) { return {color.R, color.G, color.B}; }

// Where a widget lies among its siblings: later ones are drawn over earlier ones.
qsizetype StackPosition(QWidget* widget) { return widget->parentWidget()->children().indexOf(widget); }

}  // namespace

class BindingLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void WidgetGeometryMatchesTheModel_data();
    void WidgetGeometryMatchesTheModel();
    void WidgetsShowTextsColoursAndAlignment();
    void RowOneShowsBarOverMarkersOverBackground_data();
    void RowOneShowsBarOverMarkersOverBackground();
    void LinesAreEquallyThick();
    void IndicatorsShowTheirStateWhateverTheTheme_data();
    void IndicatorsShowTheirStateWhateverTheTheme();
    void StackingFollowsTheModel_data();
    void StackingFollowsTheModel();
    void WindowHeightFollowsTheListedCategories_data();
    void WindowHeightFollowsTheListedCategories();
    void RefreshReusesTheWidgetsOfRowsThatComeBack();
    void SummaryRowsShowSigma();
    void TitleShowsWholeAtOneSize();
    void SymbolFaceLettersBecomeGreek_data();
    void SymbolFaceLettersBecomeGreek();
    void DesignFontsHaveInstalledStandIns_data();
    void DesignFontsHaveInstalledStandIns();
    void AccessibleNamesSayWhatAControlIs_data();
    void AccessibleNamesSayWhatAControlIs();
    void MainWindowIsFixedSizeWithMinimiseOnly();
};

void BindingLayoutTest::WidgetGeometryMatchesTheModel_data()
{
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QString>("click");  // an action before the comparison, or empty
    // clang-format off
    QTest::newRow("fixed drives") << "" << "";
    QTest::newRow("every category") << "-Rd1 -Cd1 -Nd1" << "";
    QTest::newRow("French, removable") << "-LFr -Rd1" << "";
    QTest::newRow("after ticking CD-ROM") << "-Nd1" << "CheckCD";
    QTest::newRow("after unticking network") << "-Rd1 -Cd1 -Nd1" << "CheckNet";
    QTest::newRow("after a limit step") << "-Rd1" << "ButRedMin";
    // clang-format on
}

void BindingLayoutTest::WidgetGeometryMatchesTheModel()
{
    QFETCH(QString, switches);
    QFETCH(QString, click);

    BindingHarness harness(switches.toStdString());
    if (!click.isEmpty()) harness.ClickOn(click.toStdString());
    BindingHarness::Settle();

    const brelvon::Control& form = harness.Model().Window;
    QCOMPARE(harness.Window().size(), QSize(harness.Pixels(form.Width - brelvon::Form::FrameExtraWidth),
                                            harness.Pixels(form.Height - brelvon::Form::FrameExtraHeight)));
    QSet<QString> modelNames;
    harness.Model().ForEachControl([&](const brelvon::Control& control) {
        if (control.Kind == brelvon::ControlKind::Form) return;
        const std::string name = control.FullName();
        modelNames.insert(QString::fromStdString(name));
        QWidget* widget = harness.Widget(name);
        QVERIFY2(widget != nullptr, name.c_str());
        QCOMPARE(widget->objectName(), QString::fromStdString(name));
        QWidget* container =
            control.Container != nullptr ? harness.Widget(control.Container->FullName()) : &harness.Window();
        // The table rows lie in the scroll area of their band, unnamed, which
        // shows them at their places while the window fits the screen.
        QWidget* parent = widget->parentWidget();
        while (parent != &harness.Window() &&
               (parent->objectName().isEmpty() || parent->objectName().startsWith("qt_"))) {
            parent = parent->parentWidget();
        }
        QCOMPARE(parent, container);
        QRect expected(harness.Pixels(control.Left), harness.Pixels(control.Top), harness.Pixels(control.Width),
                       harness.Pixels(control.Height));
        if (control.Kind == brelvon::ControlKind::Line) {
            const int left = harness.Pixels(std::min(control.X1, control.X2));
            const int top = harness.Pixels(std::min(control.Y1, control.Y2));
            // Both ends, and a pixel beyond them for a thicker line on a scaled screen.
            expected = QRect(left, top, harness.Pixels(std::max(control.X1, control.X2)) - left + 2,
                             harness.Pixels(std::max(control.Y1, control.Y2)) - top + 2);
        }
        QVERIFY2(QRect(widget->mapTo(container, QPoint(0, 0)), widget->size()) == expected, name.c_str());
        QVERIFY2(widget->isHidden() == !control.Visible, name.c_str());
        QVERIFY2(widget->isEnabled() == control.Enabled, name.c_str());
    });
    // No widget is left over from a control that is gone.
    QSet<QString> widgetNames;
    for (const QWidget* widget : harness.Window().findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_")) {
            widgetNames.insert(widget->objectName());
        }
    }
    QCOMPARE(widgetNames, modelNames);
}

void BindingLayoutTest::WidgetsShowTextsColoursAndAlignment()
{
    // Blue, red, grey (not ready) and summary rows all occur with these drives.
    BindingHarness harness("-Rd1 -Cd1 -Nd1 -Mn30", "screenshot-drives.json");
    int boxes = 0;
    harness.Model().ForEachControl([&](const brelvon::Control& control) {
        if (control.Kind != brelvon::ControlKind::TextBox) return;
        ++boxes;
        const std::string name = control.FullName();
        const auto* edit = harness.As<QLineEdit>(name);
        QVERIFY2(edit != nullptr, name.c_str());
        // A locked cell cuts a label too wide for it with an ellipsis, and a
        // centred one leaves out its padding blanks (see BindingDisplayTest).
        if (!control.Locked) {
            QCOMPARE(edit->text(), brelvon::DisplayText(control));
        } else if (!edit->text().contains(QChar(0x2026))) {
            QCOMPARE(edit->text().trimmed(), brelvon::DisplayText(control).trimmed());
        }
        QVERIFY2(edit->palette().color(QPalette::Base) == ToQColor(control.BackColor), name.c_str());
        QVERIFY2(edit->palette().color(QPalette::Text) == ToQColor(control.ForeColor), name.c_str());
        const Qt::Alignment horizontal = edit->alignment() & Qt::AlignHorizontal_Mask;
        const Qt::Alignment expected = control.Alignment == brelvon::TextAlignment::Right    ? Qt::AlignRight
                                       : control.Alignment == brelvon::TextAlignment::Center ? Qt::AlignHCenter
                                                                                             : Qt::AlignLeft;
        QVERIFY2(horizontal == expected, name.c_str());
        QCOMPARE(edit->font().bold(), control.FontBold);
        QCOMPARE(edit->font().italic(), control.FontItalic);
        QCOMPARE(edit->maxLength(), control.MaxLength > 0 ? control.MaxLength : 32767);
    });
    QVERIFY(boxes > 6 * 10);

    // Check boxes and option buttons fill their place with their own background.
    harness.Model().ForEachControl([&](const brelvon::Control& control) {
        if (control.Kind != brelvon::ControlKind::CheckBox && control.Kind != brelvon::ControlKind::OptionButton)
            return;
        QWidget* widget = harness.Widget(control.FullName());
        const QImage image = widget->grab().toImage();
        QVERIFY2(image.pixelColor(image.width() - 1, 0) == ToQColor(control.BackColor), control.FullName().c_str());
    });
}

void BindingLayoutTest::RowOneShowsBarOverMarkersOverBackground_data()
{
    QTest::addColumn<QString>("switches");
    // Drive C is 60 % used.
    // clang-format off
    QTest::newRow("blue marker under the bar, red beyond it") << "";
    QTest::newRow("both markers under the bar") << "-Mn10 -Mx50";
    QTest::newRow("both markers beyond the bar") << "-Mn70 -Mx90";
    // clang-format on
}

void BindingLayoutTest::RowOneShowsBarOverMarkersOverBackground()
{
    QFETCH(QString, switches);

    BindingHarness harness(switches.toStdString());
    const brelvon::Control& bar = harness.ModelControl("Lab1(1)");
    const brelvon::Control& background = harness.ModelControl("Lab2(1)");
    const QImage image = harness.Window().grab().toImage();
    // The image may hold several device pixels per pixel of the window.
    const double ratio = image.devicePixelRatio();
    const auto pixel = [&](int x, int y) {
        return image.pixelColor(static_cast<int>((x + 0.5) * ratio), static_cast<int>((y + 0.5) * ratio));
    };

    const int barTop = harness.Pixels(bar.Top);
    const int barBottom = barTop + harness.Pixels(bar.Height) - 1;
    const int barLeft = harness.Pixels(bar.Left);
    const int barRight = barLeft + harness.Pixels(bar.Width) - 1;
    QVERIFY(bar.Width > 0);
    // Inside the bar, away from its border: the bar's colour.
    QCOMPARE(pixel((barLeft + barRight) / 2 + 3, (barTop + barBottom) / 2), ToQColor(bar.BackColor));
    // Past the bar's end: the white background.
    const int backgroundRight = harness.Pixels(background.Left) + harness.Pixels(background.Width) - 1;
    QCOMPARE(pixel((barRight + backgroundRight) / 2 + 1, (barTop + barBottom) / 2), ToQColor(background.BackColor));

    for (const char* name : {"Lin1(1)", "Lin2(1)"}) {
        const brelvon::Control& marker = harness.ModelControl(name);
        QVERIFY2(marker.Visible, name);
        const int x = harness.Pixels(marker.X1);
        const QColor color = ToQColor(marker.BorderColor);
        // Both ends show above and below the bar.
        QVERIFY2(pixel(x, barTop - 1) == color, name);
        QVERIFY2(pixel(x, harness.Pixels(marker.Y1) + 1) == color, name);
        QVERIFY2(pixel(x, barBottom + 1) == color, name);
        QVERIFY2(pixel(x, harness.Pixels(marker.Y2) - 1) == color, name);
        // In the middle the bar covers the marker where it reaches it.
        const bool covered = x > barLeft && x < barRight;
        const QColor middle = pixel(x, (barTop + barBottom) / 2);
        QVERIFY2(covered ? middle == ToQColor(bar.BackColor) : middle == color, name);
    }
}

void BindingLayoutTest::LinesAreEquallyThick()
{
    // Markers beyond every bar, on rows of every kind.
    BindingHarness harness("-Rd1 -Cd1 -Nd1 -Mn80 -Mx90", "screenshot-drives.json");
    const QImage image = harness.Window().grab().toImage();
    const double ratio = image.devicePixelRatio();
    const QPoint origin = harness.Widget("Lab2(1)")->mapTo(&harness.Window(), QPoint(0, 0)) -
                          QPoint(harness.Pixels(harness.ModelControl("Lab2(1)").Left),
                                 harness.Pixels(harness.ModelControl("Lab2(1)").Top));
    // The screen pixels of one colour in a line through the screen pixel
    // where (x, y) of the window begins (or the next one), across x or y.
    const auto run = [&](int x, int y, bool across, const QColor& color) {
        QPoint at(qRound((x + origin.x()) * ratio), qRound((y + origin.y()) * ratio));
        const QPoint step = across ? QPoint(1, 0) : QPoint(0, 1);
        if (image.pixelColor(at) != color) at += step;
        while (image.valid(at - step) && image.pixelColor(at - step) == color) at -= step;
        int length = 0;
        for (; image.valid(at) && image.pixelColor(at) == color; at += step) ++length;
        return length;
    };
    // The bar backgrounds' edges that touch no other (the left one lies under
    // the cell beside it, rows touch rows), and the markers.
    std::set<int> thicknesses;
    const int rows = harness.Form().LastTable().DriveRowCount;
    for (int row = 1; row <= rows; ++row) {
        const brelvon::Control& background = harness.ModelControl("Lab2(" + std::to_string(row) + ")");
        const int left = harness.Pixels(background.Left);
        const int top = harness.Pixels(background.Top);
        const int right = left + harness.Pixels(background.Width) - 1;
        const int bottom = top + harness.Pixels(background.Height) - 1;
        if (row == 1) thicknesses.insert(run(left + 10, top, false, Qt::black));
        if (row == rows) thicknesses.insert(run(left + 10, bottom, false, Qt::black));
        thicknesses.insert(run(right, (top + bottom) / 2, true, Qt::black));
        for (const char* name : {"Lin1(", "Lin2("}) {
            const brelvon::Control& marker = harness.ModelControl(name + std::to_string(row) + ")");
            if (marker.Visible) thicknesses.insert(run(harness.Pixels(marker.X1), top + 2, true, ToQColor(marker.BorderColor)));
        }
    }
    QByteArray seen;
    for (const int thickness : thicknesses) seen += QByteArray::number(thickness) + ' ';
    QVERIFY2(thicknesses.size() == 1, seen.constData());
    QVERIFY(*thicknesses.begin() >= 1);
}

void BindingLayoutTest::IndicatorsShowTheirStateWhateverTheTheme_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("selected");
    QTest::newRow("ticked box") << "CheckNet" << true;
    QTest::newRow("unticked box") << "CheckCD" << false;
    QTest::newRow("selected option") << "OptMb" << true;
    QTest::newRow("unselected option") << "OptGb" << false;
    QTest::newRow("unselected language") << "OptLang(2)" << false;
}

void BindingLayoutTest::IndicatorsShowTheirStateWhateverTheTheme()
{
    // Run again under a dark desktop theme: the indicators keep the window's light colours.
    QFETCH(QString, control);
    QFETCH(bool, selected);
    BindingHarness harness("-Nd1");
    auto* button = harness.As<QAbstractButton>(control.toStdString());
    QVERIFY(button != nullptr);
    QStyleOptionButton option;
    option.initFrom(button);
    const bool box = qobject_cast<QCheckBox*>(button) != nullptr;
    const QRect indicator =
        button->style()->subElementRect(box ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option,
                                        button);
    const QImage image = button->grab().toImage();
    const double ratio = image.devicePixelRatio();
    // Light inside the indicator, dark where it shows its mark.
    int light = 0;
    int dark = 0;
    for (int y = indicator.top() + 3; y <= indicator.bottom() - 3; ++y) {
        for (int x = indicator.left() + 3; x <= indicator.right() - 3; ++x) {
            const int lightness = image.pixelColor(QPoint(qRound(x * ratio), qRound(y * ratio))).lightness();
            (lightness > 200 ? light : dark) += lightness > 200 || lightness < 100 ? 1 : 0;
        }
    }
    QVERIFY2(light > dark, qPrintable(QStringLiteral("light %1, dark %2").arg(light).arg(dark)));
    QCOMPARE(dark > 0, selected);
}

void BindingLayoutTest::StackingFollowsTheModel_data()
{
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    // clang-format off
    QTest::newRow("black title over white title") << "LabTit2" << "LabTit1";
    QTest::newRow("bar over blue marker") << "Lab1(1)" << "Lin1(1)";
    QTest::newRow("blue marker over red marker") << "Lin1(1)" << "Lin2(1)";
    QTest::newRow("markers over bar background") << "Lin2(1)" << "Lab2(1)";
    QTest::newRow("created row: bar over marker") << "Lab1(3)" << "Lin2(3)";
    QTest::newRow("created row: marker over background") << "Lin1(5)" << "Lab2(5)";
    QTest::newRow("exit over bottom frame") << "ButExit" << "FramEnd";
    QTest::newRow("about over bottom frame") << "ButAbout" << "FramEnd";
    QTest::newRow("French over bottom frame") << "OptLang(2)" << "FramEnd";
    // clang-format on
}

void BindingLayoutTest::StackingFollowsTheModel()
{
    QFETCH(QString, upper);
    QFETCH(QString, lower);

    BindingHarness harness("-Rd1 -Cd1 -Nd1");
    // Ticking a category creates rows anew: the new widgets must stack too.
    harness.ClickOn("CheckCD");
    harness.ClickOn("CheckCD");
    QWidget* top = harness.Widget(upper.toStdString());
    QWidget* bottom = harness.Widget(lower.toStdString());
    QVERIFY(top != nullptr && bottom != nullptr);
    QCOMPARE(top->parentWidget(), bottom->parentWidget());
    QVERIFY(StackPosition(top) > StackPosition(bottom));
}

void BindingLayoutTest::WindowHeightFollowsTheListedCategories_data()
{
    QTest::addColumn<QStringList>("clicks");  // ticks, then the same unticks
                                              // clang-format off
    QTest::newRow("one category") << QStringList{"CheckCD", "CheckCD"};
    QTest::newRow("three, unticked in another order")
                                              // clang-format on
        << QStringList{"CheckCD", "CheckNet", "CheckRemov", "CheckNet", "CheckCD", "CheckRemov"};
}

void BindingLayoutTest::WindowHeightFollowsTheListedCategories()
{
    QFETCH(QStringList, clicks);

    BindingHarness harness;
    const int startHeight = harness.Window().height();
    const int startExitTop = harness.Widget("ButExit")->y();
    int previousModel = harness.Model().Window.Height;
    int previousHeight = startHeight;
    for (const QString& click : clicks) {
        harness.ClickOn(click.toStdString());
        const int model = harness.Model().Window.Height;
        const int height = harness.Window().height();
        QVERIFY2(model != previousModel, qPrintable(click));
        // Grows or shrinks by exactly the model's change.
        QCOMPARE(height - previousHeight, harness.Pixels(model - previousModel));
        QCOMPARE(harness.Widget("ButExit")->y() - startExitTop, height - startHeight);
        previousModel = model;
        previousHeight = height;
    }
    QCOMPARE(harness.Window().height(), startHeight);
}

void BindingLayoutTest::RefreshReusesTheWidgetsOfRowsThatComeBack()
{
    BindingHarness harness("-Rd1 -Cd1 -Nd1");
    const int rows = harness.Form().LastTable().DriveRowCount;
    std::map<std::string, QPointer<QWidget>> before;
    for (int i = 1; i <= rows; ++i) {
        for (const char* array : {"Text1", "Text3", "Lab1", "Lab2", "Lin1", "Lin2"}) {
            const std::string name = std::string(array) + "(" + std::to_string(i) + ")";
            before[name] = harness.Widget(name);
        }
    }
    harness.ClickOn("ButFocus");
    BindingHarness::Settle();
    for (const auto& [name, widget] : before) QVERIFY2(widget && harness.Widget(name) == widget, name.c_str());

    harness.ClickOn("CheckNet");  // two rows fewer: the network drive and its subtotal
    BindingHarness::Settle();
    const int remaining = harness.Form().LastTable().DriveRowCount;
    QCOMPARE(remaining, rows - 2);
    for (const auto& [name, widget] : before) {
        const int row = std::stoi(name.substr(name.find('(') + 1));
        if (row <= remaining)
            QVERIFY2(widget && harness.Widget(name) == widget, name.c_str());
        else
            QVERIFY2(widget.isNull() && harness.Widget(name) == nullptr, name.c_str());
    }
}

void BindingLayoutTest::SummaryRowsShowSigma()
{
    BindingHarness harness("-Rd1 -Cd1 -Nd1");
    const brelvon::DriveTable& table = harness.Form().LastTable();
    int summaries = 0;
    for (int i = 1; i <= table.DriveRowCount; ++i) {
        const auto* cell = harness.As<QLineEdit>("Text1(" + std::to_string(i) + ")");
        const bool summary = table.Row(i).RowKind > 50;
        QCOMPARE(cell->text().contains(QChar(0x03A3)), summary);
        if (!summary) continue;
        ++summaries;
        // Drawn with a Unicode face: the letter is a real sigma, not an S in a symbol font.
        QVERIFY(!QFontInfo(cell->font()).family().contains("Symbol", Qt::CaseInsensitive));
    }
    QCOMPARE(summaries, 5);  // four categories and the total
}

void BindingLayoutTest::TitleShowsWholeAtOneSize()
{
    // The title is wider than its labels at the described size: it shrinks,
    // and the highlight copy shrinks with it so that the two stay in register.
    BindingHarness harness("");
    const auto* black = harness.As<brelvon::ModelLabel>("LabTit2");
    const auto* white = harness.As<brelvon::ModelLabel>("LabTit1");
    const QFont font = black->DisplayFont();
    QVERIFY(font.pointSizeF() < black->font().pointSizeF());
    QVERIFY(QFontMetricsF(font).horizontalAdvance(black->Text()) <= black->width());
    QCOMPARE(white->DisplayFont().pointSizeF(), font.pointSizeF());
    // A caption that fits keeps the described size.
    const auto* heading = harness.As<brelvon::ModelLabel>("Label3");
    QCOMPARE(heading->DisplayFont().pointSizeF(), heading->font().pointSizeF());
}

void BindingLayoutTest::SymbolFaceLettersBecomeGreek_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("summary mark") << " S " << QString::fromUtf8(" Σ ");
    QTest::newRow("upper case") << "ABGDW" << QString::fromUtf8("ΑΒΓΔΩ");
    QTest::newRow("lower case") << "abgpm" << QString::fromUtf8("αβγπμ");
    QTest::newRow("digits and signs stay") << "1 %-" << "1 %-";
    // clang-format on
}

void BindingLayoutTest::SymbolFaceLettersBecomeGreek()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(brelvon::SymbolFaceToUnicode(text), shown);
}

void BindingLayoutTest::DesignFontsHaveInstalledStandIns_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("family");
    // clang-format off
    QTest::newRow("MS Sans Serif heading") << "Label3" << "Liberation Sans";
    QTest::newRow("Courier New cell") << "Text3(1)" << "Liberation Mono";
    QTest::newRow("Arial percentage") << "Text6(1)" << "Liberation Sans";
    QTest::newRow("Times New Roman title") << "LabTit2" << "Liberation Serif";
    // clang-format on
}

void BindingLayoutTest::DesignFontsHaveInstalledStandIns()
{
    QFETCH(QString, control);
    QFETCH(QString, family);

    BindingHarness harness;
    const brelvon::Control& model = harness.ModelControl(control.toStdString());
    const QFont font = harness.Widget(control.toStdString())->font();
    QCOMPARE(QFontInfo(font).family(), family);  // the face is installed, not merely asked for
    QCOMPARE(font.pointSizeF(), model.FontSize);
    QCOMPARE(font.bold(), model.FontBold);
}

void BindingLayoutTest::AccessibleNamesSayWhatAControlIs_data()
{
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    // clang-format off
    QTest::newRow("limit box, by its caption") << "" << "TextBlue" << "Blue if <";
    QTest::newRow("limit box in French") << "-LFr" << "TextRed" << "Rouge si >";
    QTest::newRow("step button") << "" << "ButRedMax" << "Red limit up by 5";
    QTest::newRow("cell, by its whole text") << "" << "Text3(2)" << "1,000,202";
    QTest::newRow("caption") << "" << "CheckCD" << "CD-Rom";
    QTest::newRow("French caption") << "-LFr" << "CheckNet" << QString::fromUtf8("Réseau");
    QTest::newRow("spaced caption") << "" << "ButExit" << "Exit";
    QTest::newRow("language button") << "" << "OptLang(2)" << QString::fromUtf8("Français");
    QTest::newRow("hidden focus button") << "" << "ButFocus" << "Apply the typed limits";
    // clang-format on
}

void BindingLayoutTest::AccessibleNamesSayWhatAControlIs()
{
    QFETCH(QString, switches);
    QFETCH(QString, control);
    QFETCH(QString, name);

    BindingHarness harness(switches.toStdString());
    QCOMPARE(harness.Widget(control.toStdString())->accessibleName(), name);
    harness.Model().ForEachControl([&](const brelvon::Control& each) {
        if (each.Kind == brelvon::ControlKind::Form) return;
        QVERIFY2(!harness.Widget(each.FullName())->accessibleName().isEmpty(), each.FullName().c_str());
    });
}

void BindingLayoutTest::MainWindowIsFixedSizeWithMinimiseOnly()
{
    BindingHarness harness;
    QWidget& window = harness.Window();
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.width(), harness.Pixels(brelvon::MainWindow::ClientWidth));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(window.windowTitle(), QStringLiteral("Brelvon v1.26"));
    QVERIFY(!window.windowIcon().isNull());
}

QTEST_MAIN(BindingLayoutTest)
#include "BindingLayoutTest.moc"
