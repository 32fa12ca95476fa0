#include "ui/shared/MirroredControl.h"

#include <gtest/gtest.h>

#include <functional>

namespace brelvon {
namespace {

struct ChangeCase {
    const char* Name;
    std::function<void(Control&)> Change;
    bool ControlChanges::*Flag;  // the one flag the change raises
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.Name; }

class ChangeRaisesItsFlag : public ::testing::TestWithParam<ChangeCase> {};

// A control taken, changed in one property and taken again reports that
// property's change alone; taking it once more reports nothing.
TEST_P(ChangeRaisesItsFlag, AndNoOther)
{
    Control control = MakeControl(ControlKind::Label, "lblHead", "Free", 100, 200, 900, 255);
    MirroredControl mirror;
    ASSERT_EQ(mirror.Take(control), ControlChanges::All());
    GetParam().Change(control);
    ControlChanges expected;
    expected.*GetParam().Flag = true;
    EXPECT_EQ(mirror.Take(control), expected);
    EXPECT_EQ(mirror.Shown().Text, control.Text);
    EXPECT_FALSE(mirror.Take(control).Any());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    MirroredControl, ChangeRaisesItsFlag,
    ::testing::Values(
        ChangeCase{"Left", [](Control& c) { c.Left += 15; }, &ControlChanges::Place},
        ChangeCase{"Height", [](Control& c) { c.Height = 0; }, &ControlChanges::Place},
        ChangeCase{"LineEnd", [](Control& c) { c.X1 = c.X2 = 8820; }, &ControlChanges::Place},
        ChangeCase{"FontSize", [](Control& c) { c.FontSize = 6.75; }, &ControlChanges::Font},
        ChangeCase{"Bold", [](Control& c) { c.FontBold = true; }, &ControlChanges::Font},
        ChangeCase{"Caption", [](Control& c) { c.Text = "Libre"; }, &ControlChanges::Text},
        ChangeCase{"BackColor", [](Control& c) { c.BackColor = Rgb{0, 0, 255}; }, &ControlChanges::Colors},
        ChangeCase{"LineColor", [](Control& c) { c.BorderColor = Rgb{255, 0, 0}; }, &ControlChanges::Colors},
        ChangeCase{"Transparent", [](Control& c) { c.Opaque = false; }, &ControlChanges::Look},
        ChangeCase{"Alignment", [](Control& c) { c.Alignment = TextAlignment::Right; }, &ControlChanges::Look},
        ChangeCase{"Ticked", [](Control& c) { c.Value = 1; }, &ControlChanges::Value},
        ChangeCase{"Hidden", [](Control& c) { c.Visible = false; }, &ControlChanges::Visible},
        ChangeCase{"Disabled", [](Control& c) { c.Enabled = false; }, &ControlChanges::Enabled},
        ChangeCase{"Locked", [](Control& c) { c.Locked = true; }, &ControlChanges::Typing},
        ChangeCase{"Stacking", [](Control& c) { c.Stacking = 3; }, &ControlChanges::Order},
        ChangeCase{"TabIndex", [](Control& c) { c.TabIndex = 7; }, &ControlChanges::Order}));
// clang-format on

TEST(MirroredControl, AFaceChangeIsATextChangeToo)
{
    Control control = MakeControl(ControlKind::TextBox, "Text1", "S", 0, 0, 300, 255);
    MirroredControl mirror;
    static_cast<void>(mirror.Take(control));
    control.FontName = "Symbol";
    const ControlChanges changes = mirror.Take(control);
    EXPECT_TRUE(changes.Font && changes.Text && changes.Drawn());
}

TEST(MirroredControl, ForgottenIsShownAnewWhole)
{
    const Control control = MakeControl(ControlKind::CommandButton, "ButExit", "E X I T", 0, 0, 900, 375);
    MirroredControl mirror;
    EXPECT_FALSE(mirror.WasShown());
    static_cast<void>(mirror.Take(control));
    mirror.Forget();
    EXPECT_FALSE(mirror.WasShown());
    EXPECT_EQ(mirror.Take(control), ControlChanges::All());
    EXPECT_EQ(mirror.Shown().Text, "E X I T");
}

}  // namespace
}  // namespace brelvon
