#pragma once

#include <cstdint>
#include <string>

namespace brelvon {

enum class ControlKind {
    Form,
    Label,
    TextBox,
    CommandButton,
    CheckBox,
    OptionButton,
    Frame,
    Line,
    PictureBox,
};

enum class TextAlignment { Left, Right, Center };

struct Rgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

namespace colors {
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb WindowGrey{224, 224, 224};
inline constexpr Rgb ButtonFace{240, 240, 240};
}  // namespace colors

// One control of a window in memory, with the properties the program reads and
// writes. Positions and sizes are twips (1/1440 inch), relative to the client
// area of the container. A write takes effect at once; the window binding
// mirrors the control into a real widget after every event.
struct Control {
    ControlKind Kind = ControlKind::Label;
    std::string Name;              // the control's name; for an array element, the array's name
    int Index = 0;                 // element index of a control array; 0 for a plain control
    Control* Container = nullptr;  // the frame holding it; nullptr for the window

    std::string Text;  // the caption, or the text of a text box
    int Value = 0;     // check box: 0 unticked, 1 ticked; option button: 1 when selected

    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = true;
    bool Enabled = true;

    Rgb BackColor = colors::WindowGrey;
    Rgb ForeColor = colors::Black;
    bool Opaque = true;     // labels: the background is painted, else transparent
    bool Bordered = false;  // labels: a single-line border

    std::string FontName = "MS Sans Serif";
    double FontSize = 8.25;
    bool FontBold = false;
    bool FontItalic = false;
    TextAlignment Alignment = TextAlignment::Left;
    int MaxLength = 0;  // text boxes: characters that can be typed, 0 for no limit
    // Text boxes: the user cannot change the text, but can still focus it,
    // select in it and copy; the program's own writes are unaffected.
    bool Locked = false;

    std::string Tag;  // free text, read back unchanged

    // Lines only: end points and colour.
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
    Rgb BorderColor = colors::Black;

    int TabIndex = -1;  // place in the focus order; -1 when it never takes the focus
    int Stacking = 0;   // among siblings, lower values lie on top

    // "Text3(2)" for an array element, "Text3" otherwise.
    [[nodiscard]] std::string FullName() const;
    [[nodiscard]] bool TakesFocus() const { return TabIndex >= 0; }
    // The Tag read as a whole number; 0 when it holds none.
    [[nodiscard]] int TagNumber() const;
};

// A control of a window description: its kind, name, caption or text, place and
// size, and the colours a control of its kind has unless told otherwise (text
// boxes white, command buttons the button face, the rest the window's grey).
[[nodiscard]] Control MakeControl(ControlKind kind, std::string name, std::string text, int left, int top, int width,
                                  int height, Control* container = nullptr);

}  // namespace brelvon
