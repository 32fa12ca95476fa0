#include "os/linux/SysfsReader.h"

#include "os/linux/KernelFiles.h"
#include "os/linux/UniqueFd.h"

#include <algorithm>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>

namespace brelvon {

namespace fs = std::filesystem;

namespace {

// Deep enough for LVM on LUKS on md on partitions; stops a loop device whose
// backing file lies on itself.
constexpr int kMaxDepth = 8;

bool StartsWithNameThenDigit(std::string_view name, std::string_view prefix)
{
    return name.size() > prefix.size() && name.starts_with(prefix) && name[prefix.size()] >= '0' &&
           name[prefix.size()] <= '9';
}

// The canonical path of a directory opened by `path`: asked of the kernel,
// else resolved link by link.
std::optional<fs::path> CanonicalPathOf(int directory, const fs::path& path)
{
    if (auto resolved = ResolvedPathOf(directory)) {
        return fs::path(std::move(*resolved));
    }
    std::error_code error;
    fs::path canonical = fs::canonical(path, error);
    if (error) {
        return std::nullopt;
    }
    return canonical;
}

}  // namespace

SysfsReader::SysfsReader(fs::path sysRoot) : sysRoot_(std::move(sysRoot))
{
    std::error_code error;
    canonicalSysRoot_ = fs::canonical(sysRoot_, error);
    if (error) {
        canonicalSysRoot_.reset();
    }
}

bool SysfsReader::PathRunsThroughUsb(const fs::path& resolved) const
{
    const fs::path inside = canonicalSysRoot_ ? resolved.lexically_relative(*canonicalSysRoot_) : resolved;
    for (const auto& component : inside) {
        if (StartsWithNameThenDigit(component.native(), "usb")) {
            return true;
        }
    }
    return false;
}

void SysfsReader::CollectDisks(const fs::path& deviceDirectory, const BackingFileResolver& backingFiles, int depth,
                               std::vector<Disk>& disks) const
{
    if (depth > kMaxDepth) {
        return;
    }
    // Every attribute is read relative to the device's directory, opened once.
    UniqueFd handle(::open(deviceDirectory.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!handle.IsOpen()) {
        return;
    }
    std::optional<fs::path> directory = CanonicalPathOf(handle.Get(), deviceDirectory);
    if (!directory) {
        return;
    }
    struct stat partition {};
    if (::fstatat(handle.Get(), "partition", &partition, 0) == 0) {
        handle = UniqueFd(::openat(handle.Get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!handle.IsOpen()) {
            return;
        }
        directory = directory->parent_path();
    }
    const std::string name = directory->filename().string();

    std::vector<std::string> slaves = DirectoryNames(handle.Get(), "slaves");
    if (!slaves.empty()) {
        std::sort(slaves.begin(), slaves.end());
        for (const std::string& slave : slaves) {
            CollectDisks(*directory / "slaves" / slave, backingFiles, depth + 1, disks);
        }
        return;
    }

    if (StartsWithNameThenDigit(name, "loop")) {
        if (auto backingFile = ReadFirstLine(handle.Get(), "loop/backing_file")) {
            // The kernel marks a backing file removed since as "path (deleted)".
            constexpr std::string_view deleted = " (deleted)";
            if (backingFile->ends_with(deleted)) {
                backingFile->resize(backingFile->size() - deleted.size());
            }
            if (const auto holder = backingFiles ? backingFiles(*backingFile) : std::nullopt) {
                const std::size_t before = disks.size();
                CollectDisks(sysRoot_ / "dev" / "block" / holder->ToString(), backingFiles, depth + 1, disks);
                if (disks.size() > before) {
                    return;
                }
            }
        }
    }

    Disk disk;
    disk.Name = name;
    disk.Removable = ReadNumber(handle.Get(), "removable").value_or(0) == 1;
    disk.OnUsb = PathRunsThroughUsb(*directory);
    disks.push_back(std::move(disk));
}

std::optional<BlockDeviceFacts> SysfsReader::FactsFor(DeviceNumber device,
                                                      const BackingFileResolver& backingFiles) const
{
    std::vector<Disk> disks;
    CollectDisks(sysRoot_ / "dev" / "block" / device.ToString(), backingFiles, 0, disks);
    if (disks.empty()) {
        return std::nullopt;
    }
    BlockDeviceFacts facts;
    facts.Device = device;
    facts.Removable = facts.OnUsb = facts.Mmc = facts.Optical = facts.Zram = facts.RamDisk = true;
    for (const Disk& disk : disks) {
        facts.Disks.push_back(disk.Name);
        facts.Removable = facts.Removable && disk.Removable;
        facts.OnUsb = facts.OnUsb && disk.OnUsb;
        facts.Mmc = facts.Mmc && StartsWithNameThenDigit(disk.Name, "mmcblk");
        facts.Optical = facts.Optical && StartsWithNameThenDigit(disk.Name, "sr");
        facts.Zram = facts.Zram && StartsWithNameThenDigit(disk.Name, "zram");
        facts.RamDisk = facts.RamDisk && StartsWithNameThenDigit(disk.Name, "ram");
    }
    return facts;
}

std::vector<DriveBay> SysfsReader::DriveBays() const
{
    std::vector<DriveBay> bays;
    const UniqueFd block(::open((sysRoot_ / "block").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!block.IsOpen()) {
        return bays;
    }
    for (const std::string& name : NamesInOpenDirectory(block.Get())) {
        const auto attribute = [&](const char* file) { return ReadNumber(block.Get(), (name + '/' + file).c_str()); };
        if (StartsWithNameThenDigit(name, "sr")) {
            if (const auto size = attribute("size")) {
                bays.push_back(DriveBay{name, DriveBay::Kind::Optical, *size > 0});
            }
        } else if (attribute("removable").value_or(0) == 1) {
            // Only a removable disk can be a card reader, so most disks (every
            // loop device among them) are not asked their size.
            if (attribute("size") == 0u) {
                bays.push_back(DriveBay{name, DriveBay::Kind::CardReader, false});
            }
        }
    }
    std::sort(bays.begin(), bays.end(), [](const DriveBay& a, const DriveBay& b) { return a.Name < b.Name; });
    return bays;
}

}  // namespace brelvon
