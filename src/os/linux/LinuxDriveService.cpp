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

    // Whether a mount is listed at all moves the letters of the drives after
    // it, so each mount a drive would be asked through is asked now: a file
    // system of total size 0 is not listed, nor a mount of a single file. A
    // mount that may block is asked in the child that guards its statvfs, so a
    // dead share costs this listing the child's time limit once, and nothing
    // while that child stays stuck. A mount left out may hand its drive to
    // another mount of its file system, which is then asked in turn. The
    // answers are kept for the drives' IsReady().
    LinuxDrive::MeasuredSizes measured;
    std::vector<ClassifiedDrive> classified = ClassifyDrives(facts);
    while (true) {
        bool leftOut = false;
        for (const ClassifiedDrive& drive : classified) {
            for (const SizedMount& mount : SizedMountsOf(drive)) {
                if (measured.contains(mount.MountIndex)) {
                    continue;
                }
                const ProbeResult answer = LinuxDrive::Measure(mount, *probe_, statvfs_);
                measured.emplace(mount.MountIndex, answer);
                if (answer.Size) {
                    facts.KnownTotals.emplace(mount.MountIndex, answer.Size->Total);
                    leftOut = leftOut || answer.Size->Total == 0;
                }
                if (answer.SingleFile) {
                    facts.SingleFileMounts.insert(mount.MountIndex);
                    leftOut = true;
                }
            }
        }
        // Each round asks mounts not asked before, so this ends.
        if (!leftOut) {
            break;
        }
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
