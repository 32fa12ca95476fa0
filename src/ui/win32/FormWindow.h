#pragma once

#include "model/Control.h"
#include "model/Form.h"
#include "ui/shared/ColumnFit.h"
#include "ui/shared/MirroredControl.h"
#include "ui/shared/ScrollBand.h"
#include "ui/shared/WindowHandlers.h"
#include "ui/win32/CellFitter.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/Handles.h"
#include "ui/win32/ToolTips.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <windows.h>

namespace brelvon {

// What the window does with the user's actions.
using FormWindowHandlers = WindowHandlers;

struct FormWindowOptions {
    bool MinimizeButton = true;
    // A window that this one stays in front of and is centred on; Escape closes such a window.
    HWND Owner = nullptr;
    int IconResource = 0;  // the program's icon among its resources, for the window and picture boxes; 0 for none
    // The tool tip of a control, asked each time it is about to show; empty for none.
    std::function<std::string(const Control&)> ToolTip;
    // The controls that make the band which scrolls when the window is taller
    // than the screen (see FitBandToScreen); none when not given.
    std::function<bool(const Control&)> Scrolls;
    // A size cell's number in larger units, for a cell whose digits would not
    // fit even at the smallest size (see FitColumn); none when not given.
    std::function<std::optional<SizeForms>(const Control&)> ShorterForms;
};

// One window of the model shown as a real Win32 window. Sync() makes it show
// the model exactly: it creates a child window for every button, check box,
// option button, text box and frame that has none, writes only what differs
// from what it wrote last, destroys the windows of controls that are gone,
// restacks when the set of controls or their order changed, repaints what
// changed of the labels, lines and picture boxes it draws itself, and moves
// the keyboard focus to the model's focus control. Frames are group boxes
// that hold their controls as child windows. Locked text boxes show their
// whole text as CellOverflow says.
//
// Labels, lines and picture boxes are drawn on their container (the window,
// a frame or the band), lowest first as LiesBeneath says (captions and lines
// beneath picture boxes), all below the child windows, so that transparent
// labels show what lies under them and a caption never takes a click that
// lands on a control with a window.
//
// A window too tall for its screen's work area gets that height: the
// controls of the scrolling band lie in a child window with a scroll bar
// between the strips above and below it, which move up (see
// FitBandToScreen), and the window's top never leaves the screen.
//
// Sizes follow the window's screen: twips become pixels at its dots per inch,
// and a move to a screen of another resolution writes everything anew. The
// form must outlive the window.
class FormWindow {
public:
    FormWindow(Form& form, FormWindowHandlers handlers, FormWindowOptions options);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow();

    void Sync();
    // Syncs, places the window (centred on the owner, else on its screen's
    // work area) and shows it. Later Syncs follow the model's Visible.
    void Show();
    // Brings the window to the front and makes it the active window.
    void BringToFront();

    [[nodiscard]] Form& Model() const { return form_; }
    [[nodiscard]] HWND Window() const { return window_.get(); }
    // The child window of a control by its full name, such as "Text3(2)";
    // nullptr for a control drawn on its container, or none.
    [[nodiscard]] HWND WindowOf(const std::string& fullName) const;
    // The full name of the control whose child window this is; empty for none.
    [[nodiscard]] std::string NameOf(HWND child) const;
    // The full name of the control that has the keyboard focus in this
    // window; empty when none has.
    [[nodiscard]] std::string FocusedName() const;
    // The band's scrolling window; nullptr for a window without a band.
    [[nodiscard]] HWND Band() const { return band_.get(); }
    [[nodiscard]] int Dpi() const { return dpi_; }

    // Enter or Return on a control that is not a command button clicks this button.
    void SetDefaultButton(const std::string& fullName) { defaultButton_ = fullName; }
    // Called once, after the window's first paint has reached the screen.
    void OnFirstPainted(std::function<void()> handler) { firstPainted_ = std::move(handler); }
    // Sees every message of the window before it; returns true for one it
    // has taken, which the window then leaves alone. One observer at a time.
    void SetMessageObserver(std::function<bool(UINT, WPARAM, LPARAM)> observer) { observer_ = std::move(observer); }

    // The keys the window handles before the control with the focus sees
    // them: Tab and Shift+Tab follow the model's focus order; Enter clicks the
    // focused command button, or else the default button; Escape closes a
    // window in front of another. Called by the message loop for every
    // message; returns whether the message was used.
    static bool TranslateKey(const MSG& message);

private:
    struct Bound {
        std::string Name;           // the control's full name
        UniqueWindow Window;        // its child window; empty for what the container draws
        HWND Surface = nullptr;     // the window it lies on: this window, a frame's, or the band
        MirroredControl Mirror;     // what was last written, and what changed since
        int FitWidth = 0;           // see SharedFitWidths; 0 for the label's own width
        bool InBand = false;        // lies in the scrolling band
        HFONT ShownFont = nullptr;  // the font last given to its child window
        std::string Whole;          // a text box cut or shortened to fit: its own text (CellLook::Whole)
        std::string Exact;          // a number shown in a larger unit: its exact figure, for its tool tip
        bool HasTip = false;        // a tool tip is registered for it
        std::uint64_t MadeIn = 0;   // the Sync that made its child window
        std::uint64_t SeenIn = 0;   // the Sync that last found its control

        [[nodiscard]] const Control& Shown() const { return Mirror.Shown(); }
    };
    // Where the band lies and how it fits the screen, in pixels of the window.
    struct BandPlace {
        int Top = 0;
        int Bottom = 0;
        BandFit Fit;
        friend bool operator==(const BandPlace&, const BandPlace&) = default;
    };

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The procedure of the frames, which the window draws on as on its own client area.
    static LRESULT CALLBACK SurfaceProcedure(HWND surface, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR data);
    // Text boxes pass their double clicks on.
    static LRESULT CALLBACK TextBoxProcedure(HWND textBox, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR data);
    // The FormWindow of a top-level window of ours; nullptr for any other window.
    static FormWindow* FromWindow(HWND window);

    // The messages of this window.
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The messages of the band's window.
    LRESULT HandleBand(UINT message, WPARAM wParam, LPARAM lParam);
    // The messages this window, its frames and its band handle alike; false for the others.
    bool HandleSurface(HWND surface, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnCommand(HWND control, UINT code);
    LRESULT OnControlColor(HDC dc, HWND control, UINT message);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnActivate(bool active);
    void OnMouse(HWND surface, UINT message, POINT point);
    void PaintSurface(HWND surface);
    // The surface's background, a frame's edge and caption, and what it draws,
    // over `area`; `origin` is where the surface's (0, 0) lies in `dc`.
    void DrawSurface(HWND surface, HDC dc, const RECT& area, POINT origin);

    void Rescale(int dpi);
    void Place();
    void KeepOnScreen();
    void ApplyWindow(const Control& window);
    // Returns whether the stacking or focus order of the control changed.
    bool Apply(Bound& bound, const Control& control, int fitWidth, const CellLook* look, bool placeAgain);
    // The window a control lies on, decided when it is first met: its frame's, the band's or this window's.
    void PlaceOnSurface(Bound& bound, const Control& control);
    void CreateChild(Bound& bound, const Control& control, const CellLook* look);
    void ApplyChild(Bound& bound, const Control& control, const ControlChanges& changes, const CellLook* look,
                    bool placeAgain);
    // `was` is where the control lay when it was last shown; none when it was not.
    void ApplyPainted(Bound& bound, const Control& control, const ControlChanges& changes, const std::optional<RECT>& was,
                      int fitWidth, bool placeAgain);
    void ApplyTip(Bound& bound, const Control& control);
    // A control's tool tip: what the options say, and the exact figure of a number shown in a larger unit.
    [[nodiscard]] std::string TipOf(const Bound& bound, const Control& control) const;
    void SetFont(Bound& bound, const Control& control, HFONT font);
    // What each locked text box shows, as CellOverflow says, by control.
    [[nodiscard]] std::unordered_map<const Control*, CellLook> CellLooks();
    void Retire(Bound& bound);
    void Restack();
    void MirrorFocus();
    void MoveFocus(int step);
    void ClickControl(const std::string& name);
    void DoubleClickControl(const std::string& name);
    // Copies from a cell (a locked text box) what CopiedCell says: the
    // selection, or the whole cell when nothing is selected, a cut cell as
    // its whole text has it, without padding; false for a box that is not a
    // cell, which copies itself.
    [[nodiscard]] bool CopyCell(HWND textBox) const;
    void UpdateIcons();
    [[nodiscard]] Bound* BoundOf(HWND window);
    [[nodiscard]] const Bound* BoundOf(HWND window) const;
    [[nodiscard]] HICON PictureIcon(int size);
    // The control whose colour a surface has: the window's, or a frame's.
    [[nodiscard]] const Control& SurfaceModel(HWND surface) const;
    // How far a control lies below (negative: above) its place in the model:
    // the band's rows by the band's top and scrolling, what lies below the
    // band by how much the band was cut.
    [[nodiscard]] int ShiftOf(const Bound& bound, const Control& control) const;
    // The pixels a control covers on its surface.
    [[nodiscard]] RECT PlaceOf(const Bound& bound, const Control& control) const;
    // The label drawn topmost at a point of a surface; nullptr when none.
    [[nodiscard]] const Bound* LabelAt(HWND surface, POINT point) const;

    [[nodiscard]] BandPlace MeasureBand() const;
    [[nodiscard]] int AvailableClientHeight() const;
    void PlaceBand();
    void ScrollBandTo(int position);
    void ScrollIntoView(HWND child);
    void OnScroll(UINT request);

    Form& form_;
    FormWindowHandlers handlers_;
    FormWindowOptions options_;
    UniqueWindow window_;
    UniqueWindow band_;
    BandPlace bandPlace_;
    int scroll_ = 0;  // pixels of the band scrolled out of view at its top
    int dpi_ = 96;
    GdiCache gdi_;
    std::unique_ptr<ToolTips> tips_;
    std::unordered_map<std::string, Bound> bound_;
    std::unordered_map<HWND, Bound*> byWindow_;
    // Per surface, what it draws, lowest first.
    std::map<HWND, std::vector<const Bound*>> painted_;
    std::vector<UniqueWindow> retired_;  // destroyed once the message that retired them is handled
    MirroredControl windowMirror_;
    bool shown_ = false;
    bool syncing_ = false;      // our own writes raise no Type and no Click
    bool movingFocus_ = false;  // an option button that gets the focus sends a click: not the user's
    std::uint64_t sync_ = 0;
    std::string defaultButton_;
    std::string pressed_;              // the label the left button went down on
    std::map<int, UniqueIcon> icons_;  // the program's icon by size in pixels
    std::function<void()> firstPainted_;
    std::function<bool(UINT, WPARAM, LPARAM)> observer_;
    bool firstPaintDone_ = false;
    bool closing_ = false;  // the window is being destroyed: messages go to the system
};

}  // namespace brelvon
