#include "os/linux/SysfsReader.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>

namespace brelvon {

namespace fs = std::filesystem;

namespace {

// Deep enough for LVM on LUKS on md on partitions; stops a loop device whose
// backing file lies on itself.
constexpr int kMaxDepth = 8;

std::optional<std::string> ReadFirstLine(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line)) {
        return std::nullopt;
    }
    return line;
}

std::optional<std::uint64_t> ReadNumber(const fs::path& file)
{
    const auto line = ReadFirstLine(file);
    if (!line) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(line->data(), line->data() + line->size(), value);
    if (error != std::errc{} || end == line->data()) {
        return std::nullopt;
    }
    return value;
}

bool StartsWithNameThenDigit(const std::string& name, std::string_view prefix)
{
    return name.size() > prefix.size() && name.starts_with(prefix) && name[prefix.size()] >= '0' &&
           name[prefix.size()] <= '9';
}

}  // namespace

SysfsReader::SysfsReader(fs::path sysRoot) : sysRoot_(std::move(sysRoot)) {}

bool SysfsReader::PathRunsThroughUsb(const fs::path& resolved) const
{
    std::error_code error;
    const fs::path root = fs::canonical(sysRoot_, error);
    const fs::path inside = error ? resolved : resolved.lexically_relative(root);
    for (const auto& component : inside) {
        if (StartsWithNameThenDigit(component.string(), "usb")) {
            return true;
        }
    }
    return false;
}

void SysfsReader::CollectDisks(const fs::path& deviceDirectory, const BackingFileResolver& backingFiles, int depth,
                               std::vector<Disk>& disks) const
{
    std::error_code error;
    fs::path directory = fs::canonical(deviceDirectory, error);
    if (error || depth > kMaxDepth) {
        return;
    }
    if (fs::exists(directory / "partition", error)) {
        directory = directory.parent_path();
    }
    const std::string name = directory.filename().string();

    std::vector<fs::path> slaves;
    for (fs::directory_iterator it(directory / "slaves", error), end; !error && it != end; it.increment(error)) {
        slaves.push_back(it->path());
    }
    if (!slaves.empty()) {
        std::sort(slaves.begin(), slaves.end());
        for (const fs::path& slave : slaves) {
            CollectDisks(slave, backingFiles, depth + 1, disks);
        }
        return;
    }

    if (StartsWithNameThenDigit(name, "loop")) {
        if (auto backingFile = ReadFirstLine(directory / "loop" / "backing_file")) {
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
    disk.Removable = ReadNumber(directory / "removable").value_or(0) == 1;
    disk.OnUsb = PathRunsThroughUsb(directory);
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
    std::error_code error;
    for (fs::directory_iterator it(sysRoot_ / "block", error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const auto size = ReadNumber(it->path() / "size");
        if (!size) {
            continue;
        }
        if (StartsWithNameThenDigit(name, "sr")) {
            bays.push_back(DriveBay{name, DriveBay::Kind::Optical, *size > 0});
        } else if (*size == 0 && ReadNumber(it->path() / "removable").value_or(0) == 1) {
            bays.push_back(DriveBay{name, DriveBay::Kind::CardReader, false});
        }
    }
    std::sort(bays.begin(), bays.end(), [](const DriveBay& a, const DriveBay& b) { return a.Name < b.Name; });
    return bays;
}

}  // namespace brelvon
