#include "os/linux/LinuxDriveService.h"

#include "os/linux/DriveClassifier.h"
#include "os/linux/LabelReader.h"
#include "os/linux/LinuxDrive.h"
#include "os/linux/LinuxFactsGatherer.h"

#include <map>

namespace brelvon {

LinuxDriveService::LinuxDriveService(LinuxSystemPaths paths, std::shared_ptr<const ChildStatvfsProbe> probe)
    : paths_(std::move(paths)), probe_(std::move(probe))
{}

std::vector<std::unique_ptr<Drive>> LinuxDriveService::Drives()
{
    MachineFacts facts = LinuxFactsGatherer(paths_).Gather();

    // A file system of total size 0 is never listed, and whether it is listed
    // moves the letters of the drives after it, so the local ones are measured
    // before lettering. The answers are kept for the drives' IsReady().
    std::map<std::size_t, std::optional<VolumeSize>> measured;
    for (const ClassifiedDrive& drive : ClassifyDrives(facts)) {
        if (drive.HasFileSystem && !drive.AskInChild && drive.MountIndex) {
            const auto size = LinuxDrive::MeasureDirectly(drive.MountPoint);
            measured.emplace(*drive.MountIndex, size);
            if (size) {
                facts.KnownTotals.emplace(*drive.MountIndex, size->Total);
            }
        }
    }

    const LabelReader labels(paths_.DevRoot, paths_.UdevDataDirectory);
    std::vector<std::unique_ptr<Drive>> drives;
    for (ClassifiedDrive& drive : ClassifyDrives(facts)) {
        std::optional<std::optional<VolumeSize>> answer;
        if (drive.MountIndex) {
            if (const auto it = measured.find(*drive.MountIndex); it != measured.end()) {
                answer = it->second;
            }
        }
        drives.push_back(std::make_unique<LinuxDrive>(std::move(drive), std::move(answer), probe_, labels));
    }
    return drives;
}

}  // namespace brelvon
