#include "os/linux/DriveClassifier.h"

#include "os/linux/MountInfoParser.h"
#include "os/linux/MountTree.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <tuple>

namespace brelvon {

namespace {

using namespace std::string_view_literals;

constexpr std::array kPseudoTypes{
    "proc"sv,
    "sysfs"sv,
    "devtmpfs"sv,
    "devpts"sv,
    "cgroup"sv,
    "cgroup2"sv,
    "securityfs"sv,
    "selinuxfs"sv,
    "debugfs"sv,
    "tracefs"sv,
    "pstore"sv,
    "bpf"sv,
    "configfs"sv,
    "fusectl"sv,
    "mqueue"sv,
    "hugetlbfs"sv,
    "binfmt_misc"sv,
    "autofs"sv,
    "rpc_pipefs"sv,
    "nfsd"sv,
    "efivarfs"sv,
    "nsfs"sv,
    "usbfs"sv,
    "squashfs"sv,
    "fuse.portal"sv,
    "fuse.gvfsd-fuse"sv,
    "fuse.gvfs-fuse-daemon"sv,
    "fuse.lxcfs"sv,
    "fuse.snapfuse"sv,
};

constexpr std::array kNetworkTypes{
    "nfs"sv,   "nfs4"sv,       "cifs"sv,        "smb3"sv,           "smbfs"sv,          "ncpfs"sv, "afs"sv,
    "coda"sv,  "ceph"sv,       "glusterfs"sv,   "fuse.glusterfs"sv, "lustre"sv,         "gpfs"sv,  "beegfs"sv,
    "davfs"sv, "fuse.sshfs"sv, "fuse.rclone"sv, "fuse.s3fs"sv,      "fuse.curlftpfs"sv, "9p"sv,    "virtiofs"sv,
};

constexpr std::array kSystemTrees{"/proc"sv, "/sys"sv, "/dev"sv, "/etc"sv};
constexpr std::array kContainerTrees{"/var/lib/docker"sv, "/var/lib/containers"sv, "/var/lib/containerd"sv,
                                     "/var/lib/kubelet"sv};

template <std::size_t N>
bool OneOf(std::string_view value, const std::array<std::string_view, N>& set)
{
    return std::find(set.begin(), set.end(), value) != set.end();
}

bool IsAtOrUnder(std::string_view path, std::string_view tree)
{
    return path.starts_with(tree) && (path.size() == tree.size() || path[tree.size()] == '/');
}

bool InSystemTree(std::string_view mountPoint)
{
    for (const auto tree : kSystemTrees) {
        if (IsAtOrUnder(mountPoint, tree)) {
            return true;
        }
    }
    return IsAtOrUnder(mountPoint, "/run") && !IsAtOrUnder(mountPoint, "/run/media");
}

bool InContainerTree(std::string_view mountPoint)
{
    for (const auto tree : kContainerTrees) {
        if (IsAtOrUnder(mountPoint, tree)) {
            return true;
        }
    }
    return false;
}

// fuse-overlayfs is how rootless containers stack their layers: an overlay too.
bool IsOverlay(std::string_view fileSystem) { return fileSystem == "overlay" || fileSystem == "fuse.fuse-overlayfs"; }

std::vector<std::string_view> SplitOptions(std::string_view options, char separator = ',')
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= options.size()) {
        const std::size_t end = std::min(options.find(separator, start), options.size());
        parts.push_back(options.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The value of the first option "name=value" of a list; nullopt when absent.
std::optional<std::string_view> OptionValue(std::string_view options, std::string_view name, char separator = ',')
{
    for (const auto option : SplitOptions(options, separator)) {
        if (option.size() > name.size() && option.starts_with(name) && option[name.size()] == '=') {
            return option.substr(name.size() + 1);
        }
    }
    return std::nullopt;
}

// WSL 2 hands Windows' files to Linux over 9p. Its aname option names the
// share and carries the share's own options after ';'
// ("aname=drvfs;path=C:\;uid=1000").
std::string_view NinePShareName(const MountEntry& entry)
{
    const std::string_view aname = OptionValue(entry.SuperOptions, "aname").value_or("");
    return aname.substr(0, aname.find(';'));
}

// A Windows drive seen from WSL: type drvfs (WSL 1), or 9p serving drvfs (WSL 2).
bool IsDrvfs(const MountEntry& entry)
{
    return entry.FileSystem == "drvfs" || (entry.FileSystem == "9p" && NinePShareName(entry) == "drvfs");
}

// WSL's own plumbing: a 9p share over the file descriptors WSL's init holds
// (trans=fd) that is not a Windows drive: "tools" (which serves /init),
// "drivers" and "lib" (Windows' driver store under /usr/lib/wsl).
bool IsWslPlumbing(const MountEntry& entry)
{
    return entry.FileSystem == "9p" && OptionValue(entry.SuperOptions, "trans") == "fd" &&
           NinePShareName(entry) != "drvfs";
}

// "\\server\share" (or with forward slashes): a Windows network share.
bool IsUncPath(std::string_view path)
{
    const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
    if (path.size() < 2 || !isSeparator(path[0]) || !isSeparator(path[1])) {
        return false;
    }
    const std::string_view rest = path.substr(2);
    const auto separator = std::find_if(rest.begin(), rest.end(), isSeparator);
    return separator != rest.begin() && separator != rest.end() && separator + 1 != rest.end() &&
           !isSeparator(*(separator + 1));
}

// Whether a drvfs mount shows a Windows network share. Its Windows path is its
// path= option (inside aname on WSL 2), else its source ("C:\" on WSL 1).
bool IsDrvfsOfNetworkShare(const MountEntry& entry)
{
    const std::string_view aname = OptionValue(entry.SuperOptions, "aname").value_or("");
    std::optional<std::string_view> path = OptionValue(aname, "path", ';');
    if (!path) {
        path = OptionValue(entry.SuperOptions, "path");
    }
    return IsUncPath(path ? DecodeMountInfoEscapes(*path) : entry.Source);
}

// The kernel answers statfs on a FUSE mount with zeros to anyone but the user
// who mounted it, unless it was mounted allow_other. Both show in the options.
bool AnswersUserWithZeros(const MountEntry& entry, std::optional<unsigned> userId)
{
    if (!userId || !IsFuseFileSystem(entry.FileSystem)) {
        return false;
    }
    std::optional<unsigned> owner;
    for (const auto option : SplitOptions(entry.SuperOptions)) {
        if (option == "allow_other") {
            return false;
        }
        if (option.starts_with("user_id=")) {
            unsigned value = 0;
            const auto digits = option.substr(8);
            const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (error == std::errc{} && end == digits.data() + digits.size()) {
                owner = value;
            }
        }
    }
    return owner && *owner != *userId;
}

// Whether the file system lies at the other end of a connection, which may
// stop answering: a network file system, or a Windows drive of WSL.
bool IsNetworkMount(const MountEntry& entry)
{
    return OneOf(entry.FileSystem, kNetworkTypes) || IsNetworkSource(entry.Source) || IsDrvfs(entry);
}

// A Windows drive of WSL is that PC's own disk, unless it is a network share.
bool IsNetworkDrive(const MountEntry& entry)
{
    return IsDrvfs(entry) ? IsDrvfsOfNetworkShare(entry) : IsNetworkMount(entry);
}

DriveType TypeOf(const MountEntry& entry, const BlockDeviceFacts* facts)
{
    if (IsNetworkDrive(entry)) {
        return DriveType::Network;
    }
    if (entry.FileSystem == "tmpfs" || entry.FileSystem == "ramfs" || (facts && (facts->Zram || facts->RamDisk))) {
        return DriveType::RamDisk;
    }
    if (entry.FileSystem == "iso9660" || entry.FileSystem == "udf" || (facts && facts->Optical)) {
        return DriveType::CdRom;
    }
    if (facts && (facts->Removable || facts->OnUsb || facts->Mmc)) {
        return DriveType::Removable;
    }
    return DriveType::Fixed;
}

// Which file system a mount shows. Network file systems can share a device
// number across exports, so their source tells them apart too.
using FileSystemKey = std::tuple<DeviceNumber, std::string>;

FileSystemKey KeyOf(const MountEntry& entry)
{
    return {entry.Device, IsNetworkDrive(entry) ? entry.Source : std::string()};
}

// The shortest mount point, and of equal lengths the one that sorts first, so
// the choice does not depend on mount order.
bool ShorterMountPoint(const MountEntry& a, const MountEntry& b)
{
    if (a.MountPoint.size() != b.MountPoint.size()) {
        return a.MountPoint.size() < b.MountPoint.size();
    }
    return a.MountPoint < b.MountPoint;
}

// The mount shown for a file system: / when it holds the root; else a mount of
// the file system's own root rather than a folder of it bound elsewhere; of
// those the shorter mount point.
bool BetterShown(const MountEntry& a, const MountEntry& b)
{
    const auto rank = [](const MountEntry& entry) { return entry.MountPoint == "/" ? 0 : entry.Root == "/" ? 1 : 2; };
    if (rank(a) != rank(b)) {
        return rank(a) < rank(b);
    }
    return ShorterMountPoint(a, b);
}

// Whether the directory `root` of a file system is `other` or lies inside it.
bool RootWithin(std::string_view root, std::string_view other) { return other == "/" || IsAtOrUnder(root, other); }

// Whether asking the file system at `index` may block: it is a network or FUSE
// file system, or it is reached through one (a path lookup crosses every mount
// above it, and a dead share blocks the lookup).
bool MayBlock(std::size_t index, const std::vector<MountEntry>& entries, const MountTree& tree)
{
    std::optional<std::size_t> current = index;
    for (std::size_t steps = 0; current && steps <= entries.size(); ++steps) {
        const MountEntry& entry = entries[*current];
        if (IsNetworkMount(entry) || IsFuseFileSystem(entry.FileSystem)) {
            return true;
        }
        current = tree.ParentOf(*current);
    }
    return false;
}

// Whether reading the folder that holds the mount point of the mount at
// `index` may block: the mount it lies in may, or is not in the table.
bool FolderMayBlock(std::size_t index, const std::vector<MountEntry>& entries, const MountTree& tree)
{
    const std::optional<std::size_t> parent = tree.ParentOf(index);
    return !parent || MayBlock(*parent, entries, tree);
}

// The pool of a ZFS dataset or snapshot: its source up to the first '/' or
// '@' ("rpool" of "rpool/ROOT/ubuntu", "tank" of "tank@monday").
std::optional<std::string_view> ZfsPoolOf(const MountEntry& entry)
{
    if (entry.FileSystem != "zfs") {
        return std::nullopt;
    }
    const std::string_view source = entry.Source;
    const std::string_view pool = source.substr(0, source.find_first_of("/@"));
    return pool.empty() ? std::nullopt : std::optional(pool);
}

// Shows `drive` at the mount at `index`: its place, type and how it is asked.
void ShowAt(ClassifiedDrive& drive, std::size_t index, const MachineFacts& facts, const MountTree& tree)
{
    const MountEntry& entry = facts.Mounts.Entries[index];
    const BlockDeviceFacts* deviceFacts = facts.FactsOf(index);
    // The root is a fixed drive whatever backs it: a squashfs image, a RAM
    // file system of a live system, an NFS export of a diskless client.
    drive.Type = entry.MountPoint == "/" ? DriveType::Fixed : TypeOf(entry, deviceFacts);
    drive.MountPoint = entry.MountPoint;
    drive.FileSystem = entry.FileSystem;
    drive.MountIndex = index;
    drive.MountDevice = entry.Device;
    drive.BlockDevice = deviceFacts ? std::optional(deviceFacts->Device) : std::nullopt;
    drive.AskInChild = MayBlock(index, facts.Mounts.Entries, tree);
    drive.FolderMayBlock = FolderMayBlock(index, facts.Mounts.Entries, tree);
}

int LetterGroup(DriveType type)
{
    switch (type) {
    case DriveType::Fixed:
    case DriveType::RamDisk: return 0;
    case DriveType::CdRom: return 1;
    case DriveType::Removable: return 2;
    case DriveType::Network: return 3;
    case DriveType::Unknown: break;
    }
    return 4;
}

bool ComesFirst(const ClassifiedDrive& a, const ClassifiedDrive& b)
{
    const int groupA = LetterGroup(a.Type);
    const int groupB = LetterGroup(b.Type);
    if (groupA != groupB) {
        return groupA < groupB;
    }
    const bool byDevice = groupA == 1 || groupA == 2;
    if (byDevice && a.Device != b.Device) {
        return DeviceNameLess(a.Device, b.Device);
    }
    if (a.MountPoint != b.MountPoint) {
        return MountPointLess(a.MountPoint, b.MountPoint);
    }
    return DeviceNameLess(a.Device, b.Device);
}

}  // namespace

bool IsNetworkSource(std::string_view source)
{
    if (source.starts_with("//")) {
        const std::size_t slash = source.find('/', 2);
        return slash != std::string_view::npos && slash > 2 && slash + 1 < source.size();
    }
    std::string_view path;
    if (source.starts_with('[')) {
        const std::size_t close = source.find(']');
        if (close == std::string_view::npos || close + 1 >= source.size() || source[close + 1] != ':') {
            return false;
        }
        path = source.substr(close + 2);
    } else {
        const std::size_t colon = source.find(':');
        if (colon == std::string_view::npos || colon == 0 ||
            source.substr(0, colon).find('/') != std::string_view::npos) {
            return false;
        }
        path = source.substr(colon + 1);
    }
    return !path.empty();
}

bool NeverListed(const MountEntry& entry, std::optional<unsigned> userId)
{
    const std::string_view mountPoint = entry.MountPoint;
    if (mountPoint == "/") {
        return false;  // the root shows whatever backs it
    }
    // rootfs away from / is a bind of one of its files (WSL's /init): a
    // captured table says nothing else of a mount of a single file.
    return OneOf(entry.FileSystem, kPseudoTypes) || entry.FileSystem == "rootfs" || InSystemTree(mountPoint) ||
           InContainerTree(mountPoint) || IsOverlay(entry.FileSystem) || IsWslPlumbing(entry) ||
           AnswersUserWithZeros(entry, userId);
}

bool IsFuseFileSystem(std::string_view fileSystem)
{
    return fileSystem == "fuse" || fileSystem == "fuseblk" || fileSystem.starts_with("fuse.") ||
           fileSystem.starts_with("fuseblk.");
}

bool MountPointLess(std::string_view a, std::string_view b)
{
    const auto rank = [](char c) { return c == '/' ? -1 : static_cast<int>(static_cast<unsigned char>(c)); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return rank(x) < rank(y); });
}

bool DeviceNameLess(std::string_view a, std::string_view b)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && isDigit(a[endA])) {
                ++endA;
            }
            while (endB < b.size() && isDigit(b[endB])) {
                ++endB;
            }
            // Compare the runs as numbers without overflow: drop leading zeros,
            // then the longer run is the larger number.
            std::string_view runA = a.substr(i, endA - i);
            std::string_view runB = b.substr(j, endB - j);
            while (runA.size() > 1 && runA.front() == '0') {
                runA.remove_prefix(1);
            }
            while (runB.size() > 1 && runB.front() == '0') {
                runB.remove_prefix(1);
            }
            if (runA.size() != runB.size()) {
                return runA.size() < runB.size();
            }
            if (runA != runB) {
                return runA < runB;
            }
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j]) {
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
        }
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j)) {
        return a.size() - i < b.size() - j;
    }
    return a < b;
}

std::vector<ClassifiedDrive> ClassifyDrives(const MachineFacts& facts)
{
    const std::vector<MountEntry>& entries = facts.Mounts.Entries;
    const MountTree tree(entries);

    struct Group {
        std::size_t Shown = 0;
        std::vector<std::size_t> Members;
    };
    std::map<FileSystemKey, Group> groups;
    // The mounts left out whatever their file system's other mounts, by file system.
    std::multimap<FileSystemKey, std::size_t> leftOut;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MountEntry& entry = entries[i];
        if (tree.IsHidden(i)) {
            continue;
        }
        if (NeverListed(entry, facts.UserId) || (entry.MountPoint != "/" && facts.SingleFileMounts.contains(i))) {
            leftOut.emplace(KeyOf(entry), i);
            continue;
        }
        auto [it, inserted] = groups.try_emplace(KeyOf(entry), Group{i, {}});
        it->second.Members.push_back(i);
        if (!inserted && BetterShown(entry, entries[it->second.Shown])) {
            it->second.Shown = i;
        }
    }
    // A file system whose every mount left is a second mount of a left-out one
    // (WSLg's /mnt/wslg/run/user/1000, the tmpfs of /run/user/1000) is not a
    // volume either: each came later, and shows the left-out mount's directory
    // or one inside it. A volume mounted first where users look stays listed
    // whatever is mounted of it later in a system tree.
    const auto onlySecondMounts = [&](const FileSystemKey& key, const Group& group) {
        // Not a structured binding: clang before 16 cannot capture one (the fuzz build).
        const auto removedMounts = leftOut.equal_range(key);
        return std::all_of(group.Members.begin(), group.Members.end(), [&](std::size_t member) {
            return std::any_of(removedMounts.first, removedMounts.second, [&](const auto& removed) {
                return removed.second < member && RootWithin(entries[member].Root, entries[removed.second].Root);
            });
        });
    };

    // Each ZFS dataset has a device number of its own, yet the datasets of a
    // pool share its space: they are one drive, the pool, shown where the
    // shortest of them is mounted. Its drive lists one mount of each dataset
    // (whose sizes make up the pool's) and is named by the pool.
    std::vector<ClassifiedDrive> drives;
    std::map<std::string, std::size_t, std::less<>> poolDrives;
    const auto datasetAt = [&](std::size_t index) {
        const MountEntry& mount = entries[index];
        return SizedMount{index,
                          mount.MountPoint,
                          mount.Source,
                          mount.Device,
                          MayBlock(index, entries, tree),
                          FolderMayBlock(index, entries, tree),
                          mount.Source.find('@') != std::string::npos};
    };
    for (const auto& [key, group] : groups) {
        const MountEntry& entry = entries[group.Shown];
        const bool knownEmpty = std::any_of(group.Members.begin(), group.Members.end(), [&](std::size_t member) {
            const auto total = facts.KnownTotals.find(member);
            return total != facts.KnownTotals.end() && total->second == 0;
        });
        if (entry.MountPoint != "/" && (knownEmpty || onlySecondMounts(key, group))) {
            continue;
        }
        const std::optional<std::string_view> pool = ZfsPoolOf(entry);
        if (pool) {
            const auto [it, inserted] = poolDrives.try_emplace(std::string(*pool), drives.size());
            if (!inserted) {
                ClassifiedDrive& drive = drives[it->second];
                if (ShorterMountPoint(entry, entries[*drive.MountIndex])) {
                    ShowAt(drive, group.Shown, facts, tree);
                }
                drive.Datasets.push_back(datasetAt(group.Shown));
                continue;
            }
        }
        ClassifiedDrive drive;
        ShowAt(drive, group.Shown, facts, tree);
        drive.Device = pool ? std::string(*pool) : entry.Source;
        if (pool) {
            drive.Datasets.push_back(datasetAt(group.Shown));
        }
        drives.push_back(std::move(drive));
    }

    for (const DriveBay& bay : facts.Bays) {
        if (bay.BayKind == DriveBay::Kind::CardReader && bay.HasMedium) {
            continue;  // its medium shows as the file systems mounted from it
        }
        const bool mounted = std::any_of(drives.begin(), drives.end(), [&](const ClassifiedDrive& drive) {
            const BlockDeviceFacts* deviceFacts = drive.MountIndex ? facts.FactsOf(*drive.MountIndex) : nullptr;
            return deviceFacts && std::find(deviceFacts->Disks.begin(), deviceFacts->Disks.end(), bay.Name) !=
                                      deviceFacts->Disks.end();
        });
        if (mounted) {
            continue;
        }
        ClassifiedDrive drive;
        drive.Type = bay.BayKind == DriveBay::Kind::Optical ? DriveType::CdRom : DriveType::Removable;
        drive.Device = "/dev/" + bay.Name;
        drive.HasFileSystem = false;
        drives.push_back(std::move(drive));
    }

    // The root is C. A table that shows two file systems at "/", neither
    // covering the other by the mount tree (a corrupt or inconsistent table),
    // still gives one C: the later mount, which is the one on top.
    std::optional<std::size_t> root;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (drives[i].HasFileSystem && drives[i].MountPoint == "/" &&
            (!root || drives[i].MountIndex > drives[*root].MountIndex)) {
            root = i;
        }
    }
    std::vector<ClassifiedDrive> lettered;
    std::vector<ClassifiedDrive> others;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        ClassifiedDrive& drive = drives[i];
        if (root && i == *root) {
            drive.Letter = 'C';
            lettered.push_back(std::move(drive));
        } else if (!drive.HasFileSystem || drive.MountPoint != "/") {
            others.push_back(std::move(drive));
        }
    }
    std::sort(others.begin(), others.end(), ComesFirst);
    char next = 'D';
    for (ClassifiedDrive& drive : others) {
        if (next > 'Z') {
            break;  // no letter left: not listed
        }
        drive.Letter = next++;
        lettered.push_back(std::move(drive));
    }
    return lettered;
}

}  // namespace brelvon
