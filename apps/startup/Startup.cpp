#include "startup/Startup.h"

#include "drives/RecordedDriveService.h"
#include "os/SystemDriveFile.h"
#include "os/SystemDrives.h"
#include "os/SystemLanguage.h"
#include "os/SystemNumberLocale.h"

#include <memory>

namespace brelvon {

namespace {

constexpr const char* LicenceLine = "Copyright (c) The Brelvon developers; free software under the MIT licence";

}  // namespace

Machine ThisMachine() { return {MakeSystemDriveServiceFactory(), SystemDefaultLangId(), SystemNumberLocale()}; }

DriveServiceFactory ChooseDrives(const std::optional<std::string>& drivesFile, const Machine& machine)
{
    if (!drivesFile) return machine.Drives;
    // The drives last read: a file being written or gone for a moment leaves them shown.
    auto last = std::make_shared<DriveServiceFactory>(RecordedDriveService::Factory(LoadDriveFile(*drivesFile)));
    return [path = *drivesFile, last] {
        try {
            *last = RecordedDriveService::Factory(LoadDriveFile(path));
        } catch (const DriveFileError&) {}
        return (*last)();
    };
}

Services StartupServices(const CommandLine& line, const Machine& machine)
{
    Services services;
    services.Drives = ChooseDrives(line.DrivesFile, machine);
    services.Locale = machine.Locale;
    services.SystemLangId = machine.SystemLangId;
    services.Application.ExeName = line.ExeName;
    services.Application.ArgumentText = line.ArgumentText;
    return services;
}

std::string VersionLine()
{
    const ApplicationFacts facts;
    return facts.Title + " " + facts.VersionText() + "\n" + LicenceLine;
}

}  // namespace brelvon
