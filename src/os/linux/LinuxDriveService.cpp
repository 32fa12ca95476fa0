#include "os/linux/LinuxDriveService.h"

#include "os/linux/DriveClassifier.h"
#include "os/linux/LabelReader.h"
#include "os/linux/LinuxDrive.h"
#include "os/linux/LinuxFactsGatherer.h"

namespace brelvon {

LinuxDriveService::LinuxDriveService(LinuxSystemPaths paths, std::shared_ptr<const ChildStatvfsProbe> probe,
                                     ChildStatvfsProbe::StatvfsFunction statvfsFunction)
    : paths_(std::move(paths)), probe_(std::move(probe)), statvfs_(statvfsFunction)
{}

std::vector<std::unique_ptr<Drive>> LinuxDriveService::Drives()
{
    MachineFacts facts = LinuxFactsGatherer(paths_).Gather();

    // A file system of total size 0 is never listed, and whether it is listed
    // moves the letters of the drives after it, so the local ones (each dataset
    // of a ZFS pool among them) are measured before lettering. The answers are
    // kept for the drives' IsReady().
    LinuxDrive::MeasuredSizes measured;
    std::vector<ClassifiedDrive> classified = ClassifyDrives(facts);
    bool emptyFound = false;
    for (const ClassifiedDrive& drive : classified) {
        for (const SizedMount& mount : SizedMountsOf(drive)) {
            if (!mount.AskInChild) {
                const ProbeResult answer = LinuxDrive::MeasureDirectly(mount.MountPoint, statvfs_);
                measured.emplace(mount.MountIndex, answer);
                if (answer.Size) {
                    facts.KnownTotals.emplace(mount.MountIndex, answer.Size->Total);
                    emptyFound = emptyFound || answer.Size->Total == 0;
                }
            }
        }
    }
    // Only a total of 0 changes what the classifier makes of the facts.
    if (emptyFound) {
        classified = ClassifyDrives(facts);
    }

    const LabelReader labels(paths_.DevRoot, paths_.UdevDataDirectory);
    std::vector<std::unique_ptr<Drive>> drives;
    drives.reserve(classified.size());
    for (ClassifiedDrive& drive : classified) {
        LinuxDrive::MeasuredSizes answers;
        for (const SizedMount& mount : SizedMountsOf(drive)) {
            if (const auto it = measured.find(mount.MountIndex); it != measured.end()) {
                answers.insert(*it);
            }
        }
        drives.push_back(std::make_unique<LinuxDrive>(std::move(drive), std::move(answers), probe_, labels, statvfs_));
    }
    return drives;
}

}  // namespace brelvon
