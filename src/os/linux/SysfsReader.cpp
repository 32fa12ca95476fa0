#include "os/linux/SysfsReader.h"

#include "os/linux/KernelFiles.h"
#include "os/linux/UniqueFd.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>

namespace brelvon {

namespace {

// Deep enough for LVM on LUKS on md on partitions; stops a loop device whose
// backing file lies on itself.
constexpr int kMaxDepth = 8;

bool StartsWithNameThenDigit(std::string_view name, std::string_view prefix)
{
    return name.size() > prefix.size() && name.starts_with(prefix) && name[prefix.size()] >= '0' &&
           name[prefix.size()] <= '9';
}

// `path` with every symbolic link resolved; nullopt when it does not resolve.
std::optional<std::string> RealPath(const std::string& path)
{
    struct Free {
        void operator()(char* text) const { std::free(text); }
    };
    const std::unique_ptr<char, Free> resolved(::realpath(path.c_str(), nullptr));
    return resolved ? std::optional<std::string>(resolved.get()) : std::nullopt;
}

// The canonical path of a directory opened by `path`: asked of the kernel,
// else resolved link by link.
std::optional<std::string> CanonicalPathOf(int directory, const std::string& path)
{
    if (auto resolved = ResolvedPathOf(directory)) {
        return resolved;
    }
    return RealPath(path);
}

// The names a path is made of, the empty ones around its slashes left out.
std::vector<std::string_view> Components(std::string_view path)
{
    std::vector<std::string_view> components;
    while (!path.empty()) {
        const std::size_t slash = std::min(path.find('/'), path.size());
        if (slash > 0) {
            components.push_back(path.substr(0, slash));
        }
        path.remove_prefix(std::min(slash + 1, path.size()));
    }
    return components;
}

// The folder a canonical path lies in ("/" for a name in the root), and its
// last name.
std::string_view ParentOf(std::string_view path) { return path.substr(0, std::max<std::size_t>(path.rfind('/'), 1)); }
std::string_view NameOf(std::string_view path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

SysfsReader::SysfsReader(std::string sysRoot) : sysRoot_(std::move(sysRoot)), canonicalSysRoot_(RealPath(sysRoot_)) {}

bool SysfsReader::PathRunsThroughUsb(std::string_view resolved) const
{
    // Only what lies below the sysfs root counts: a made-up root may lie in a
    // folder of any name.
    std::vector<std::string_view> inside = Components(resolved);
    if (canonicalSysRoot_) {
        const std::vector<std::string_view> root = Components(*canonicalSysRoot_);
        std::size_t shared = 0;
        while (shared < root.size() && shared < inside.size() && root[shared] == inside[shared]) {
            ++shared;
        }
        inside.erase(inside.begin(), inside.begin() + static_cast<std::ptrdiff_t>(shared));
    }
    return std::any_of(inside.begin(), inside.end(),
                       [](std::string_view component) { return StartsWithNameThenDigit(component, "usb"); });
}

void SysfsReader::CollectDisks(const std::string& deviceDirectory, const BackingFileResolver& backingFiles, int depth,
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
    std::optional<std::string> directory = CanonicalPathOf(handle.Get(), deviceDirectory);
    if (!directory) {
        return;
    }
    struct stat partition {};
    if (::fstatat(handle.Get(), "partition", &partition, 0) == 0) {
        handle = UniqueFd(::openat(handle.Get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!handle.IsOpen()) {
            return;
        }
        directory = std::string(ParentOf(*directory));
    }
    const std::string name(NameOf(*directory));

    std::vector<std::string> slaves = DirectoryNames(handle.Get(), "slaves");
    if (!slaves.empty()) {
        std::sort(slaves.begin(), slaves.end());
        for (const std::string& slave : slaves) {
            CollectDisks(*directory + "/slaves/" + slave, backingFiles, depth + 1, disks);
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
                CollectDisks(sysRoot_ + "/dev/block/" + holder->ToString(), backingFiles, depth + 1, disks);
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
    CollectDisks(sysRoot_ + "/dev/block/" + device.ToString(), backingFiles, 0, disks);
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
    const UniqueFd block(::open((sysRoot_ + "/block").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
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
