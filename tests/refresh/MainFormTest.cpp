#include "refresh/MainForm.h"

#include "drives/RecordedDriveService.h"
#include "model/MemoryClipboard.h"
#include "model/PlatformError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace brelvon {
namespace {

using Phase = RefreshPhase;

DriveRecord Fixed(char letter, std::uint64_t total = 100'000'000, std::uint64_t free = 50'000'000)
{
    DriveRecord record;
    record.Letter = letter;
    record.TotalBytes = total;
    record.FreeBytes = free;
    return record;
}

DriveRecord OfType(char letter, DriveType type)
{
    DriveRecord record = Fixed(letter);
    record.Type = type;
    return record;
}

// A machine whose drives a test may change between refreshes, and whose
// drive service can be made to fail.
struct Machine {
    std::vector<DriveRecord> Records{Fixed('C'), OfType('E', DriveType::CdRom)};
    bool Failing = false;
};

class MainFormTest : public testing::Test {
protected:
    void Start(const std::string& arguments = {}, std::uint16_t langId = 0x0409)
    {
        Services services;
        services.Application.ArgumentText = arguments;
        services.SystemLangId = langId;
        services.SystemClipboard = &clipboard_;
        services.Drives = [this] {
            if (machine_.Failing) throw PlatformError("drive service unavailable");
            return std::make_unique<RecordedDriveService>(
                std::make_shared<const std::vector<DriveRecord>>(machine_.Records));
        };
        services.OnUnhandledError = [this](const std::exception& error) { errors_.push_back(error.what()); };
        services.EndProgram = [this] { ++endings_; };
        form_ = std::make_unique<MainForm>(std::move(services));
        form_->ObservePhases([this](Phase phase) { phases_.push_back(phase); });
        form_->Initialize();
    }

    std::vector<Phase> ClickAndRecord(Control& control)
    {
        phases_.clear();
        form_->Click(control);
        return phases_;
    }

    MainWindow& W() { return form_->Window(); }
    const FormState& S() { return form_->State(); }

    Machine machine_;
    MemoryClipboard clipboard_;
    std::unique_ptr<MainForm> form_;
    std::vector<Phase> phases_;
    std::vector<std::string> errors_;
    int endings_ = 0;
};

TEST_F(MainFormTest, FirstRefreshRunsLayoutAndSkipsFocusAndOldRows)
{
    Start();
    EXPECT_EQ(phases_,
              (std::vector<Phase>{Phase::Caption, Phase::GeometryReset, Phase::LanguageWords, Phase::DriveSurvey,
                                  Phase::Thresholds, Phase::Rows, Phase::BottomControls, Phase::Finish}));
}

TEST_F(MainFormTest, FrenchStartAppliesCaptionsInTheFirstRefresh)
{
    Start({}, 0x040C);
    EXPECT_EQ(phases_[3], Phase::Captions);
    EXPECT_EQ(S().CaptionsPending, 0);
}

struct HandlerCase {
    const char* Control;
    std::vector<Phase> Phases;
    std::int16_t LayoutPending;
};

void PrintTo(const HandlerCase& c, std::ostream* os) { *os << c.Control; }

class Handlers : public MainFormTest, public testing::WithParamInterface<HandlerCase> {};

TEST_P(Handlers, SetTheirFlagsAndRefreshInPhaseOrder)
{
    Start();
    Control* control = W().Find(GetParam().Control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(ClickAndRecord(*control), GetParam().Phases);
    EXPECT_EQ(S().LayoutPending, GetParam().LayoutPending);
    EXPECT_EQ(S().CopyPending, 0);
    EXPECT_EQ(S().CaptionsPending, 0);
    EXPECT_TRUE(errors_.empty());
}

const std::vector<Phase> Redraw{Phase::Caption,    Phase::LanguageWords, Phase::Focus, Phase::DriveSurvey,
                                Phase::Thresholds, Phase::OldRows,       Phase::Rows,  Phase::Finish};
const std::vector<Phase> Layout{Phase::Caption,        Phase::GeometryReset, Phase::LanguageWords, Phase::Focus,
                                Phase::DriveSurvey,    Phase::Thresholds,    Phase::OldRows,       Phase::Rows,
                                Phase::BottomControls, Phase::Finish};
const std::vector<Phase> Copy{Phase::Caption,         Phase::LanguageWords, Phase::Focus,   Phase::DriveSurvey,
                              Phase::ClipboardReport, Phase::Thresholds,    Phase::OldRows, Phase::Rows,
                              Phase::Finish};
const std::vector<Phase> Language{Phase::Caption, Phase::LanguageWords, Phase::Captions,
                                  Phase::Focus,   Phase::DriveSurvey,   Phase::Thresholds,
                                  Phase::OldRows, Phase::Rows,          Phase::Finish};

// clang-format off
INSTANTIATE_TEST_SUITE_P(MainForm, Handlers,
                         testing::Values(HandlerCase{"CheckNet", Layout, -1}, HandlerCase{"CheckCD", Layout, -1},
                                         HandlerCase{"CheckRemov", Layout, -1}, HandlerCase{"OptMb", Redraw, 0},
                                         HandlerCase{"OptGb", Redraw, 0}, HandlerCase{"OptLang(1)", Language, 0},
                                         HandlerCase{"OptLang(2)", Language, 0}, HandlerCase{"ButCopy", Copy, 0},
                                         HandlerCase{"ButFocus", Redraw, 0}, HandlerCase{"ButBlueMin", Redraw, 0},
                                         HandlerCase{"ButBlueMax", Redraw, 0}, HandlerCase{"ButRedMin", Redraw, 0},
                                         HandlerCase{"ButRedMax", Redraw, 0}, HandlerCase{"ButAbout", {}, -1},
                                         HandlerCase{"LabTit1", {}, -1}, HandlerCase{"LabTit2", {}, -1},
                                         HandlerCase{"Label3", {}, -1}, HandlerCase{"Text2(1)", {}, -1}),
                         [](const testing::TestParamInfo<HandlerCase>& info) {
                             std::string name = info.param.Control;
                             std::erase_if(name, [](char c) { return c == '(' || c == ')'; });
                             return name;
                         });
// clang-format on

TEST_F(MainFormTest, EveryActionThatRefreshesOrOpensAboutParksTheFocus)
{
    Start();
    for (const char* name :
         {"CheckNet", "OptGb", "OptLang(2)", "ButCopy", "ButBlueMin", "ButRedMax", "ButAbout", "LabTit2"}) {
        form_->Type(W().TextBlue, "20");
        ASSERT_EQ(W().Focus(), &W().TextBlue);
        form_->Click(*W().Find(name));
        EXPECT_EQ(W().Focus(), &W().ButFocus) << name;
    }
}

TEST_F(MainFormTest, AboutIsShownOnceAndExitUnloadsBothWindows)
{
    Start();
    form_->Click(W().ButAbout);
    AboutWindow* about = form_->About();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->Window.Visible);
    form_->Click(W().LabTit1);
    EXPECT_EQ(form_->About(), about);
    form_->Click(W().ButExit);
    EXPECT_EQ(form_->About(), nullptr);
    EXPECT_FALSE(W().Window.Visible);
    EXPECT_TRUE(form_->Ended());
    EXPECT_EQ(endings_, 1);
    form_->Click(W().ButFocus);
    EXPECT_EQ(endings_, 1);
}

TEST_F(MainFormTest, ExitWorksWithoutTheAboutWindowEverShown)
{
    Start();
    form_->Click(W().ButExit);
    EXPECT_EQ(endings_, 1);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(MainFormTest, CopyPutsTheReportOnTheClipboardEachTime)
{
    Start();
    EXPECT_FALSE(clipboard_.Text().has_value());
    form_->Click(W().ButCopy);
    ASSERT_TRUE(clipboard_.Text().has_value());
    EXPECT_EQ(clipboard_.Text()->rfind("Brelvon v1.26\r\n\r\n", 0), 0U);
    clipboard_.Clear();
    form_->Click(W().ButCopy);
    EXPECT_TRUE(clipboard_.Text().has_value());
    form_->Click(W().ButFocus);
    EXPECT_TRUE(clipboard_.Text().has_value());
}

TEST_F(MainFormTest, AServiceErrorAbandonsTheRefreshKeepsWhatChangedAndReachesTheHook)
{
    Start("-Cd1");
    ASSERT_EQ(W().Lab1.UpperBound(), 5);
    machine_.Failing = true;
    W().Window.Text = "stale";
    form_->Click(W().OptLang(2));
    ASSERT_EQ(errors_, std::vector<std::string>{"drive service unavailable"});
    EXPECT_EQ(W().Window.Text, "Brelvon v1.26");  // phase 1 ran
    EXPECT_EQ(W().Label1.Text, "Disq.");          // phase 4 ran
    EXPECT_EQ(S().CaptionsPending, 0);
    EXPECT_EQ(W().Lab1.UpperBound(), 5);  // the rows were not touched
    EXPECT_TRUE(form_->Ended());
    form_->Click(W().ButFocus);  // nothing runs after the program ended
    EXPECT_EQ(errors_.size(), 1U);
}

TEST_F(MainFormTest, AStepWithoutLayoutLeavesTheHeightWhenTheRowCountChanged)
{
    Start();
    const int height = W().Window.Height;
    const int framEnd = W().FramEnd.Top;
    machine_.Records.push_back(Fixed('D'));
    machine_.Records.push_back(Fixed('F'));
    form_->Click(W().ButRedMin);
    EXPECT_EQ(W().Window.Height, height);
    EXPECT_EQ(W().FramEnd.Top, framEnd);
    EXPECT_EQ(W().Text1.UpperBound(), 4);
    EXPECT_EQ(W().TextRed.Tag, "4");
    // The next layout takes them in.
    form_->Click(W().CheckNet);
    EXPECT_EQ(W().Window.Height, height + 2 * 330);
}

TEST_F(MainFormTest, NoControlOfAnOldRowSurvivesManyRefreshes)
{
    Start("-Cd1 -Rd1 -Nd1");
    for (int round = 0; round < 50; ++round) {
        machine_.Records.resize(static_cast<std::size_t>(1 + round % 5), Fixed('Z'));
        for (std::size_t i = 0; i < machine_.Records.size(); ++i)
            machine_.Records[i].Letter = static_cast<char>('C' + i);
        form_->Click(round % 2 == 0 ? W().ButFocus : W().CheckNet);
        const int rows = form_->LastTable().DriveRowCount;
        int elements = 0;
        W().ForEachControl(
            [&elements](const Control& control) { elements += control.Index >= 2 && control.Name != "OptLang"; });
        EXPECT_EQ(elements, 10 * (rows - 1)) << "round " << round;
    }
}

TEST_F(MainFormTest, HandlersIgnoreClicksWhileLoading)
{
    // Start-up raises Loading while it applies switches; a click arriving then changes no flag.
    Start();
    const auto layout = S().LayoutPending;
    EXPECT_EQ(S().Loading, 0);
    form_->Click(W().OptMb);
    EXPECT_EQ(S().LayoutPending, 0);
    EXPECT_NE(layout, S().LayoutPending);
}

TEST_F(MainFormTest, TypingIsLimitedToThreeCharactersAndRunsNoRefresh)
{
    Start();
    phases_.clear();
    form_->Type(W().TextRed, "1234");
    EXPECT_EQ(W().TextRed.Text, "123");
    form_->Type(W().TextRed, "éàü!");
    EXPECT_EQ(W().TextRed.Text, "éàü");
    EXPECT_TRUE(phases_.empty());
}

}  // namespace
}  // namespace brelvon

namespace brelvon {
namespace {

// A refresh the machine causes, while the user has half typed a blue limit.
struct MachineCase {
    const char* Name;
    std::vector<DriveRecord> Before;
    std::vector<DriveRecord> After;
    int RowsAdded;
    const char* FreeOfC;  // what the free-space cell of C shows afterwards
};

void PrintTo(const MachineCase& c, std::ostream* os) { *os << c.Name; }

class MachineChanges : public MainFormTest, public testing::WithParamInterface<MachineCase> {};

TEST_P(MachineChanges, FollowTheRowsButLeaveFocusTypingFlagsAndClipboard)
{
    machine_.Records = GetParam().Before;
    Start();
    form_->Type(W().TextBlue, "4");
    const int height = W().Window.Height;
    const int rows = form_->LastTable().DriveRowCount;
    const FormState before = S();
    machine_.Records = GetParam().After;
    phases_.clear();

    form_->MachineChanged();

    EXPECT_EQ(form_->LastTable().DriveRowCount, rows + GetParam().RowsAdded);
    EXPECT_EQ(W().TextRed.Tag, std::to_string(rows + GetParam().RowsAdded));
    const int pitch = GetParam().RowsAdded * 330;  // rows of one category
    EXPECT_EQ(W().Window.Height, height + pitch);
    const Control& last = W().Text1(rows + GetParam().RowsAdded);
    EXPECT_GE(W().ButExit.Top, last.Top + last.Height);
    EXPECT_EQ(W().Text4(1).Text, GetParam().FreeOfC);
    EXPECT_EQ(W().TextBlue.Text, "4");
    EXPECT_EQ(W().Focus(), &W().TextBlue);
    EXPECT_EQ(S().BlueLimit, before.BlueLimit);
    EXPECT_EQ(S().LayoutPending, before.LayoutPending);
    EXPECT_FALSE(clipboard_.Text().has_value());
    EXPECT_EQ(form_->About(), nullptr);
    const bool laidOut = GetParam().RowsAdded != 0;
    EXPECT_EQ(std::count(phases_.begin(), phases_.end(), Phase::GeometryReset), laidOut ? 1 : 0);
    EXPECT_EQ(std::count(phases_.begin(), phases_.end(), Phase::Focus), 0);
    EXPECT_EQ(std::count(phases_.begin(), phases_.end(), Phase::ClipboardReport), 0);
    EXPECT_TRUE(errors_.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(MainForm, MachineChanges, testing::Values(
    MachineCase{"ANewDriveAddsARowAndGrowsTheWindow", {Fixed('C')}, {Fixed('C'), Fixed('D')}, 1, "50 "},
    MachineCase{"ARemovedDriveTakesItsRowAndShrinksTheWindow", {Fixed('C'), Fixed('D'), Fixed('F')}, {Fixed('C'), Fixed('F')}, -1, "50 "},
    MachineCase{"ASizeChangeAloneKeepsTheHeight", {Fixed('C'), Fixed('D')}, {Fixed('C', 100'000'000, 7'000'000), Fixed('D')}, 0, "7 "}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

TEST_F(MainFormTest, AMachineChangeAfterTheEndDoesNothing)
{
    Start();
    form_->Click(W().ButExit);
    phases_.clear();
    form_->MachineChanged();
    EXPECT_TRUE(phases_.empty());
}

}  // namespace
}  // namespace brelvon
