#pragma once

#include "drives/DriveRecord.h"
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
    // Started with these drives, in ascending letter order.
    BindingHarness(const std::string& switches, std::vector<DriveRecord> drives);
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
    // The machine's drives are now these: the refresh that the machine
    // causes, mirrored into the window.
    void MachineChanged(std::vector<DriveRecord> drives);
    // The drives of a file of the project's data folder.
    [[nodiscard]] static std::vector<DriveRecord> DrivesOf(const std::string& drivesFile);
    // Lets deferred deletions and posted events run.
    static void Settle();

    // Pixels of twips the way the window must convert them, computed here on
    // their own so that a wrong conversion in the binding shows.
    [[nodiscard]] int Pixels(int twips) const;

private:
    void Start(const std::string& switches, NumberLocale locale);

    std::shared_ptr<std::vector<DriveRecord>> drives_ = std::make_shared<std::vector<DriveRecord>>();
    MemoryClipboard clipboard_;
    std::unique_ptr<MainForm> form_;
    std::unique_ptr<MainFormBinding> binding_;
    std::vector<std::string> errors_;
    bool endedProgram_ = false;
    int refreshes_ = 0;
};

}  // namespace brelvon::test
