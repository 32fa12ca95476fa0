#pragma once

#include "model/Control.h"
#include "model/ControlArray.h"
#include "model/Form.h"

namespace brelvon {

// The main window as it is created: every control with its caption, place,
// size, font, colours, stacking and focus order. Start-up and the refresh
// change it from there.
class MainWindow final : public Form {
public:
    // The client area at creation.
    static constexpr int ClientWidth = 12000;
    static constexpr int ClientHeight = 2940;

    MainWindow();

    // Title block.
    Control LabTit2;
    Control LabTit1;
    // "Drive types" frame.
    Control Frame1;
    Control CheckNet;
    Control CheckRemov;
    Control CheckCD;
    // "Unit" frame.
    Control Frame2;
    Control OptMb;
    Control OptGb;
    // "Clipboard" frame.
    Control Frame3;
    Control ButCopy;
    // "Graph" frame: the blue and red limits.
    Control Frame4;
    Control Lab51;
    Control ButBlueMin;
    Control TextBlue;
    Control ButBlueMax;
    Control Lab52;
    Control Lab53;
    Control ButRedMin;
    Control TextRed;
    Control ButRedMax;
    Control Lab54;
    // Column headings.
    Control Label1;
    Control Label2;
    Control Label3;
    Control Label4;
    Control Label5;
    Control Label6;
    Control Label7;
    // Table rows: element i of each array makes row i.
    ControlArray Text1;
    ControlArray Text2;
    ControlArray Text3;
    ControlArray Text4;
    ControlArray Text5;
    ControlArray Text6;
    ControlArray Lab2;  // bar background, its width standing for 100 %
    ControlArray Lab1;  // usage bar
    ControlArray Lin1;  // blue limit marker
    ControlArray Lin2;  // red limit marker
    // Bottom strip.
    Control FramEnd;
    ControlArray OptLang;  // 1 English, 2 French
    Control ButExit;
    Control ButAbout;
    // Holds the keyboard focus, outside the visible client area.
    Control ButFocus;

    [[nodiscard]] bool EnglishSelected() const { return OptLang(1).Value != 0; }
    [[nodiscard]] bool MegabytesSelected() const { return OptMb.Value != 0; }
    // The table row a control shows: its element index when it belongs to
    // one of the row arrays (cells, bar, bar background, markers), else 0.
    [[nodiscard]] static int TableRowOf(const Control& control);
};

}  // namespace brelvon
