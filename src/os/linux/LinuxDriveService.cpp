#include "os/linux/LinuxDriveService.h"

#include "os/linux/DriveClassifier.h"
#include "os/linux/LabelReader.h"
#include "os/linux/LinuxDrive.h"
#include "os/linux/LinuxFactsGatherer.h"
#include "os/linux/MountPointKind.h"

#include <set>

namespace brelvon {

LinuxDriveService::LinuxDriveService(LinuxSystemPaths paths, std::shared_ptr<const ChildStatvfsProbe> probe,
                                     ChildStatvfsProbe::StatvfsFunction statvfsFunction)
    : paths_(std::move(paths)), probe_(std::move(probe)), statvfs_(statvfsFunction)
{}

std::vector<std::unique_ptr<Drive>> LinuxDriveService::Drives()
{
    MachineFacts facts = LinuxFactsGatherer(paths_).Gather();

    // Whether a mount is listed at all moves the letters of the drives after
    // it, so each mount a drive would be shown at is looked at now: a file
    // system of total size 0 is not listed, nor a mount of a single file. A
    // local file system is asked directly. One that may block (network, FUSE)
    // is told by its entry in the folder that holds it when that folder cannot
    // block, and its size is left to its drive's IsReady(); else it is asked
    // in the child that guards its statvfs. A mount left out may hand its
    // drive to another mount of its file system, which is then looked at in
    // turn. The answers are kept for the drives' IsReady().
    LinuxDrive::MeasuredSizes measured;
    std::set<std::size_t> looked;
    std::vector<ClassifiedDrive> classified = ClassifyDrives(facts);
    while (true) {
        bool leftOut = false;
        for (const ClassifiedDrive& drive : classified) {
            for (const SizedMount& mount : SizedMountsOf(drive)) {
                if (!looked.insert(mount.MountIndex).second) {
                    continue;
                }
                if (mount.AskInChild && !mount.FolderMayBlock) {
                    const MountPointKind kind = KindInFolder(mount.MountPoint);
                    if (kind == MountPointKind::SingleFile) {
                        facts.SingleFileMounts.insert(mount.MountIndex);
                        leftOut = true;
                    }
                    if (kind != MountPointKind::Unknown) {
                        continue;
                    }
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
        // Each round looks at mounts not looked at before, so this ends.
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
