// Replays every seed of the fuzz targets and every input that once broke a
// contract (fuzz/regressions/TARGET/) through the same target functions the
// fuzzers call. A target aborts on a broken contract, so a fault that comes
// back fails the test of its input.
#include "FuzzTargets.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace brelvon {
namespace {

namespace fs = std::filesystem;

struct Replay {
    std::string Target;
    void (*Function)(std::string_view) = nullptr;
    fs::path Input;
};

void PrintTo(const Replay& replay, std::ostream* out)
{
    *out << replay.Target << ": " << replay.Input.parent_path().filename().string() << "/"
         << replay.Input.filename().string();
}

std::vector<Replay> LoadReplays()
{
    struct Target {
        std::string Name;
        void (*Function)(std::string_view);
        std::vector<fs::path> ExtraSeeds;  // test data of the target's kind
    };
    const std::vector<Target> targets = {
        {"switch_text", &fuzz::SwitchTextTarget, {}},
        {"limit_text", &fuzz::LimitTextTarget, {}},
        {"mountinfo", &fuzz::MountInfoTarget, {fs::path(test::TestData()) / "mountinfo"}},
        {"drive_file", &fuzz::DriveFileTarget, {fs::path(test::TestData()) / "drives"}},
    };
    std::vector<Replay> replays;
    for (const Target& target : targets) {
        std::vector<fs::path> folders = {fs::path(test::FuzzDir()) / "corpus" / target.Name,
                                         fs::path(test::FuzzDir()) / "regressions" / target.Name};
        folders.insert(folders.end(), target.ExtraSeeds.begin(), target.ExtraSeeds.end());
        std::vector<fs::path> inputs;
        for (const fs::path& folder : folders) {
            if (!fs::is_directory(folder)) continue;
            for (const auto& entry : fs::directory_iterator(folder)) {
                if (entry.is_regular_file()) inputs.push_back(entry.path());
            }
        }
        std::sort(inputs.begin(), inputs.end());
        for (const fs::path& input : inputs) replays.push_back({target.Name, target.Function, input});
    }
    return replays;
}

class FuzzInput : public testing::TestWithParam<Replay> {};

TEST_P(FuzzInput, KeepsEveryContract)
{
    std::ifstream file(GetParam().Input, std::ios::binary);
    ASSERT_TRUE(file) << GetParam().Input;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    GetParam().Function(bytes.str());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Replay, FuzzInput, testing::ValuesIn(LoadReplays()),
                         [](const testing::TestParamInfo<Replay>& info) {
                             std::string name = info.param.Target + "_" + info.param.Input.parent_path().filename().string() +
                                                "_" + info.param.Input.filename().string();
                             std::replace_if(name.begin(), name.end(),
                                             [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return name;
                         });
// clang-format on

// The replay would pass vacuously if the folders went missing.
TEST(FuzzReplay, EveryTargetHasSeeds)
{
    std::map<std::string, int> counts;
    for (const Replay& replay : LoadReplays()) ++counts[replay.Target];
    for (const char* target : {"switch_text", "limit_text", "mountinfo", "drive_file"}) {
        EXPECT_GE(counts[target], 2) << target;
    }
}

}  // namespace
}  // namespace brelvon
