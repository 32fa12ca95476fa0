#include "refresh/MainForm.h"

#include "model/PlatformError.h"
#include "refresh/Captions.h"
#include "refresh/RowLayout.h"
#include "refresh/StartUpSwitches.h"
#include "refresh/Thresholds.h"
#include "report/ClipboardReport.h"
#include "survey/DriveSurvey.h"
#include "text/TextCleaning.h"

#include <string>

namespace brelvon {

namespace {

constexpr int LanguageIdMask = 0xFFF;
constexpr int FrenchOfFrance = 0x40C;

// Limits the text a user can type to a box's maximum length in characters.
std::string LimitLength(const std::string& text, int maxLength)
{
    if (maxLength <= 0) return text;
    return std::string(Utf8Prefix(text, static_cast<std::size_t>(maxLength)));
}

// Which rows a table has, in order: what the window's height depends on.
std::vector<std::pair<int, std::string>> RowsOf(const DriveTable& table)
{
    std::vector<std::pair<int, std::string>> rows;
    rows.reserve(static_cast<std::size_t>(table.DriveRowCount));
    for (int i = 1; i <= table.DriveRowCount; ++i) rows.emplace_back(table.Row(i).RowKind, table.Row(i).Letter);
    return rows;
}

// The captions of the six column headings, which the report repeats.
ReportHeadingTexts ReportHeadings(const MainWindow& window)
{
    return {window.Label1.Text, window.Label2.Text, window.Label3.Text,
            window.Label4.Text, window.Label5.Text, window.Label6.Text};
}

}  // namespace

MainForm::MainForm(Services services) : services_(std::move(services)) {}

void MainForm::RunGuarded(const std::function<void()>& action)
{
    if (ended_) return;
    running_ = true;
    try {
        action();
    } catch (const std::exception& error) {
        ended_ = true;
        if (services_.OnUnhandledError) services_.OnUnhandledError(error);
    }
    running_ = false;
}

void MainForm::Initialize(bool copyReport)
{
    RunGuarded([this, copyReport] {
        MainWindow& w = window_;
        // 1. The geometry that later refreshes restore.
        w.Window.Tag = std::to_string(w.Window.Height);
        for (Control* bottom : {&w.ButExit, &w.ButAbout, &w.FramEnd, &w.OptLang(1), &w.OptLang(2)}) {
            bottom->Tag = std::to_string(bottom->Top);
        }
        for (Control* moved : {&w.Lab51, &w.Lab53, &w.ButRedMin, &w.CheckRemov})
            moved->Tag = std::to_string(moved->Left);

        // 2. Defaults: fixed drives and RAM disks only, megabytes, English.
        w.CheckNet.Value = 0;
        w.CheckRemov.Value = 0;
        w.CheckCD.Value = 0;
        w.SelectOption(w.OptMb);
        w.SelectOption(w.OptLang(1));

        // 3. Flags.
        state_.FormReady = FormState::Clear;
        state_.LayoutPending = FormState::Raised;
        state_.CaptionsPending = FormState::Clear;
        state_.Loading = FormState::Clear;
        state_.CopyPending = FormState::Clear;

        // 4. System language: the low 12 bits of the LANGID name French of France.
        if ((services_.SystemLangId & LanguageIdMask) == FrenchOfFrance) {
            w.SelectOption(w.OptLang(2));
            state_.CaptionsPending = FormState::Raised;
            state_.LayoutPending = FormState::Raised;
        }

        // 5. Switches, in this order; Loading is raised before each takes effect.
        const std::string_view text = SwitchText(services_.Application.ArgumentText, services_.Application.ExeName);
        struct BoxSwitch {
            std::string_view Name;
            Control* Box;
            int Value;
        };
        for (const BoxSwitch& option : {BoxSwitch{"-Nd1", &w.CheckNet, 1}, BoxSwitch{"-Nd0", &w.CheckNet, 0},
                                        BoxSwitch{"-Rd1", &w.CheckRemov, 1}, BoxSwitch{"-Rd0", &w.CheckRemov, 0},
                                        BoxSwitch{"-Cd1", &w.CheckCD, 1}, BoxSwitch{"-Cd0", &w.CheckCD, 0}}) {
            if (!HasSwitch(text, option.Name)) continue;
            state_.Loading = FormState::Raised;
            option.Box->Value = option.Value;
        }
        for (const auto& [name, unit] : {std::pair{"-UMb", &w.OptMb}, std::pair{"-UGb", &w.OptGb}}) {
            if (!HasSwitch(text, name)) continue;
            state_.Loading = FormState::Raised;
            w.SelectOption(*unit);
        }
        for (const auto& [name, index] : {std::pair{"-LEn", 1}, std::pair{"-LFr", 2}}) {
            if (!HasSwitch(text, name)) continue;
            state_.Loading = FormState::Raised;
            w.SelectOption(w.OptLang(index));
            state_.CaptionsPending = FormState::Raised;
            state_.LayoutPending = FormState::Raised;
        }
        for (const auto& [name, limit] :
             {std::pair{"-Mn", &state_.CmdBlueLimit}, std::pair{"-Mx", &state_.CmdRedLimit}}) {
            const LimitSwitch read = ReadLimitSwitch(text, name);
            if (!read.Occurs) continue;
            if (read.ReadNumber) state_.Loading = FormState::Raised;
            *limit = read.Value;
        }

        // 6. The first refresh.
        state_.Loading = FormState::Clear;
        if (copyReport) state_.CopyPending = FormState::Raised;
        RefreshDrives();
        // The window is shown next.
        window_.FocusFirstInTabOrder();
    });
}

void MainForm::RefreshDrives()
{
    MainWindow& w = window_;

    Enter(RefreshPhase::Caption);
    w.Window.Text = services_.Application.Title + " v" + services_.Application.VersionText();

    if (state_.LayoutPending != 0) {
        Enter(RefreshPhase::GeometryReset);
        ResetGeometry(w);
    }

    Enter(RefreshPhase::LanguageWords);
    const LanguageWords words = ChooseLanguageWords(w);

    if (state_.CaptionsPending != 0) {
        Enter(RefreshPhase::Captions);
        ApplyCaptions(w);
        state_.CaptionsPending = FormState::Clear;
    }

    if (state_.FormReady != 0 && state_.Loading == 0) {
        Enter(RefreshPhase::Focus);
        w.SetFocus(w.ButFocus);
    }

    Enter(RefreshPhase::DriveSurvey);
    DriveTable table = SurveyMachine(words);

    if (state_.CopyPending != 0) {
        Enter(RefreshPhase::ClipboardReport);
        if (services_.SystemClipboard == nullptr) throw PlatformError("There is no clipboard");
        services_.SystemClipboard->Clear();
        services_.SystemClipboard->SetText(BuildReport(table, w.Window.Text, ReportHeadings(w)));
        state_.CopyPending = FormState::Clear;
    }

    Enter(RefreshPhase::Thresholds);
    const MarkerPositions markers = ApplyThresholds(w, state_.FormReady == 0, state_.CmdBlueLimit, state_.CmdRedLimit,
                                                    state_.BlueLimit, state_.RedLimit, services_.Locale);

    LayOutTable(table, markers, state_.LayoutPending != 0);
    FinishRefresh(std::move(table), state_.LayoutPending != 0);
}

void MainForm::MachineChanged()
{
    if (running_ || state_.FormReady == 0) return;
    RunGuarded([this] { RefreshForMachine(); });
}

void MainForm::RefreshForMachine()
{
    MainWindow& w = window_;
    Enter(RefreshPhase::Caption);
    w.Window.Text = services_.Application.Title + " v" + services_.Application.VersionText();

    Enter(RefreshPhase::LanguageWords);
    const LanguageWords words = ChooseLanguageWords(w);

    Enter(RefreshPhase::DriveSurvey);
    DriveTable table = SurveyMachine(words);

    // The height follows the rows only when they are not those it was made for.
    const bool layout = RowsOf(table) != laidOutRows_;
    if (layout) {
        Enter(RefreshPhase::GeometryReset);
        ResetGeometry(w);
    }

    Enter(RefreshPhase::Thresholds);
    const MarkerPositions markers = PlaceLimitMarkers(w, state_.BlueLimit, state_.RedLimit);

    // Rows are made anew: a cell that had the focus gives it to the cell of
    // the same name, or where user actions leave it when that row is gone.
    const std::string focused = w.Focus() != nullptr ? w.Focus()->FullName() : std::string();
    LayOutTable(table, markers, layout);
    if (!focused.empty() && w.Focus() == nullptr) {
        Control* same = w.Find(focused);
        w.SetFocus(same != nullptr ? *same : w.ButFocus);
    }
    FinishRefresh(std::move(table), layout);
}

DriveTable MainForm::SurveyMachine(const LanguageWords& words)
{
    const MainWindow& w = window_;
    SurveyOptions options;
    options.ListRemovable = w.CheckRemov.Value == 1;
    options.ListNetwork = w.CheckNet.Value == 1;
    options.ListCdRom = w.CheckCD.Value == 1;
    options.CdRomName = w.CheckCD.Text;
    options.RemovableName = w.CheckRemov.Text;
    options.NetworkName = w.CheckNet.Text;
    options.Words = words;
    const auto service = services_.Drives();
    return SurveyDrives(*service, options);
}

// Old rows out, one row of controls per table row, and with `layout` the
// window's height and the bottom controls after them.
void MainForm::LayOutTable(const DriveTable& table, MarkerPositions markers, bool layout)
{
    MainWindow& w = window_;
    if (state_.FormReady != 0) {
        Enter(RefreshPhase::OldRows);
        RemoveOldRows(w);
    }

    Enter(RefreshPhase::Rows);
    const RowStyleLimits limits{state_.BlueLimit, state_.RedLimit};
    const std::int16_t addedHeight = LayOutRows(w, table, limits, markers, layout, services_.Locale);

    if (layout) {
        Enter(RefreshPhase::BottomControls);
        PlaceBottomControls(w, addedHeight);
    }
}

void MainForm::FinishRefresh(DriveTable table, bool laidOut)
{
    Enter(RefreshPhase::Finish);
    window_.TextRed.Tag = std::to_string(table.DriveRowCount);
    state_.FormReady = FormState::Raised;
    if (laidOut) laidOutRows_ = RowsOf(table);
    lastTable_ = std::move(table);
}

void MainForm::Click(Control& control)
{
    RunGuarded([&] {
        if (!control.Visible || !control.Enabled) return;
        if (control.Container != nullptr && !control.Container->Enabled) return;
        if (control.Kind == ControlKind::CheckBox) control.Value = control.Value == 1 ? 0 : 1;
        if (control.Kind == ControlKind::OptionButton) window_.SelectOption(control);
        if (control.TakesFocus()) window_.SetFocus(control);
        HandleClick(control);
    });
}

void MainForm::Type(Control& textBox, const std::string& text)
{
    RunGuarded([&] {
        if (textBox.Kind != ControlKind::TextBox || !textBox.Visible || !textBox.Enabled) return;
        window_.SetFocus(textBox);
        if (textBox.Locked) return;
        textBox.Text = LimitLength(text, textBox.MaxLength);
    });
}

void MainForm::CloseAbout()
{
    RunGuarded([this] { about_.reset(); });
}

void MainForm::HandleClick(Control& control)
{
    MainWindow& w = window_;
    const bool loading = state_.Loading == FormState::Raised;
    const bool ready = state_.FormReady != 0;

    if (&control == &w.ButAbout || &control == &w.LabTit1 || &control == &w.LabTit2) {
        w.SetFocus(w.ButFocus);
        ShowAbout();
    } else if (&control == &w.ButExit) {
        Unload();
    } else if (&control == &w.OptLang(1) || &control == &w.OptLang(2)) {
        if (loading) return;
        state_.LayoutPending = FormState::Clear;
        state_.CaptionsPending = FormState::Raised;
        if (ready) RefreshDrives();
    } else if (&control == &w.CheckNet || &control == &w.CheckCD || &control == &w.CheckRemov) {
        if (loading) return;
        state_.LayoutPending = FormState::Raised;
        if (ready) RefreshDrives();
    } else if (&control == &w.OptMb || &control == &w.OptGb) {
        if (loading) return;
        state_.LayoutPending = FormState::Clear;
        RefreshDrives();
    } else if (&control == &w.ButCopy) {
        w.SetFocus(w.ButFocus);
        state_.LayoutPending = FormState::Clear;
        state_.CopyPending = FormState::Raised;
        RefreshDrives();
    } else if (&control == &w.ButFocus) {
        state_.LayoutPending = FormState::Clear;
        RefreshDrives();
    } else if (&control == &w.ButBlueMin || &control == &w.ButBlueMax || &control == &w.ButRedMin ||
               &control == &w.ButRedMax) {
        w.SetFocus(w.ButFocus);
        const bool blue = &control == &w.ButBlueMin || &control == &w.ButBlueMax;
        const bool up = &control == &w.ButBlueMax || &control == &w.ButRedMax;
        StepLimit(blue ? w.TextBlue : w.TextRed, up, services_.Locale);
        state_.LayoutPending = FormState::Clear;
        RefreshDrives();
    }
}

void MainForm::ShowAbout()
{
    if (!about_) about_ = std::make_unique<AboutWindow>(services_.Application);
    about_->Window.Visible = true;
    ++aboutRequests_;
}

void MainForm::Unload()
{
    about_.reset();
    window_.Window.Visible = false;
    ended_ = true;
    if (services_.EndProgram) services_.EndProgram();
}

}  // namespace brelvon
