// What the window shows is whole, true and readable, whatever the drives:
// numbers never cut, labels cut visibly, cells read-only and copying what they
// hold, one baseline for French numbers, rows that scroll on a small screen,
// an About window that Escape closes, and each row's details for the pointer,
// the mouse and a screen reader. The model stays as the refresh left it.
#include "BindingHarness.h"

#include "refresh/RowDetails.h"
#include "ui/qt/ModelAccessible.h"
#include "window/AccessibleNames.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QRawFont>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using brelvon::test::BindingHarness;

namespace {

constexpr const char* EveryCategory = "-Rd1 -Cd1 -Nd1";
// The drives of the screenshots: a 100 TB drive 99 % used, a 1 PB share, a
// 40-character label and a long mount point among them.
constexpr const char* BigDrives = "screenshot-drives.json";

// The pixels a line edit of WindowStyle leaves its text: its frame and Qt's
// own margin, 2 pixels each on either side.
int TextRoom(const QLineEdit& edit) { return edit.width() - 8; }

QLineEdit* Cell(BindingHarness& harness, const char* column, int row)
{
    return harness.As<QLineEdit>(std::string(column) + "(" + std::to_string(row) + ")");
}

}  // namespace

class BindingDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void NumbersShowWholeAtOneSizePerColumn_data();
    void NumbersShowWholeAtOneSizePerColumn();
    void LabelsShowTheirBeginningOrBothEndsOfAPath();
    void AReadyDriveLabelledNotReadyShowsItsSizes();
    void CellsCannotBeEditedButCanBeCopied();
    void ACutCellCopiesWhatItHolds();
    void FrenchNumbersUseOnlyTheirOwnFacesSpaces();
    void AWindowTallerThanTheScreenScrollsItsRows();
    void EscapeClosesTheAboutWindow();
    void RowsShowTheirDetailsAsToolTips();
    void DoubleClickOpensTheFolderOfADriveRowOnly();
    void ScreenReadersHearRolesSentencesAndBarValues();
};

void BindingDisplayTest::NumbersShowWholeAtOneSizePerColumn_data()
{
    QTest::addColumn<QString>("switches");
    QTest::newRow("megabytes") << QString(EveryCategory);
    QTest::newRow("gigabytes") << QString(EveryCategory) + " -UGb";
}

void BindingDisplayTest::NumbersShowWholeAtOneSizePerColumn()
{
    QFETCH(QString, switches);
    BindingHarness harness(switches.toStdString(), BigDrives);
    const int rows = harness.Form().LastTable().DriveRowCount;
    bool shrunk = false;
    for (const char* column : {"Text1", "Text3", "Text4", "Text5", "Text6"}) {
        const double size = Cell(harness, column, 1)->font().pointSizeF();
        for (int row = 1; row <= rows; ++row) {
            const QLineEdit* edit = Cell(harness, column, row);
            const brelvon::Control& model = *harness.Model().Find(edit->objectName().toStdString());
            const QString where = edit->objectName() + " " + edit->text();
            QVERIFY2(QFontMetricsF(edit->font()).horizontalAdvance(edit->text()) <= TextRoom(*edit), qPrintable(where));
            // Every character, a summary's sigma and a letter's padding blanks aside.
            QVERIFY2(edit->text().remove(QChar(0x03A3)).trimmed() ==
                         QString::fromStdString(model.Text).remove('S').trimmed(),
                     qPrintable(where));
            QVERIFY2(edit->font().pointSizeF() == size, qPrintable(where));
            QVERIFY2((edit->alignment() & Qt::AlignHorizontal_Mask) ==
                         (column == std::string("Text1") ? Qt::AlignHCenter : Qt::AlignRight),
                     qPrintable(where));
            QCOMPARE(model.FontSize, 9.0);  // the model keeps the described size
        }
        shrunk = shrunk || size < 9;
    }
    QVERIFY(shrunk);
    QCOMPARE(Cell(harness, "Text1", 1)->font().pointSizeF(), 9.0);  // a letter needs no room for its blanks
    QCOMPARE(Cell(harness, "Text6", 1)->font().pointSizeF(), 9.0);  // a column that fits keeps its size
}

void BindingDisplayTest::LabelsShowTheirBeginningOrBothEndsOfAPath()
{
    BindingHarness harness(EveryCategory, BigDrives);
    std::map<std::string, QString> shown;
    for (int row = 1; row <= harness.Form().LastTable().DriveRowCount; ++row) {
        const QLineEdit* edit = Cell(harness, "Text2", row);
        QVERIFY(QFontMetricsF(edit->font()).horizontalAdvance(edit->text()) <= TextRoom(*edit));
        shown[harness.Form().LastTable().Row(row).RowLabel] = edit->text();
        // The whole label is in the tool tip.
        QVERIFY(edit->toolTip().contains(QString::fromStdString(harness.Form().LastTable().Row(row).RowLabel)));
    }
    const QString label = shown.at("HOLIDAY PHOTOS 2024 - SD CARD 128 GB (2)");
    QVERIFY2(label.startsWith(" HOLIDAY") && label.endsWith(QChar(0x2026)), qPrintable(label));
    const QString share = shown.at("//nas.example.com/partage");
    QVERIFY2(share.startsWith(" //") && share.endsWith(QString(QChar(0x2026)) + "/partage"), qPrintable(share));
    const QString mount = shown.at("/media/ann/Photos of the summer/2024");
    QVERIFY2(mount.startsWith(" /me") && mount.endsWith(QString(QChar(0x2026)) + "/2024"), qPrintable(mount));
    QCOMPARE(shown.at("SYSTEM"), QStringLiteral(" SYSTEM"));
    // The model keeps the whole label.
    QCOMPARE(harness.ModelControl("Text2(1)").Text, std::string(" SYSTEM"));
}

void BindingDisplayTest::AReadyDriveLabelledNotReadyShowsItsSizes()
{
    BindingHarness harness("-Cd1", "../tests/data/drives/labelled-not-ready.json");
    QCOMPARE(Cell(harness, "Text2", 1)->text(), QStringLiteral(" (not ready)"));
    QCOMPARE(Cell(harness, "Text3", 1)->text(), QStringLiteral("1,000 "));
    QCOMPARE(Cell(harness, "Text3", 1)->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(!Cell(harness, "Text2", 1)->font().italic());
    QVERIFY(harness.Widget("Lab1(1)")->width() > 0);
    QVERIFY(harness.Widget("Lin1(1)")->isVisible());
    // The drive that is not ready still shows so.
    QCOMPARE(Cell(harness, "Text3", 4)->text(), QStringLiteral("- "));
    QCOMPARE(Cell(harness, "Text3", 4)->palette().color(QPalette::Text), QColor(128, 128, 128));
}

void BindingDisplayTest::CellsCannotBeEditedButCanBeCopied()
{
    BindingHarness harness;
    QLineEdit* size = Cell(harness, "Text3", 1);
    QVERIFY(size->isReadOnly());
    QCOMPARE(size->focusPolicy(), Qt::StrongFocus);
    harness.ClickOn("Text3(1)");
    QTest::keyClicks(size, "999");
    QCOMPARE(size->text(), QStringLiteral("250,057 "));
    QCOMPARE(harness.ModelControl("Text3(1)").Text, std::string("250,057 "));
    // A click puts the caret in the cell: Ctrl+C copies the whole cell, and a
    // selection what it takes, never the blanks that pad the cell.
    QVERIFY(!size->hasSelectedText());
    QApplication::clipboard()->clear();
    QTest::keyClick(size, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("250,057"));
    size->setSelection(4, 4);
    QTest::keyClick(size, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("057"));
    // The limits stay editable.
    QVERIFY(!harness.As<QLineEdit>("TextBlue")->isReadOnly());
}

void BindingDisplayTest::ACutCellCopiesWhatItHolds()
{
    BindingHarness harness(EveryCategory, BigDrives);
    const std::string whole = " HOLIDAY PHOTOS 2024 - SD CARD 128 GB (2)";
    QLineEdit* label = nullptr;
    for (int row = 1; row <= harness.Form().LastTable().DriveRowCount && label == nullptr; ++row) {
        if (harness.ModelControl("Text2(" + std::to_string(row) + ")").Text == whole)
            label = Cell(harness, "Text2", row);
    }
    QVERIFY(label != nullptr && label->text().endsWith(QChar(0x2026)));
    QApplication::clipboard()->clear();
    label->setFocus();
    QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(whole).trimmed());

    // The cell's menu copies the same way: here the selection from "PH" on.
    label->setSelection(static_cast<int>(label->text().indexOf("PH")), 100);
    QApplication::clipboard()->clear();
    bool copied = false;
    QTimer::singleShot(0, [&copied] {
        QWidget* menu = QApplication::activePopupWidget();
        if (menu == nullptr) return;
        for (QAction* action : menu->actions()) {
            if (!action->text().startsWith(QLineEdit::tr("&Copy"))) continue;
            action->trigger();
            copied = true;
        }
        menu->close();
    });
    QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(label, &menuAsked);
    QVERIFY(copied);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("PHOTOS 2024 - SD CARD 128 GB (2)"));

    // A cell shown whole copies as it shows.
    QLineEdit* system = Cell(harness, "Text2", 1);
    system->setFocus();
    QTest::keyClick(system, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(system, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), system->text().trimmed());
}

void BindingDisplayTest::FrenchNumbersUseOnlyTheirOwnFacesSpaces()
{
    BindingHarness harness(std::string(EveryCategory) + " -LFr", BigDrives, brelvon::NumberLocale(",", "\u202F"));
    QVERIFY(harness.ModelControl("Text3(1)").Text.find("\u202F") != std::string::npos);
    int grouped = 0;
    for (int row = 1; row <= harness.Form().LastTable().DriveRowCount; ++row) {
        for (const char* column : {"Text3", "Text4", "Text5"}) {
            const QLineEdit* edit = Cell(harness, column, row);
            // A character the face lacks would come from another face, on another baseline.
            const QRawFont face = QRawFont::fromFont(edit->font());
            for (const QChar character : edit->text()) {
                QVERIFY2(face.supportsCharacter(character), qPrintable(edit->objectName() + " " + edit->text()));
            }
            if (edit->text().contains(QChar(0x00A0))) ++grouped;
        }
    }
    QVERIFY(grouped > 10);
}

void BindingDisplayTest::AWindowTallerThanTheScreenScrollsItsRows()
{
    BindingHarness harness("", "../tests/data/drives/twenty-four.json");
    QWidget& window = harness.Window();
    const QRect area = window.screen()->availableGeometry();
    // The frame the window has, but never less than the usual one.
    const int frame = std::max(window.frameGeometry().height() - window.height(),
                               harness.Pixels(brelvon::Form::FrameExtraHeight));
    const auto designHeight = [&] { return harness.Pixels(harness.Model().ClientAreaHeight()); };
    const bool smallScreen = qEnvironmentVariableIsSet("BRELVON_SMALL_SCREEN");

    // Ticking every category later grows the window again.
    for (const char* box : {"CheckNet", "CheckRemov", "CheckCD"}) harness.ClickOn(box);
    BindingHarness::Settle();
    QScrollArea* band = harness.Binding().Main().Band();
    QVERIFY(band != nullptr);
    const bool fits = designHeight() + frame <= area.height();
    QCOMPARE(fits, !smallScreen);
    QVERIFY(window.frameGeometry().top() >= area.top());
    QVERIFY(window.frameGeometry().bottom() <= area.bottom());
    QCOMPARE(window.height(), fits ? designHeight() : area.height() - frame);
    QCOMPARE(band->verticalScrollBar()->maximum() > 0, !fits);

    // Both strips stay in view: the headings at their place, the bottom
    // buttons inside the window, below the band.
    QCOMPARE(harness.Widget("Label3")->y(), harness.Pixels(harness.ModelControl("Label3").Top));
    const QWidget* exit = harness.Widget("ButExit");
    QVERIFY(exit->isVisible());
    QVERIFY(exit->geometry().bottom() < window.height());
    QVERIFY(exit->y() >= band->geometry().bottom());
    // The last row is reached by scrolling.
    const int last = harness.Form().LastTable().DriveRowCount;
    band->verticalScrollBar()->setValue(band->verticalScrollBar()->maximum());
    QWidget* lastCell = harness.Widget("Text2(" + std::to_string(last) + ")");
    const QPoint inBand = lastCell->mapTo(band->viewport(), QPoint(0, lastCell->height() - 1));
    QVERIFY(band->viewport()->rect().contains(inBand));
    QCOMPARE(harness.ModelControl("ButExit").Top > harness.ModelControl("Text2(" + std::to_string(last) + ")").Top,
             true);  // the model keeps the design's places
}

void BindingDisplayTest::EscapeClosesTheAboutWindow()
{
    BindingHarness harness;
    harness.ClickOn("ButAbout");
    QVERIFY(harness.Binding().About() != nullptr);
    QWidget* about = harness.Binding().About()->Window();
    QTest::keyClick(about, Qt::Key_Escape);
    BindingHarness::Settle();
    QVERIFY(harness.Form().About() == nullptr || !harness.Form().About()->Window.Visible);
    QVERIFY(harness.Binding().About() == nullptr);
    // Escape in the main window closes nothing.
    QTest::keyClick(&harness.Window(), Qt::Key_Escape);
    QVERIFY(!harness.ProgramEnded());
}

void BindingDisplayTest::RowsShowTheirDetailsAsToolTips()
{
    BindingHarness harness(EveryCategory, BigDrives);
    const brelvon::DriveTable& table = harness.Form().LastTable();
    for (int row = 1; row <= table.DriveRowCount; ++row) {
        const QString expected =
            QString::fromStdString(brelvon::RowToolTip(table, row, harness.Model(), harness.Form().Locale()));
        QVERIFY(!expected.isEmpty());
        for (const char* part : {"Text1", "Text4", "Lab1", "Lab2"}) {
            const std::string name = std::string(part) + "(" + std::to_string(row) + ")";
            QVERIFY2(harness.Widget(name)->toolTip() == expected, name.c_str());
        }
    }
    QVERIFY(harness.Widget("Text3(1)")->toolTip().contains("Mount point: /\n"));
    QVERIFY(harness.Widget("Label3")->toolTip().isEmpty());
}

void BindingDisplayTest::DoubleClickOpensTheFolderOfADriveRowOnly()
{
    BindingHarness harness(EveryCategory, BigDrives);
    std::vector<std::string> opened;
    harness.Binding().SetFolderOpener([&opened](const std::string& folder) { opened.push_back(folder); });
    const int refreshes = harness.Refreshes();
    const brelvon::DriveTable& table = harness.Form().LastTable();
    int notReady = 0;
    int summary = 0;
    for (int row = 1; row <= table.DriveRowCount; ++row) {
        if (!table.Row(row).Ready) notReady = row;
        if (table.Row(row).IsSummary()) summary = row;
    }
    QTest::mouseDClick(harness.Widget("Text2(1)"), Qt::LeftButton);
    QTest::mouseDClick(harness.Widget("Lab2(1)"), Qt::LeftButton);
    QTest::mouseDClick(harness.Widget("Text3(" + std::to_string(notReady) + ")"), Qt::LeftButton);
    QTest::mouseDClick(harness.Widget("Text3(" + std::to_string(summary) + ")"), Qt::LeftButton);
    QCOMPARE(opened, (std::vector<std::string>{"/", "/"}));
    QCOMPARE(harness.Refreshes(), refreshes);  // no handler of the window ran
}

void BindingDisplayTest::ScreenReadersHearRolesSentencesAndBarValues()
{
    BindingHarness harness(EveryCategory, BigDrives);
    harness.Model().ForEachControl([&](const brelvon::Control& control) {
        if (control.Kind == brelvon::ControlKind::Form) return;
        QAccessibleInterface* widget = QAccessible::queryAccessibleInterface(harness.Widget(control.FullName()));
        QVERIFY2(widget != nullptr, control.FullName().c_str());
        const QAccessible::Role role = brelvon::ModelAccessible::ToQtRole(brelvon::AccessibleNames::RoleOf(control));
        QVERIFY2(widget->role() == role, control.FullName().c_str());
    });
    // The sentence is said once, by the row, which holds the row's cells and bar.
    const QString sentence = QStringLiteral("C, SYSTEM, 256,061 megabytes, 98,120 free, 62 percent used");
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&harness.Window());
    QAccessibleInterface* row = nullptr;
    for (int i = 0; i < window->childCount() && row == nullptr; ++i) {
        if (window->child(i)->role() == QAccessible::Row) row = window->child(i);
    }
    QVERIFY(row != nullptr);
    QCOMPARE(row->text(QAccessible::Name), sentence);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(harness.Widget("Text4(1)"));
    QVERIFY(row->indexOfChild(cell) >= 0);
    QVERIFY(!cell->text(QAccessible::Description).contains(sentence));  // Qt gives the tool tip
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(harness.Widget("Lab1(1)"));
    QCOMPARE(row->child(row->childCount() - 1), bar);
    QVERIFY(bar->valueInterface() != nullptr);
    QCOMPARE(bar->valueInterface()->currentValue().toInt(), 62);
    QCOMPARE(bar->valueInterface()->maximumValue().toInt(), 100);
}

QTEST_MAIN(BindingDisplayTest)
#include "BindingDisplayTest.moc"
