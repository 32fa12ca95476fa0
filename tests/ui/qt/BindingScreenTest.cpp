// What the window shows is what a fresh start in the same state shows, after
// any sequence of the user's actions and the machine's changes; and every
// visible part of every control takes its click.
#include "BindingHarness.h"

#include "ui/shared/Stacking.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QRegion>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>

using brelvon::test::BindingHarness;

namespace {

// The drives the machine may have: the sample's, and more of every kind, one
// of them not ready, 24 in all; each machine change keeps some of them.
std::vector<brelvon::DriveRecord> DrivePool()
{
    std::vector<brelvon::DriveRecord> pool = BindingHarness::DrivesOf("sample-drives.json");
    const brelvon::DriveType types[] = {brelvon::DriveType::Fixed, brelvon::DriveType::Removable,
                                        brelvon::DriveType::Network, brelvon::DriveType::CdRom};
    for (char letter = 'I'; letter <= 'Z'; ++letter) {
        brelvon::DriveRecord drive;
        const int n = letter - 'I';
        drive.Letter = letter;
        drive.Type = types[n % 4];
        drive.Ready = letter != 'L';
        drive.Label = std::string("VOL") + letter;
        drive.TotalBytes = drive.Ready ? 40'000'000'000ULL * static_cast<std::uint64_t>(n + 1) : 0;
        drive.FreeBytes = drive.TotalBytes / 10 * static_cast<std::uint64_t>(n % 10);
        drive.Details.MountPoint = std::string("/mnt/") + letter;
        pool.push_back(drive);
    }
    return pool;
}

// The drives of the pool whose letters `letters` holds.
std::vector<brelvon::DriveRecord> DrivesNamed(const std::string& letters)
{
    std::vector<brelvon::DriveRecord> drives;
    for (const brelvon::DriveRecord& drive : DrivePool()) {
        if (letters.find(drive.Letter) != std::string::npos) drives.push_back(drive);
    }
    return drives;
}

// One action, written as the tables write it:
//   "click NAME"        a left click in the middle of a control
//   "type NAME TEXT"    a click into a limit box, its text replaced by TEXT, then Enter
//   "tab N"             Tab pressed N times
//   "drives LETTERS"    the machine's drives are now those of the pool with these letters
void Perform(BindingHarness& harness, std::string& letters, const std::string& action)
{
    std::istringstream words(action);
    std::string verb;
    std::string name;
    words >> verb >> name;
    if (verb == "click") {
        harness.ClickOn(name);
    } else if (verb == "type") {
        std::string text;
        words >> text;
        harness.ClickOn(name);
        QWidget* box = harness.Widget(name);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QString::fromStdString(text));
        QTest::keyClick(box, Qt::Key_Return);
    } else if (verb == "tab") {
        for (int i = std::stoi(name); i > 0; --i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } else if (verb == "drives") {
        letters = name == "-" ? std::string() : name;
        harness.MachineChanged(DrivesNamed(letters));
    } else {
        QFAIL(("unknown action " + action).c_str());
    }
    BindingHarness::Settle();
}

// The switches that start a window in the state that this one reached.
std::string SwitchesOf(BindingHarness& harness)
{
    brelvon::MainWindow& window = harness.Model();
    std::string switches;
    if (window.CheckNet.Value == 1) switches += " -Nd1";
    if (window.CheckRemov.Value == 1) switches += " -Rd1";
    if (window.CheckCD.Value == 1) switches += " -Cd1";
    if (!window.MegabytesSelected()) switches += " -UGb";
    if (!window.EnglishSelected()) switches += " -LFr";
    switches += " -Mn" + std::to_string(harness.Form().State().BlueLimit);
    switches += " -Mx" + std::to_string(harness.Form().State().RedLimit);
    return switches;
}

// The window's own pixels, with the keyboard focus parked where a fresh start puts it.
QImage Pixels(BindingHarness& harness)
{
    harness.Widget("ButFocus")->setFocus(Qt::OtherFocusReason);
    BindingHarness::Settle();
    return harness.Window().grab().toImage();
}

// Runs the actions, then compares the window with a fresh start in the state
// they reached; on a difference, both images are kept and named.
void VerifyMatchesAFreshStart(const std::vector<std::string>& actions, const std::string& context)
{
    std::string letters = "CDEFGH";
    BindingHarness acted("", DrivesNamed(letters));
    std::string done;
    for (const std::string& action : actions) {
        Perform(acted, letters, action);
        done += "\n  " + action;
        if (QTest::currentTestFailed()) return;
    }
    const QImage shown = Pixels(acted);
    const std::string switches = SwitchesOf(acted);
    BindingHarness fresh(switches, DrivesNamed(letters));
    const QImage expected = Pixels(fresh);
    if (shown == expected) return;
    const QString kept = QDir::temp().filePath(QStringLiteral("brelvon-screen-%1").arg(QCoreApplication::applicationPid()));
    shown.save(kept + "-acted.png");
    expected.save(kept + "-fresh.png");
    const std::string message = context + ": the window differs from a fresh start with" + switches + " and drives " +
                                letters + " (" + kept.toStdString() + "-{acted,fresh}.png) after:" + done;
    QFAIL(message.c_str());
}

const char* const Clickable[] = {"ButBlueMin", "ButBlueMax", "ButRedMin", "ButRedMax", "CheckNet",   "CheckRemov",
                                 "CheckCD",    "OptMb",      "OptGb",     "OptLang(1)", "OptLang(2)", "ButCopy"};

std::vector<std::string> RandomActions(std::mt19937& random, int count)
{
    std::vector<std::string> actions;
    const auto pick = [&random](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
    for (int i = 0; i < count; ++i) {
        switch (pick(5)) {
        case 0:
        case 1: actions.push_back(std::string("click ") + Clickable[pick(std::size(Clickable))]); break;
        case 2:
            actions.push_back(std::string("type ") + (pick(2) == 0 ? "TextBlue " : "TextRed ") + std::to_string(pick(101)));
            break;
        case 3: actions.push_back("tab " + std::to_string(1 + pick(6))); break;
        default: {
            std::string letters;
            for (const brelvon::DriveRecord& drive : DrivePool()) {
                if (pick(3) != 0) letters += drive.Letter;
            }
            actions.push_back("drives " + (letters.empty() ? std::string("-") : letters));
        }
        }
    }
    return actions;
}

// The largest rectangle of a region.
QRect LargestPart(const QRegion& region)
{
    QRect largest;
    for (const QRect& part : region) {
        if (part.width() * part.height() > largest.width() * largest.height()) largest = part;
    }
    return largest;
}

}  // namespace

class BindingScreenTest : public QObject {
    Q_OBJECT

private slots:
    void ScreenMatchesAFreshStart_data();
    void ScreenMatchesAFreshStart();
    void RandomSequencesMatchAFreshStart();
    void EveryVisiblePartTakesItsClick_data();
    void EveryVisiblePartTakesItsClick();
};

void BindingScreenTest::ScreenMatchesAFreshStart_data()
{
    QTest::addColumn<QStringList>("actions");
    // clang-format off
    QTest::newRow("steps of both limits") << QStringList{"click ButBlueMax", "click ButBlueMax", "click ButRedMin"};
    QTest::newRow("typed limits") << QStringList{"type TextBlue 70", "type TextRed 40"};
    QTest::newRow("limits to the ends") << QStringList{"type TextBlue 0", "type TextRed 100", "click ButRedMax"};
    QTest::newRow("categories on and off") << QStringList{"click CheckNet", "click CheckCD", "click CheckRemov", "click CheckCD"};
    QTest::newRow("unit and back") << QStringList{"click OptGb", "click OptMb", "click OptGb"};
    QTest::newRow("French and back") << QStringList{"click OptLang(2)", "click CheckRemov", "click OptLang(1)"};
    QTest::newRow("French") << QStringList{"click OptLang(2)", "type TextRed 50"};
    QTest::newRow("tabbing") << QStringList{"click CheckNet", "tab 5", "click ButBlueMin", "tab 3"};
    QTest::newRow("drives come") << QStringList{"click CheckNet", "click CheckRemov", "drives CDEFGHIJKMN"};
    QTest::newRow("every drive") << QStringList{"click CheckNet", "click CheckRemov", "click CheckCD", "drives CDEFGHIJKLMNOPQRSTUVWXYZ", "tab 9"};
    QTest::newRow("drives go") << QStringList{"click CheckCD", "drives CE", "drives -", "drives CDH"};
    QTest::newRow("refresh changes nothing") << QStringList{"drives CDEFGH", "drives CDEFGH"};
    QTest::newRow("copy") << QStringList{"click OptGb", "click ButCopy"};
    // clang-format on
}

void BindingScreenTest::ScreenMatchesAFreshStart()
{
    QFETCH(QStringList, actions);
    std::vector<std::string> list;
    for (const QString& action : actions) list.push_back(action.toStdString());
    VerifyMatchesAFreshStart(list, QTest::currentDataTag());
}

void BindingScreenTest::RandomSequencesMatchAFreshStart()
{
    // BRELVON_SEED repeats a run that failed.
    const char* given = std::getenv("BRELVON_SEED");
    const unsigned first = given != nullptr ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : std::random_device{}();
    const int sequences = given != nullptr ? 1 : 6;
    for (int i = 0; i < sequences; ++i) {
        const unsigned seed = first + static_cast<unsigned>(i);
        std::mt19937 random(seed);
        VerifyMatchesAFreshStart(RandomActions(random, 8), "seed " + std::to_string(seed) + " (BRELVON_SEED)");
        if (QTest::currentTestFailed()) return;
    }
}

void BindingScreenTest::EveryVisiblePartTakesItsClick_data()
{
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QString>("control");
    const char* const controls[] = {"ButBlueMin", "ButBlueMax", "ButRedMin", "ButRedMax", "CheckNet",   "CheckRemov",
                                    "CheckCD",    "OptMb",      "OptGb",     "OptLang(1)", "OptLang(2)", "ButCopy",
                                    "ButAbout",   "ButExit",    "TextBlue",  "TextRed",    "Text2(1)",   "Text6(2)"};
    for (const char* language : {"-LEn", "-LFr"}) {
        for (const char* control : controls) {
            QTest::addRow("%s %s", control, language) << QString(language) << QString(control);
        }
    }
}

void BindingScreenTest::EveryVisiblePartTakesItsClick()
{
    QFETCH(QString, switches);
    QFETCH(QString, control);
    const std::string name = control.toStdString();

    // The part of the control that no other control with a window covers.
    BindingHarness probe(switches.toStdString());
    const brelvon::Control& target = probe.ModelControl(name);
    QWidget* widget = probe.Widget(name);
    QWidget& window = probe.Window();
    QRegion visible(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()));
    probe.Model().ForEachControl([&](const brelvon::Control& other) {
        QWidget* above = probe.Widget(other.FullName());
        if (&other == &target || other.Kind == brelvon::ControlKind::Form || brelvon::IsWindowless(other) ||
            above == nullptr || !above->isVisible() || above->parentWidget() != widget->parentWidget() ||
            brelvon::LiesBeneath(other, target)) {
            return;
        }
        visible -= QRect(above->mapTo(&window, QPoint(0, 0)), above->size());
    });
    const QRect part = LargestPart(visible);
    QVERIFY2(!part.isEmpty(), "the control is hidden whole");

    const QPoint points[] = {part.center(), part.topLeft(), part.topRight(), part.bottomLeft(), part.bottomRight()};
    for (const QPoint& point : points) {
        // A fresh window for each click, so that each one has the same to do.
        BindingHarness harness(switches.toStdString());
        const int refreshes = harness.Refreshes();
        const int value = harness.ModelControl(name).Value;
        QWindow* surface = harness.Window().windowHandle();
        QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, point);
        BindingHarness::Settle();
        const QWidget* hit = harness.Window().childAt(point);
        const std::string where = name + " at " + std::to_string(point.x()) + "," + std::to_string(point.y()) +
                                  " of " + std::to_string(part.x()) + "," + std::to_string(part.y()) + " " +
                                  std::to_string(part.width()) + "x" + std::to_string(part.height()) + ", under " +
                                  (hit != nullptr ? hit->objectName().toStdString() : "nothing");
        const brelvon::Control& clicked = harness.ModelControl(name);
        if (clicked.Kind == brelvon::ControlKind::TextBox) {
            QVERIFY2(QApplication::focusWidget() == harness.Widget(name), where.c_str());
        } else if (name == "ButExit") {
            QVERIFY2(harness.ProgramEnded(), where.c_str());
        } else if (name == "ButAbout") {
            QVERIFY2(harness.Binding().About() != nullptr, where.c_str());
        } else if (clicked.Kind == brelvon::ControlKind::CheckBox) {
            QVERIFY2(clicked.Value != value, where.c_str());
        } else {
            QVERIFY2(harness.Refreshes() > refreshes || clicked.Value != value, where.c_str());
        }
    }
}

QTEST_MAIN(BindingScreenTest)
#include "BindingScreenTest.moc"
