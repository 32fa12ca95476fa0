// brelvon_hung_share: runs a command while a hung network share is mounted,
// for tests of other programs (Brelvon's window under Wine) against a share
// that does not answer.
//
//   brelvon_hung_share DIR ANSWERED -- COMMAND [ARGUMENTS...]
//
// Enters a mount namespace of its own, mounts a HungFileSystem on the empty
// folder DIR (statfs answered only to processes whose name begins with
// ANSWERED; "" for none), runs COMMAND there, then aborts the file system,
// which frees whatever still waits on it, and exits with the command's
// status. Exits 77 with the reason when it cannot mount, 2 for a bad command line.
#include "HungFileSystem.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int SkipStatus = 77;

int Skip(const std::string& reason)
{
    std::printf("SKIP: %s\n", reason.c_str());
    return SkipStatus;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5 || std::string(argv[3]) != "--") {
        std::fprintf(stderr, "usage: %s DIR ANSWERED -- COMMAND [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    if (std::string problem = brelvon::test::CheckFuseDevice(); !problem.empty()) return Skip(problem);
    if (std::string problem = brelvon::test::EnterPrivateMountNamespace(); !problem.empty()) return Skip(problem);
    brelvon::test::HungFileSystem share;
    if (std::string problem = share.Mount(argv[1], argv[2]); !problem.empty()) return Skip(problem);

    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0) return Skip("cannot start the command");
    if (child == 0) {
        execvp(argv[4], argv + 4);
        std::perror(argv[4]);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    std::printf("hung share %s\n", share.Release().c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
