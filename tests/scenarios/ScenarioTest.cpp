// Scenario tests: each scenario is a command line for the probe and the values
// expected in its JSON output, addressed by JSON pointers. Scenarios live in the
// *.json files of this folder; an expected null means absent (or null); "$SAMPLES" stands for the project's data folder
// and "$TESTDATA" for the tests' data folder.
#include "support/RunProgram.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace brelvon {
namespace {

using nlohmann::json;

struct Scenario {
    std::string File;
    std::string Name;
    std::vector<std::string> Arguments;
    json Expect;
    int Exit = 0;
};

std::string Substitute(std::string text)
{
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"$SAMPLES", test::SampleData()},
                                     std::pair<std::string, std::string>{"$TESTDATA", test::TestData()}}) {
        for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size())) {
            text.replace(at, key.size(), value);
        }
    }
    return text;
}

std::vector<Scenario> LoadScenarios()
{
    std::vector<Scenario> scenarios;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(test::Scenarios())) {
        if (entry.path().extension() == ".json") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        std::ifstream stream(path);
        const json document = json::parse(stream);
        for (const auto& item : document) {
            Scenario scenario;
            scenario.File = path.stem().string();
            scenario.Name = item.at("name").get<std::string>();
            for (const auto& argument : item.at("args"))
                scenario.Arguments.push_back(Substitute(argument.get<std::string>()));
            scenario.Expect = item.at("expect");
            scenario.Exit = item.value("exit", 0);
            scenarios.push_back(std::move(scenario));
        }
    }
    return scenarios;
}

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.File << ": " << scenario.Name; }

class ProbeScenario : public testing::TestWithParam<Scenario> {};

TEST_P(ProbeScenario, GivesTheExpectedValues)
{
    const Scenario& scenario = GetParam();
    const auto result = test::RunProgram(test::ProbeProgram(), scenario.Arguments);
    ASSERT_EQ(result.ExitCode, scenario.Exit) << result.Err;
    if (scenario.Expect.empty()) return;
    const json output = json::parse(result.Out);
    for (const auto& [pointer, expected] : scenario.Expect.items()) {
        const json::json_pointer at(pointer);
        if (expected.is_null() && !output.contains(at)) continue;  // null expects "absent or null"
        ASSERT_TRUE(output.contains(at)) << pointer << " is missing";
        EXPECT_EQ(output.at(at), expected) << pointer;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Scenarios, ProbeScenario, testing::ValuesIn(LoadScenarios()),
                         [](const testing::TestParamInfo<Scenario>& info) {
                             std::string name = info.param.File + "_" + info.param.Name;
                             std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return name;
                         });
// clang-format on

}  // namespace
}  // namespace brelvon
