#include "about/AboutWindow.h"
#include "control/MainForm.h"
#include "platform/MemoryClipboard.h"
#include "platform/file/RecordedDriveService.h"

#include <gtest/gtest.h>

namespace brelvon {
namespace {

struct VersionCase {
    int Major;
    int Minor;
    int Revision;
    std::string Line;
};

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

// A main window over an empty machine, with the program's end recorded.
class AboutFromMainWindow : public testing::Test {
protected:
    AboutFromMainWindow() : form_(MakeServices()) { form_.Initialize(); }

    Services MakeServices()
    {
        Services services;
        services.Drives = RecordedDriveService::Factory({});
        services.SystemClipboard = &clipboard_;
        services.EndProgram = [this] {
            ++ends_;
            aboutLoadedAtEnd_ = form_.About() != nullptr;
            mainShownAtEnd_ = form_.Window().Window.Visible;
        };
        return services;
    }

    MemoryClipboard clipboard_;
    int ends_ = 0;
    bool aboutLoadedAtEnd_ = true;
    bool mainShownAtEnd_ = true;
    MainForm form_;
};

TEST_F(AboutFromMainWindow, RequestShowsTheLoadedWindowAgainAndLoadsAClosedOneAnew)
{
    MainWindow& w = form_.Window();
    form_.Click(w.ButAbout);
    AboutWindow* first = form_.About();
    ASSERT_NE(first, nullptr);
    first->Window.Visible = false;  // as if hidden by the window manager
    form_.Click(w.LabTit2);
    EXPECT_EQ(form_.About(), first);
    EXPECT_TRUE(first->Window.Visible);

    form_.CloseAbout();
    EXPECT_EQ(form_.About(), nullptr);
    form_.Click(w.LabTit1);
    ASSERT_NE(form_.About(), nullptr);
    EXPECT_TRUE(form_.About()->Window.Visible);
    EXPECT_EQ(form_.About()->Window.Text, " About");
}

class ExitFromMainWindow : public AboutFromMainWindow, public testing::WithParamInterface<bool> {};

TEST_P(ExitFromMainWindow, UnloadsAboutThenTheMainWindowBeforeTheProgramEnds)
{
    if (GetParam()) form_.Click(form_.Window().ButAbout);
    form_.Click(form_.Window().ButExit);
    EXPECT_EQ(ends_, 1);
    EXPECT_FALSE(aboutLoadedAtEnd_);
    EXPECT_FALSE(mainShownAtEnd_);
}

INSTANTIATE_TEST_SUITE_P(AboutShownOrNot, ExitFromMainWindow, testing::Bool());

}  // namespace
}  // namespace brelvon
