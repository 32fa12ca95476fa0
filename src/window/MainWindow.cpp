#include "window/MainWindow.h"

#include <array>
#include <string>
#include <string_view>

namespace brelvon {

namespace {

constexpr Rgb BarBlue{128, 128, 255};
constexpr Rgb ExitFace{192, 192, 192};

Control TransparentLabel(std::string name, std::string text, int left, int top, int width, int height,
                         Control* container = nullptr)
{
    Control label =
        MakeControl(ControlKind::Label, std::move(name), std::move(text), left, top, width, height, container);
    label.Opaque = false;
    return label;
}

Control Heading(std::string name, std::string text, int left, int width, TextAlignment alignment)
{
    Control label = TransparentLabel(std::move(name), std::move(text), left, 1185, width, 255);
    label.FontBold = true;
    label.Alignment = alignment;
    return label;
}

Control Cell(std::string name, int left, int width, TextAlignment alignment)
{
    Control cell = MakeControl(ControlKind::TextBox, name, name, left, 1425, width, 330);
    cell.FontName = "Courier New";
    cell.FontSize = 9;
    cell.Alignment = alignment;
    // The table shows the survey; a typed size would be a false one.
    cell.Locked = true;
    return cell;
}

Control Marker(std::string name, int x, Rgb color)
{
    Control line = MakeControl(ControlKind::Line, std::move(name), "", 0, 0, 0, 0);
    line.X1 = x;
    line.Y1 = 1440;
    line.X2 = x;
    line.Y2 = 1740;
    line.BorderColor = color;
    return line;
}

}  // namespace

MainWindow::MainWindow()
    : Form("Form1"),
      Text1(Cell("Text1", 405, 375, TextAlignment::Center)),
      Text2(Cell("Text2", 765, 1455, TextAlignment::Left)),
      Text3(Cell("Text3", 2205, 1455, TextAlignment::Right)),
      Text4(Cell("Text4", 3765, 1215, TextAlignment::Right)),
      Text5(Cell("Text5", 4965, 1215, TextAlignment::Right)),
      Text6(Cell("Text6", 6160, 990, TextAlignment::Right)),
      Lab2(MakeControl(ControlKind::Label, "Lab2", "", 7110, 1425, 4455, 330)),
      Lab1(MakeControl(ControlKind::Label, "Lab1", "", 7110, 1470, 1935, 240)),
      Lin1(Marker("Lin1", 8820, Rgb{0, 0, 255})),
      Lin2(Marker("Lin2", 10710, Rgb{255, 0, 0})),
      OptLang(MakeControl(ControlKind::OptionButton, "OptLang", "EN", 630, 2175, 645, 330))
{
    Window.Text = "Brelvon";
    Window.Width = ClientWidth + FrameExtraWidth;
    Window.Height = ClientHeight + FrameExtraHeight;

    LabTit2 = TransparentLabel("LabTit2", "BRELVON", 315, 240, 750, 630);
    LabTit1 = TransparentLabel("LabTit1", "BRELVON", 330, 220, 960, 645);
    for (Control* title : {&LabTit2, &LabTit1}) {
        title->FontName = "Times New Roman";
        title->FontSize = 12;
        title->FontBold = true;
    }
    LabTit1.ForeColor = colors::White;

    Frame1 = MakeControl(ControlKind::Frame, "Frame1", "Drive types", 1260, 210, 3600, 705);
    CheckNet = MakeControl(ControlKind::CheckBox, "CheckNet", "Network", 210, 315, 1050, 240, &Frame1);
    CheckRemov = MakeControl(ControlKind::CheckBox, "CheckRemov", "Removable", 1260, 315, 1125, 240, &Frame1);
    CheckCD = MakeControl(ControlKind::CheckBox, "CheckCD", "CD-Rom", 2520, 315, 915, 240, &Frame1);
    for (Control* box : {&CheckNet, &CheckRemov, &CheckCD}) box->Value = 1;

    Frame2 = MakeControl(ControlKind::Frame, "Frame2", "Unit", 4935, 210, 1575, 705);
    OptMb = MakeControl(ControlKind::OptionButton, "OptMb", "Mb", 210, 270, 495, 315, &Frame2);
    OptGb = MakeControl(ControlKind::OptionButton, "OptGb", "Gb", 840, 270, 495, 315, &Frame2);
    OptMb.Value = 1;

    Frame3 = MakeControl(ControlKind::Frame, "Frame3", "Clipboard", 6615, 210, 960, 705);
    ButCopy = MakeControl(ControlKind::CommandButton, "ButCopy", "Copy", 170, 270, 645, 330, &Frame3);

    Frame4 = MakeControl(ControlKind::Frame, "Frame4", "Graph", 7665, 210, 3900, 705);
    Lab51 = TransparentLabel("Lab51", "Blue if <", 105, 345, 675, 255, &Frame4);
    ButBlueMin = MakeControl(ControlKind::CommandButton, "ButBlueMin", "-", 720, 330, 285, 270, &Frame4);
    TextBlue = MakeControl(ControlKind::TextBox, "TextBlue", "15", 1005, 315, 375, 285, &Frame4);
    ButBlueMax = MakeControl(ControlKind::CommandButton, "ButBlueMax", "+", 1380, 330, 285, 270, &Frame4);
    Lab52 = TransparentLabel("Lab52", "%", 1710, 345, 225, 255, &Frame4);
    Lab53 = TransparentLabel("Lab53", "Red if >", 2040, 345, 885, 255, &Frame4);
    ButRedMin = MakeControl(ControlKind::CommandButton, "ButRedMin", "-", 2625, 330, 285, 270, &Frame4);
    TextRed = MakeControl(ControlKind::TextBox, "TextRed", "85", 2910, 315, 375, 285, &Frame4);
    ButRedMax = MakeControl(ControlKind::CommandButton, "ButRedMax", "+", 3285, 330, 285, 270, &Frame4);
    Lab54 = TransparentLabel("Lab54", "%", 3615, 345, 225, 255, &Frame4);
    for (Control* limit : {&TextBlue, &TextRed}) {
        limit->Alignment = TextAlignment::Center;
        limit->MaxLength = 3;
    }

    Label1 = Heading("Label1", "Disk", 420, 480, TextAlignment::Left);
    Label2 = Heading("Label2", "Label", 765, 1455, TextAlignment::Center);
    Label3 = Heading("Label3", "Size", 2205, 1455, TextAlignment::Center);
    Label4 = Heading("Label4", "Free", 3765, 1215, TextAlignment::Center);
    Label5 = Heading("Label5", "Used", 5085, 1095, TextAlignment::Center);
    Label6 = Heading("Label6", "% Used", 6150, 990, TextAlignment::Center);
    Label7 = Heading("Label7", "Graph", 7110, 3855, TextAlignment::Center);

    Text1(1).FontBold = true;
    Text6(1).FontName = "Arial";
    Lab2(1).BackColor = colors::White;
    Lab2(1).Bordered = true;
    Lab1(1).BackColor = BarBlue;
    Lab1(1).Bordered = true;

    FramEnd = MakeControl(ControlKind::Frame, "FramEnd", "", 420, 1935, 11160, 750);
    OptLang(1).Value = 1;
    Control french = MakeControl(ControlKind::OptionButton, "OptLang", "FR", 1260, 2175, 645, 330);
    french.Index = 2;
    OptLang.Add(std::move(french));
    ButExit = MakeControl(ControlKind::CommandButton, "ButExit", "E X I T", 5490, 2145, 975, 375);
    ButExit.BackColor = ExitFace;
    ButAbout = MakeControl(ControlKind::CommandButton, "ButAbout", "About", 10395, 2145, 975, 375);
    ButFocus = MakeControl(ControlKind::CommandButton, "ButFocus", "Focus", 13065, 615, 660, 330);

    // Where controls overlap, the first of this list lies on top.
    const std::array<Control*, 29> stacking{
        &OptLang(2), &OptLang(1), &ButAbout, &ButExit, &Frame3, &ButFocus, &Text4(1), &Text6(1), &Text5(1), &Text3(1),
        &Text2(1),   &Text1(1),   &Frame1,   &Frame2,  &Frame4, &FramEnd,  &LabTit2,  &LabTit1,  &Label6,   &Label4,
        &Lab1(1),    &Label1,     &Label7,   &Label5,  &Label3, &Label2,   &Lin1(1),  &Lin2(1),  &Lab2(1)};
    for (std::size_t i = 0; i < stacking.size(); ++i) stacking[i]->Stacking = static_cast<int>(i);
    // Inside a frame, controls stack in the order they are described.
    const std::array<std::array<Control*, 11>, 4> frameChildren{{
        {&CheckNet, &CheckRemov, &CheckCD},
        {&OptMb, &OptGb},
        {&ButCopy},
        {&Lab51, &ButBlueMin, &TextBlue, &ButBlueMax, &Lab52, &Lab53, &ButRedMin, &TextRed, &ButRedMax, &Lab54},
    }};
    for (const auto& children : frameChildren) {
        for (std::size_t i = 0; i < children.size() && children[i] != nullptr; ++i) {
            children[i]->Stacking = static_cast<int>(i);
        }
    }

    // The order the Tab key follows.
    const std::array<Control*, 23> focusOrder{&ButFocus, &Text1(1), &Text2(1),   &Text3(1),   &Text5(1),   &Text6(1),
                                              &Text4(1), &TextBlue, &ButBlueMax, &ButBlueMin, &ButRedMin,  &ButRedMax,
                                              &TextRed,  &OptGb,    &OptMb,      &CheckCD,    &CheckRemov, &CheckNet,
                                              &ButCopy,  &ButExit,  &ButAbout,   &OptLang(1), &OptLang(2)};
    for (std::size_t i = 0; i < focusOrder.size(); ++i) focusOrder[i]->TabIndex = static_cast<int>(i);

    for (Control* control :
         {&LabTit2,   &LabTit1, &Frame1, &CheckNet,   &CheckRemov, &CheckCD,    &Frame2, &OptMb,  &OptGb,     &Frame3,
          &ButCopy,   &Frame4,  &Lab51,  &ButBlueMin, &TextBlue,   &ButBlueMax, &Lab52,  &Lab53,  &ButRedMin, &TextRed,
          &ButRedMax, &Lab54,   &Label1, &Label2,     &Label3,     &Label4,     &Label5, &Label6, &Label7}) {
        Register(*control);
    }
    for (ControlArray* array : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Lab2, &Lab1, &Lin1, &Lin2}) {
        Register(*array);
    }
    Register(FramEnd);
    Register(OptLang);
    Register(ButExit);
    Register(ButAbout);
    Register(ButFocus);
}

int MainWindow::TableRowOf(const Control& control)
{
    static constexpr std::array<std::string_view, 10> RowArrays{"Text1", "Text2", "Text3", "Text4", "Text5",
                                                                "Text6", "Lab1",  "Lab2",  "Lin1",  "Lin2"};
    if (control.Index <= 0) return 0;
    for (const std::string_view name : RowArrays) {
        if (control.Name == name) return control.Index;
    }
    return 0;
}

}  // namespace brelvon
