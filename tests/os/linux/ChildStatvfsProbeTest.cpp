#include "os/linux/ChildStatvfsProbe.h"
#include "os/linux/HungStatvfs.h"
#include "os/linux/LinuxDrive.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include <unistd.h>

namespace brelvon {
namespace {

using namespace std::chrono_literals;
using testing::NeverAnswers;

// Read by the child at fork time: whether this probe should hang for a while.
volatile bool gHangBriefly = false;

int HangsBrieflyWhenAsked(const char* path, struct statvfs* result)
{
    if (gHangBriefly) {
        ::usleep(400 * 1000);
    }
    return ::statvfs(path, result);
}

TEST(ChildStatvfsProbe, AnswersLikeStatvfs)
{
    const ChildStatvfsProbe probe(std::make_shared<StuckProbeRecord>());
    const ProbeResult result = probe.Probe("root", "/");
    ASSERT_EQ(result.Result, ProbeResult::Outcome::Answered);
    const ProbeResult direct = LinuxDrive::MeasureDirectly("/");
    ASSERT_TRUE(direct.Size.has_value());
    EXPECT_EQ(result.Size->Total, direct.Size->Total);
    EXPECT_GT(result.Size->Total, 0u);
    EXPECT_GE(result.Size->Free, result.Size->Available);
}

TEST(ChildStatvfsProbe, ErrorIsFailedNotTimedOutAndKeepsItsErrno)
{
    const ChildStatvfsProbe probe(std::make_shared<StuckProbeRecord>());
    const ProbeResult result = probe.Probe("gone", "/no/such/mount/point");
    EXPECT_EQ(result.Result, ProbeResult::Outcome::Failed);
    EXPECT_EQ(result.Error, ENOENT);
    EXPECT_EQ(LinuxDrive::MeasureDirectly("/no/such/mount/point").Error, ENOENT);
}

TEST(ChildStatvfsProbe, HungMountIsNotAskedAgainWhileItsChildIsStuck)
{
    const auto record = std::make_shared<StuckProbeRecord>();
    const ChildStatvfsProbe probe(record, 100ms, &NeverAnswers);
    EXPECT_EQ(probe.Probe("nfs server:/a /mnt/a", "/").Result, ProbeResult::Outcome::TimedOut);
    EXPECT_EQ(probe.Probe("nfs server:/a /mnt/a", "/").Result, ProbeResult::Outcome::StillStuck);
    EXPECT_EQ(record->ReapFinished(), 1u);  // no second child was made
    // Another mount is still asked.
    EXPECT_EQ(probe.Probe("nfs server:/b /mnt/b", "/").Result, ProbeResult::Outcome::TimedOut);
    EXPECT_EQ(record->ReapFinished(), 2u);
}

TEST(ChildStatvfsProbe, ChildThatFinishesLateIsReapedAndTheMountAskedAgain)
{
    const auto record = std::make_shared<StuckProbeRecord>();
    const ChildStatvfsProbe probe(record, 100ms, &HangsBrieflyWhenAsked);
    gHangBriefly = true;
    EXPECT_EQ(probe.Probe("slow", "/").Result, ProbeResult::Outcome::TimedOut);
    gHangBriefly = false;

    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (record->ReapFinished() > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(20ms);
    }
    ASSERT_EQ(record->ReapFinished(), 0u);
    EXPECT_EQ(probe.Probe("slow", "/").Result, ProbeResult::Outcome::Answered);
}

TEST(LinuxDrive, StatvfsThatNeverAnswersIsNotReadyOnceItsTimeIsUp)
{
    const auto probe = std::make_shared<const ChildStatvfsProbe>(std::make_shared<StuckProbeRecord>(),
                                                                 ChildStatvfsProbe::kDefaultTimeout, &NeverAnswers);
    ClassifiedDrive share;
    share.Letter = 'N';
    share.Type = DriveType::Network;
    share.MountPoint = "/";
    share.Device = "server:/export";
    share.FileSystem = "nfs4";
    share.AskInChild = true;
    LinuxDrive drive(share, {}, probe, LabelReader());

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(drive.IsReady());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);  // given up, not hung, even on a loaded machine
    EXPECT_FALSE(drive.IsReady());  // the answer is kept, not asked again
    EXPECT_EQ(drive.VolumeName(), "/");
    EXPECT_FALSE(drive.Details().AvailableBytes.has_value());
}

}  // namespace
}  // namespace brelvon
