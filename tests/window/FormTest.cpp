#include "model/PlatformError.h"
#include "window/MainWindow.h"

#include <gtest/gtest.h>

namespace brelvon {
namespace {

TEST(ControlArray, CreatedElementCopiesElementOneAsItIsNowButHidden)
{
    MainWindow window;
    window.Text3(1).Text = "42 ";
    window.Text3(1).ForeColor = Rgb{255, 0, 0};
    Control& copy = window.CreateElement(window.Text3, 2);
    EXPECT_EQ(copy.FullName(), "Text3(2)");
    EXPECT_EQ(copy.Text, "42 ");
    EXPECT_EQ(copy.ForeColor, (Rgb{255, 0, 0}));
    EXPECT_EQ(copy.Left, 2205);
    EXPECT_EQ(copy.Stacking, window.Text3(1).Stacking);
    EXPECT_FALSE(copy.Visible);
    EXPECT_EQ(window.Find("Text3(2)"), &copy);
}

TEST(ControlArray, ElementsComeAndGoWithoutDisturbingOthers)
{
    MainWindow window;
    for (int i = 2; i <= 29; ++i) window.CreateElement(window.Lab1, i);
    Control* third = &window.Lab1(3);
    EXPECT_EQ(window.Lab1.UpperBound(), 29);
    for (int i = 29; i >= 4; --i) window.DestroyElement(window.Lab1, i);
    EXPECT_EQ(&window.Lab1(3), third);
    EXPECT_EQ(window.Lab1.UpperBound(), 3);
    EXPECT_FALSE(window.Lab1.Exists(4));
    EXPECT_EQ(window.Find("Lab1(4)"), nullptr);
}

TEST(ControlArray, MisuseRaisesAPlatformError)
{
    MainWindow window;
    EXPECT_THROW(window.CreateElement(window.Lin1, 1), PlatformError);
    EXPECT_THROW(window.DestroyElement(window.Lin1, 1), PlatformError);
    EXPECT_THROW(window.DestroyElement(window.Lin1, 2), PlatformError);
    window.CreateElement(window.Lin1, 2);
    EXPECT_THROW(window.CreateElement(window.Lin1, 2), PlatformError);
    EXPECT_THROW((void)window.Lin1(3), PlatformError);
}

TEST(Form, DestroyingTheFocusedElementLeavesNoDanglingFocus)
{
    MainWindow window;
    window.SetFocus(window.CreateElement(window.Text2, 2));
    window.DestroyElement(window.Text2, 2);
    EXPECT_EQ(window.Focus(), nullptr);
}

TEST(Form, OptionGroupsAreTheirContainers)
{
    MainWindow window;
    window.SelectOption(window.OptGb);
    EXPECT_EQ(window.OptMb.Value, 0);
    EXPECT_EQ(window.OptLang(1).Value, 1);
    window.SelectOption(window.OptLang(2));
    EXPECT_EQ(window.OptLang(1).Value, 0);
    EXPECT_EQ(window.OptGb.Value, 1);
}

TEST(Form, FindsControlsByFullName)
{
    MainWindow window;
    EXPECT_EQ(window.Find("Form1"), &window.Window);
    EXPECT_EQ(window.Find("CheckCD"), &window.CheckCD);
    EXPECT_EQ(window.Find("OptLang(2)"), &window.OptLang(2));
    for (const char* missing : {"OptLang", "CheckCD(1)", "Text1(0)", "Text1(x)", "Nothing", "Text1(1"}) {
        EXPECT_EQ(window.Find(missing), nullptr) << missing;
    }
}

TEST(MainWindow, HasTheFortyFourDescribedControls)
{
    MainWindow window;
    int controls = 0;
    window.ForEachControl([&controls](const Control& control) {
        if (control.Kind != ControlKind::Form && control.Index <= 1) ++controls;
    });
    EXPECT_EQ(controls, 44);  // OptLang counts once
    EXPECT_TRUE(window.OptLang.Exists(2));
    EXPECT_EQ(window.Window.Height - Form::FrameExtraHeight, 2940);
}

TEST(MainWindow, FocusOrderStartsAtButFocusAndEndsAtTheFrenchButton)
{
    MainWindow window;
    std::vector<std::string> order(23);
    window.ForEachControl([&order](const Control& control) {
        if (control.TakesFocus()) order.at(static_cast<std::size_t>(control.TabIndex)) = control.FullName();
    });
    EXPECT_EQ(order,
              (std::vector<std::string>{"ButFocus", "Text1(1)", "Text2(1)",   "Text3(1)",   "Text5(1)",   "Text6(1)",
                                        "Text4(1)", "TextBlue", "ButBlueMax", "ButBlueMin", "ButRedMin",  "ButRedMax",
                                        "TextRed",  "OptGb",    "OptMb",      "CheckCD",    "CheckRemov", "CheckNet",
                                        "ButCopy",  "ButExit",  "ButAbout",   "OptLang(1)", "OptLang(2)"}));
}

TEST(MainWindow, StackingPutsTheBarOverItsMarkersOverItsBackground)
{
    MainWindow window;
    EXPECT_LT(window.Lab1(1).Stacking, window.Lin1(1).Stacking);
    EXPECT_LT(window.Lin2(1).Stacking, window.Lab2(1).Stacking);
    EXPECT_LT(window.ButExit.Stacking, window.FramEnd.Stacking);
    EXPECT_LT(window.LabTit2.Stacking, window.LabTit1.Stacking);
}

}  // namespace
}  // namespace brelvon
