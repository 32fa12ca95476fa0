#pragma once

#include <cstdint>

namespace brelvon {

// The main window's flags and limits, 16-bit like the rest of its numbers.
// A flag holds Raised (-1) or Clear (0) and counts as raised when not 0.
struct FormState {
    static constexpr std::int16_t Raised = -1;
    static constexpr std::int16_t Clear = 0;
    static constexpr std::int16_t NotGiven = -1;

    std::int16_t FormReady = Clear;        // the first refresh has completed
    std::int16_t LayoutPending = Clear;    // the next refresh lays the rows and window height out again
    std::int16_t CaptionsPending = Clear;  // the next refresh writes every caption of the selected language
    std::int16_t Loading = Clear;          // start-up is applying switches; control handlers ignore events
    std::int16_t CopyPending = Clear;      // the next refresh also puts the report on the clipboard
    std::int16_t BlueLimit = 0;            // rows below this percentage are blue
    std::int16_t RedLimit = 0;             // rows above this percentage are red
    std::int16_t CmdBlueLimit = NotGiven;  // from the command line, 0 to 100, for the first refresh
    std::int16_t CmdRedLimit = NotGiven;
};

}  // namespace brelvon
