#pragma once

#include "refresh/FormState.h"
#include "refresh/RefreshPhase.h"
#include "refresh/Services.h"
#include "refresh/Thresholds.h"
#include "survey/DriveTable.h"
#include "survey/LanguageWords.h"
#include "window/AboutWindow.h"
#include "window/MainWindow.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace brelvon {

// The main window's behaviour: start-up, the one refresh procedure that
// rebuilds everything the window shows, and the handlers of its controls.
//
// The platform (the Qt binding, the probe, tests) creates it, calls Initialize()
// once, then reports the user's actions through Click(), Type() and
// CloseAbout(). Each of these runs to completion; an error that a platform
// service raises inside abandons the action, keeps what was already changed and
// goes to Services::OnUnhandledError.
class MainForm {
public:
    explicit MainForm(Services services);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // Start-up: saves the geometry that refreshes restore, sets the defaults,
    // chooses the language, applies the switches and runs the first refresh.
    // With copyReport the first refresh also puts the report on the clipboard,
    // as a click on the copy button would.
    void Initialize(bool copyReport = false);

    // A click by the user, as the platform delivers it: a check box toggles,
    // an option button is selected, a control that takes the focus gets it,
    // then the control's handler runs. Clicks on hidden or disabled controls,
    // and after the program ended, do nothing.
    void Click(Control& control);
    // The user replaces the text of a text box; characters beyond its maximum
    // length are refused, and a locked box only takes the focus. Runs no handler.
    void Type(Control& textBox, const std::string& text);
    // The user closes the About window with its own close command.
    void CloseAbout();

    // The machine changed, or may have: a drive came or went, or sizes moved.
    // Beyond the window's own events: a binding calls it from its event loop
    // (on a timer, when the mount table changes), never from inside a user
    // action; a call made while one runs, before the first refresh or after
    // the program ended does nothing.
    //
    // Runs the refresh with what the window shows now, as a user action
    // would, except that it never moves the keyboard focus, never reads the
    // limit boxes (the limits last applied stay, and a half-typed text is
    // left as it is), never copies, never opens or closes a window and leaves
    // the window's flags alone. It lays the rows and the window height out
    // again only when the rows differ from those of the last layout.
    void MachineChanged();

    [[nodiscard]] MainWindow& Window() { return window_; }
    [[nodiscard]] const MainWindow& Window() const { return window_; }
    [[nodiscard]] const FormState& State() const { return state_; }
    // The About window once loaded, else nullptr.
    [[nodiscard]] AboutWindow* About() { return about_.get(); }
    // How many times the About window was asked for: a binding brings the
    // window to the front when this grows, though it may be shown already.
    [[nodiscard]] int AboutRequests() const { return aboutRequests_; }
    // Rows of the table that the last refresh built.
    [[nodiscard]] const DriveTable& LastTable() const { return lastTable_; }
    [[nodiscard]] bool Ended() const { return ended_; }
    [[nodiscard]] const NumberLocale& Locale() const { return services_.Locale; }

    // Called at the start of every phase that runs; for tests.
    void ObservePhases(std::function<void(RefreshPhase)> observer) { phaseObserver_ = std::move(observer); }

private:
    void RunGuarded(const std::function<void()>& action);
    void RefreshDrives();
    void RefreshForMachine();
    [[nodiscard]] DriveTable SurveyMachine(const LanguageWords& words);
    void LayOutTable(const DriveTable& table, MarkerPositions markers, bool layout);
    void FinishRefresh(DriveTable table, bool laidOut);
    void HandleClick(Control& control);
    void ShowAbout();
    void Unload();
    void Enter(RefreshPhase phase) const
    {
        if (phaseObserver_) phaseObserver_(phase);
    }

    Services services_;
    MainWindow window_;
    FormState state_;
    std::unique_ptr<AboutWindow> about_;
    int aboutRequests_ = 0;
    DriveTable lastTable_;
    // The rows (kind and letter, in order) the window height was last laid out for.
    std::vector<std::pair<int, std::string>> laidOutRows_;
    bool running_ = false;
    bool ended_ = false;
    std::function<void(RefreshPhase)> phaseObserver_;
};

}  // namespace brelvon
