#include "drives/RecordedDriveService.h"
#include "model/MemoryClipboard.h"
#include "refresh/MainForm.h"

#include <gtest/gtest.h>

namespace brelvon {
namespace {

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

// clang-format off
INSTANTIATE_TEST_SUITE_P(AboutShownOrNot, ExitFromMainWindow, testing::Bool());
// clang-format on

}  // namespace
}  // namespace brelvon
