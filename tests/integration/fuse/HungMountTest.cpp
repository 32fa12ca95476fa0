// A network mount whose file system never answers statfs: the survey gives up
// on it in time and shows it as not ready, and brelvon-report still finishes.
// The test runs in a mount namespace of its own, so that no other program on
// the machine (a df, another test's survey) meets the hung mount.
#include "HungFileSystem.h"

#include "os/linux/LinuxDriveServiceFactory.h"
#include "survey/DriveSurvey.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

namespace brelvon {
namespace {

using Clock = std::chrono::steady_clock;

// Why the test cannot run here; empty when it can.
std::string g_skipReason;

struct ProgramRun {
    bool Exited = false;  // the program exited before the deadline
    int ExitCode = -1;
    bool OutputClosed = false;  // nothing held its standard output open any more by then
    std::string Out;
    std::chrono::milliseconds Took{0};
};

// Runs a program until it has exited and its output is closed, or until the
// deadline; a program still running then is killed.
ProgramRun RunUntil(const std::string& path, const std::vector<std::string>& arguments, std::chrono::milliseconds limit)
{
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    ProgramRun run;
    const auto deadline = start + limit;
    int status = 0;
    while (Clock::now() < deadline && !(run.Exited && run.OutputClosed)) {
        if (!run.Exited && waitpid(child, &status, WNOHANG) == child) {
            run.Exited = true;
            run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (run.OutputClosed) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        pollfd request{out[0], POLLIN, 0};
        if (poll(&request, 1, 10) > 0) {
            char buffer[4096];
            const ssize_t n = read(out[0], buffer, sizeof buffer);
            if (n > 0) run.Out.append(buffer, static_cast<std::size_t>(n));
            if (n == 0) run.OutputClosed = true;
        }
    }
    run.Took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    close(out[0]);
    if (!run.Exited) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    return run;
}

struct NetworkDrives {
    int Listed = 0;
    int NotReady = 0;
};

NetworkDrives CountNetworkDrives(const DriveTable& table)
{
    NetworkDrives count;
    for (int i = 1; i <= table.DriveRowCount; ++i) {
        const DriveTableRow& row = table.Row(i);
        if (row.RowKind != row_kind::NetworkCategory) continue;
        ++count.Listed;
        if (!row.Details) ++count.NotReady;
    }
    return count;
}

SurveyOptions EveryDrive()
{
    SurveyOptions options;
    options.ListNetwork = options.ListRemovable = options.ListCdRom = true;
    options.NetworkName = "Network";
    options.Words = {"(not ready)", "Drives", "Fixed"};
    return options;
}

class HungMount : public testing::Test {
protected:
    void SetUp() override
    {
        if (!g_skipReason.empty()) GTEST_SKIP() << g_skipReason;
        char folder[] = "/tmp/brelvon-hung-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        mountPoint_ = folder;
        const auto factory = MakeLinuxDriveServiceFactory();
        before_ = CountNetworkDrives(SurveyDrives(*factory(), EveryDrive()));
        const std::string problem = fileSystem_.Mount(mountPoint_);
        if (!problem.empty()) GTEST_SKIP() << problem;
    }

    void TearDown() override
    {
        const std::string how = fileSystem_.Release();
        if (!how.empty()) std::printf("FUSE connection %s\n", how.c_str());
        if (!mountPoint_.empty()) rmdir(mountPoint_.c_str());
    }

    std::string mountPoint_;
    NetworkDrives before_;
    test::HungFileSystem fileSystem_;
};

TEST_F(HungMount, SurveyShowsItNotReadyInTime)
{
    const auto factory = MakeLinuxDriveServiceFactory();
    for (const char* survey : {"first survey", "second survey, while the first one's question still hangs"}) {
        const auto start = Clock::now();
        const DriveTable table = SurveyDrives(*factory(), EveryDrive());
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        std::printf("%s: %lld ms\n", survey, static_cast<long long>(took.count()));
        // Given up after the 1.5 s limit: well before a hang, with room for a loaded machine.
        EXPECT_LT(took, std::chrono::seconds(10)) << survey;
        const NetworkDrives after = CountNetworkDrives(table);
        EXPECT_EQ(after.Listed, before_.Listed + 1) << survey << ": the hung mount is listed as a network drive";
        EXPECT_EQ(after.NotReady, before_.NotReady + 1) << survey << ": and it is not ready";
    }
}

TEST_F(HungMount, ReportProgramFinishesAndShowsItNotReady)
{
    const ProgramRun run = RunUntil(BRELVON_REPORT_PROGRAM, {"-Nd1", "-LEn"}, std::chrono::seconds(5));
    std::printf("brelvon-report: %lld ms\n", static_cast<long long>(run.Took.count()));
    ASSERT_TRUE(run.Exited) << "brelvon-report did not exit";
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.OutputClosed) << "something brelvon-report started still holds its output open";
    EXPECT_NE(run.Out.find("\t(not ready) \t"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\tNetwork     \t"), std::string::npos) << run.Out;
}

}  // namespace
}  // namespace brelvon

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Before any thread starts: a namespace is entered by one thread only.
    brelvon::g_skipReason = brelvon::test::CheckFuseDevice();
    if (brelvon::g_skipReason.empty()) brelvon::g_skipReason = brelvon::test::EnterPrivateMountNamespace();
    return RUN_ALL_TESTS();
}
