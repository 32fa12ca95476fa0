#include "ui/shared/MirroredControl.h"

#include <tuple>

namespace brelvon {

ControlChanges ControlChanges::All()
{
    return {.Place = true,
            .Font = true,
            .Text = true,
            .Colors = true,
            .Look = true,
            .Value = true,
            .Visible = true,
            .Enabled = true,
            .Typing = true,
            .Order = true};
}

ControlChanges ChangesBetween(const Control& before, const Control& now)
{
    const auto place = [](const Control& c) { return std::tie(c.Left, c.Top, c.Width, c.Height, c.X1, c.Y1, c.X2, c.Y2); };
    const auto font = [](const Control& c) { return std::tie(c.FontName, c.FontSize, c.FontBold, c.FontItalic); };
    const auto colors = [](const Control& c) { return std::tie(c.BackColor, c.ForeColor, c.BorderColor); };
    const auto look = [](const Control& c) { return std::tie(c.Opaque, c.Bordered, c.Alignment); };
    const auto order = [](const Control& c) { return std::tie(c.Stacking, c.TabIndex, c.Index); };
    return {.Place = place(before) != place(now),
            .Font = font(before) != font(now),
            .Text = before.Text != now.Text || before.FontName != now.FontName,
            .Colors = colors(before) != colors(now),
            .Look = look(before) != look(now),
            .Value = before.Value != now.Value,
            .Visible = before.Visible != now.Visible,
            .Enabled = before.Enabled != now.Enabled,
            .Typing = before.Locked != now.Locked || before.MaxLength != now.MaxLength,
            .Order = order(before) != order(now)};
}

ControlChanges MirroredControl::Take(const Control& control)
{
    const ControlChanges changes = shown_ ? ChangesBetween(*shown_, control) : ControlChanges::All();
    shown_ = control;
    return changes;
}

}  // namespace brelvon
