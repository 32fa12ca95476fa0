#pragma once

#include "model/MemoryClipboard.h"
#include "refresh/MainForm.h"
#include "ui/qt/MainFormBinding.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace brelvon::test {

// A main window started from the sample drive file with the given switches,
// bound to real widgets and shown (offscreen in the tests). The clipboard is
// in memory; an unhandled error or the end of the program is recorded.
class BindingHarness {
public:
    // drivesFile is relative to the project's data folder; numbers are written
    // with `locale`'s separators.
    explicit BindingHarness(const std::string& switches = "", const std::string& drivesFile = "sample-drives.json",
                            NumberLocale locale = NumberLocale(".", ","));
    ~BindingHarness();

    [[nodiscard]] MainForm& Form() { return *form_; }
    [[nodiscard]] MainWindow& Model() { return form_->Window(); }
    [[nodiscard]] MainFormBinding& Binding() { return *binding_; }
    [[nodiscard]] QWidget& Window() { return *binding_->Main().Window(); }
    [[nodiscard]] const MemoryClipboard& Clipboard() const { return clipboard_; }
    [[nodiscard]] const std::vector<std::string>& Errors() const { return errors_; }
    [[nodiscard]] bool ProgramEnded() const { return endedProgram_; }
    [[nodiscard]] int Refreshes() const { return refreshes_; }

    // The widget of a main-window control by its full name; nullptr when none.
    [[nodiscard]] QWidget* Widget(const std::string& fullName);
    template <typename T>
    [[nodiscard]] T* As(const std::string& fullName)
    {
        return qobject_cast<T*>(Widget(fullName));
    }
    // The model control by full name; fails the test when there is none.
    [[nodiscard]] brelvon::Control& ModelControl(const std::string& fullName);

    // A left click in the middle of a control's widget, as the user makes it.
    void ClickOn(const std::string& fullName);
    // Lets deferred deletions and posted events run.
    static void Settle();

    // Pixels of twips the way the window must convert them, computed here on
    // their own so that a wrong conversion in the binding shows.
    [[nodiscard]] int Pixels(int twips) const;

private:
    MemoryClipboard clipboard_;
    std::unique_ptr<MainForm> form_;
    std::unique_ptr<MainFormBinding> binding_;
    std::vector<std::string> errors_;
    bool endedProgram_ = false;
    int refreshes_ = 0;
};

}  // namespace brelvon::test
