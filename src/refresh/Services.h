#pragma once

#include "drives/DriveService.h"
#include "model/ApplicationFacts.h"
#include "model/Clipboard.h"
#include "text/NumberLocale.h"

#include <cstdint>
#include <exception>
#include <functional>

namespace brelvon {

// What the main window asks of its platform, handed to it at creation. The real
// services (Linux drives, the Qt clipboard, the system locale) and the ones of
// tests (drive records, a clipboard in memory) are equals here.
struct Services {
    DriveServiceFactory Drives;
    Clipboard* SystemClipboard = nullptr;  // not owned; must outlive the window
    NumberLocale Locale;
    std::uint16_t SystemLangId = 0x0409;
    ApplicationFacts Application;
    // Reports an error that no handler handled; the program ends after it.
    std::function<void(const std::exception&)> OnUnhandledError;
    // Ends the program: no further event is handled.
    std::function<void()> EndProgram;
};

}  // namespace brelvon
