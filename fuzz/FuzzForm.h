#pragma once

#include "drives/DriveRecord.h"
#include "model/MemoryClipboard.h"
#include "refresh/MainForm.h"
#include "text/NumberLocale.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brelvon::fuzz {

// The main window over recorded drives with a clipboard in memory, as the probe
// and brelvon-report make it. An error that reaches the window's unhandled-error
// service breaks a contract: recorded drives never fail.
class FuzzForm {
public:
    struct Setup {
        std::vector<DriveRecord> Drives;
        std::string ArgumentText;
        std::string ExeName = "Brelvon";
        NumberLocale Locale;
        std::uint16_t SystemLangId = 0x0409;
    };

    explicit FuzzForm(Setup setup);
    FuzzForm(const FuzzForm&) = delete;
    FuzzForm& operator=(const FuzzForm&) = delete;

    [[nodiscard]] MainForm& Form() { return form_; }
    // The clipboard's text; nullopt when nothing was copied.
    [[nodiscard]] const std::optional<std::string>& Clipboard() const { return clipboard_.Text(); }

    // Checks what holds after every action: the limits are ordered within
    // 0..100, both limit boxes read as their limits, the markers stand on the
    // bar, and the table's rows and sums are consistent.
    void CheckInvariants();
    // Checks that a report was copied and keeps its structure (ReportShapeProblem).
    void CheckReport();

private:
    MemoryClipboard clipboard_;
    MainForm form_;
};

}  // namespace brelvon::fuzz
