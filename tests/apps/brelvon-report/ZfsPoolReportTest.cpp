#include "brelvon-report/TerminalReport.h"
#include "os/linux/ChildStatvfsProbe.h"
#include "os/linux/LinuxDriveService.h"
#include "os/linux/LinuxSystemPaths.h"
#include "os/linux/StuckProbeRecord.h"
#include "os/linux/TempTree.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include <sys/statvfs.h>

namespace brelvon {
namespace {

using testing::TempTree;

// A ZFS pool, from the mount table through the Linux drive service to the
// report program's JSON: each pool is one drive whose sizes are made from its
// datasets' statvfs answers.
struct MadeUpSize {
    std::uint64_t TotalMb = 0;
    std::uint64_t FreeMb = 0;
};

// What the made-up statvfs answers, by path; any other path fails.
std::map<std::string, MadeUpSize> gMadeUpSizes;

int MadeUpStatvfs(const char* path, struct statvfs* result)
{
    const auto size = gMadeUpSizes.find(path);
    if (size == gMadeUpSizes.end()) {
        errno = ENOENT;
        return -1;
    }
    *result = {};
    result->f_frsize = 1'000'000;
    result->f_blocks = size->second.TotalMb;
    result->f_bfree = size->second.FreeMb;
    result->f_bavail = size->second.FreeMb;
    return 0;
}

// Two pools: rpool's datasets /, /home (bound again at /srv/ann, and with a
// snapshot mounted) and /var/log, one more at /var/lib/docker that is never
// listed; bpool's one dataset at /boot.
constexpr const char* kTwoPools = "20 1 0:40 / / rw - zfs rpool/ROOT/ubuntu rw\n"
                                  "21 20 0:41 / /home rw - zfs rpool/home rw\n"
                                  "22 20 0:42 / /var/log rw - zfs rpool/ROOT/ubuntu/var/log rw\n"
                                  "23 20 0:41 /ann /srv/ann rw - zfs rpool/home rw\n"
                                  "24 21 0:43 / /home/.zfs/snapshot/mon ro - zfs rpool/home@mon ro\n"
                                  "25 20 0:44 / /var/lib/docker rw - zfs rpool/docker rw\n"
                                  "26 20 0:45 / /boot rw - zfs bpool/BOOT/ubuntu rw\n";

struct PoolCase {
    const char* Name;
    std::map<std::string, MadeUpSize> Sizes;
    // Each drive row as [letter, device, mount point, total MB, free MB], then
    // the total row as [total MB, free MB].
    const char* Expected;
};

void PrintTo(const PoolCase& c, std::ostream* os) { *os << c.Name; }

class SumsZfsPools : public ::testing::TestWithParam<PoolCase> {};

// The service on a made-up machine whose statvfs answers are made up too,
// reported as brelvon-report --json writes it.
TEST_P(SumsZfsPools, ReportsEachPoolOnce)
{
    const TempTree machine;
    machine.Write("mountinfo", kTwoPools);
    LinuxSystemPaths paths;
    paths.MountInfo = machine.Root() / "mountinfo";
    paths.SysRoot = machine.Root() / "sys";
    paths.DevRoot = machine.Root() / "dev";
    paths.UdevDataDirectory = machine.Root() / "udev";
    gMadeUpSizes = GetParam().Sizes;
    const Machine terminal{[paths]() -> std::unique_ptr<DriveService> {
                               return std::make_unique<LinuxDriveService>(
                                   paths,
                                   std::make_shared<const ChildStatvfsProbe>(std::make_shared<StuckProbeRecord>(),
                                                                             ChildStatvfsProbe::kDefaultTimeout,
                                                                             &MadeUpStatvfs),
                                   &MadeUpStatvfs);
                           },
                           0x0409, NumberLocale()};
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunTerminalReport({"brelvon-report", "--json"}, terminal, out, err), terminal_exit::Success) << err.str();

    const nlohmann::json report = nlohmann::json::parse(out.str());
    nlohmann::json rows = nlohmann::json::array();
    for (const auto& row : report.at("rows")) {
        if (row.at("kind") == "drive") {
            rows.push_back(
                {row.at("letter"), row.at("device"), row.at("mountPoint"), row.at("totalMb"), row.at("freeMb")});
        } else if (row.at("kind") == "total") {
            rows.push_back({row.at("totalMb"), row.at("freeMb")});
        }
    }
    EXPECT_EQ(rows, nlohmann::json::parse(GetParam().Expected));
}

// rpool is its largest free space plus what /, /home and /var/log use: the
// second mount of /home, the snapshot and the container tree add nothing.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    LinuxDriveService, SumsZfsPools,
    ::testing::Values(
        PoolCase{"FreeIsTheLargestTotalAddsWhatEachDatasetUses",
                 {{"/", {100, 60}}, {"/home", {90, 60}}, {"/var/log", {15, 10}}, {"/srv/ann", {90, 60}},
                  {"/home/.zfs/snapshot/mon", {80, 60}}, {"/var/lib/docker", {500, 60}}, {"/boot", {2, 1}}},
                 R"([["C","rpool","/",135,60],["D","bpool","/boot",2,1],[137,61]])"},
        PoolCase{"ShownDatasetUnderAQuotaDoesNotCapThePool",
                 {{"/", {50, 10}}, {"/home", {90, 60}}, {"/var/log", {15, 10}}, {"/srv/ann", {90, 60}},
                  {"/home/.zfs/snapshot/mon", {80, 60}}, {"/var/lib/docker", {500, 60}}, {"/boot", {2, 1}}},
                 R"([["C","rpool","/",135,60],["D","bpool","/boot",2,1],[137,61]])"},
        PoolCase{"DatasetThatDoesNotAnswerLeavesThePoolNotReady",
                 {{"/", {100, 60}}, {"/home", {90, 60}}, {"/srv/ann", {90, 60}},
                  {"/home/.zfs/snapshot/mon", {80, 60}}, {"/var/lib/docker", {500, 60}}, {"/boot", {2, 1}}},
                 R"([["C",null,null,0,0],["D","bpool","/boot",2,1],[2,1]])"}),
    [](const ::testing::TestParamInfo<PoolCase>& info) { return std::string(info.param.Name); });
// clang-format on

}  // namespace
}  // namespace brelvon
