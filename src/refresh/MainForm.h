#pragma once

#include "refresh/FormState.h"
#include "refresh/RefreshPhase.h"
#include "refresh/Services.h"
#include "survey/DriveTable.h"
#include "window/AboutWindow.h"
#include "window/MainWindow.h"

#include <functional>
#include <memory>
#include <string>

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
    // length are refused. Runs no handler.
    void Type(Control& textBox, const std::string& text);
    // The user closes the About window with its own close command.
    void CloseAbout();

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
    bool ended_ = false;
    std::function<void(RefreshPhase)> phaseObserver_;
};

}  // namespace brelvon
