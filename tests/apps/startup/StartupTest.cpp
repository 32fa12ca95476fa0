// A window shown with --drives follows its file as it follows a machine.
#include "startup/Startup.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace brelvon {
namespace {

std::string LettersOf(const DriveServiceFactory& drives)
{
    std::string letters;
    for (const auto& drive : drives()->Drives()) letters += drive->Letter();
    return letters;
}

TEST(ChooseDrives, ReadsTheFileAgainAtEachSurveyAndKeepsTheLastGoodOne)
{
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("brelvon-startup-test-" + std::to_string(::getpid()) + ".json");
    const auto write = [&](const std::string& text) { std::ofstream(file) << text; };
    const auto drive = [](char letter) {
        return std::string(R"({"letter": ")") + letter + R"(", "type": "fixed", "total": 1000, "free": 500})";
    };
    write(R"({"drives": [)" + drive('C') + "," + drive('D') + "]}");
    const DriveServiceFactory drives = ChooseDrives(file.string(), ThisMachine());

    struct Step {
        const char* Name;
        std::string Text;  // empty: the file removed
        const char* Letters;
    };
    const Step steps[] = {
        {"as read at the start", R"({"drives": [)" + drive('C') + "," + drive('D') + "]}", "CD"},
        {"a drive added, one removed", R"({"drives": [)" + drive('C') + "," + drive('K') + "]}", "CK"},
        {"half written", R"({"drives": [)" + drive('C'), "CK"},
        {"removed", "", "CK"},
        {"written again", R"({"drives": [)" + drive('E') + "]}", "E"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Name);
        if (step.Text.empty()) {
            std::filesystem::remove(file);
        } else {
            write(step.Text);
        }
        EXPECT_EQ(LettersOf(drives), step.Letters);
    }
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace brelvon
