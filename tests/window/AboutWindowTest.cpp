#include "window/AboutWindow.h"

#include <gtest/gtest.h>

namespace brelvon {
namespace {

struct VersionCase {
    int Major;
    int Minor;
    int Revision;
    std::string Line;
};

void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.Major << '.' << c.Minor << '.' << c.Revision; }

class AboutVersionLine : public testing::TestWithParam<VersionCase> {};

TEST_P(AboutVersionLine, WritesTheRevisionDirectlyAfterTheMinorNumber)
{
    ApplicationFacts application;
    application.Major = GetParam().Major;
    application.Minor = GetParam().Minor;
    application.Revision = GetParam().Revision;
    const AboutWindow about(application);
    EXPECT_EQ(about.lblVersion.Text, GetParam().Line);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Versions, AboutVersionLine,
                         testing::Values(VersionCase{1, 2, 6, "Version 1.26 - 02/12/2010"},
                                         VersionCase{1, 2, 16, "Version 1.216 - 02/12/2010"},
                                         VersionCase{2, 0, 0, "Version 2.00 - 02/12/2010"},
                                         VersionCase{10, 11, 105, "Version 10.11105 - 02/12/2010"}),
                         [](const auto& info) {
                             const VersionCase& v = info.param;
                             return "V" + std::to_string(v.Major) + "_" + std::to_string(v.Minor) + "_" +
                                    std::to_string(v.Revision);
                         });
// clang-format on

TEST(AboutWindow, LoadingReplacesTheStoredTexts)
{
    ApplicationFacts application;
    application.Title = "Renamed";
    const AboutWindow about(application);
    EXPECT_EQ(about.Window.Text, " About");
    EXPECT_EQ(about.lblTitle.Text, "Renamed");
    EXPECT_EQ(about.lblAuthor.Text, AboutWindow::MakerLine());
    EXPECT_FALSE(about.lblAuthor.Text.empty());
}

TEST(AboutWindow, MakerLineJoinsNameAndAddressOnlyWhenThereIsAnAddress)
{
    EXPECT_EQ(AboutWindow::JoinMakerLine("Ann Example", "https://example.org/brelvon"),
              "Ann Example - https://example.org/brelvon");
    EXPECT_EQ(AboutWindow::JoinMakerLine("Ann Example", ""), "Ann Example");
}

}  // namespace
}  // namespace brelvon
