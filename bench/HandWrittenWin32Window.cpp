// The yardstick for brelvon.exe's start-up: Brelvon's main window written by
// hand against the Win32 API, without the window model and its binding. The
// same system controls (edit boxes, push, check and option buttons, group
// boxes) and the same painted captions, bars and markers in the same places,
// one row per row of a survey of the drive file; it ends right after its
// first paint has reached the screen, as brelvon.exe --quit-after-shown does.
//
//   brelvon_bench_hand_win32.exe --drives FILE [-Nd1] [-Rd1] [-Cd1] [--stay]
//
// English, megabytes and the default limits only; --stay keeps the window open.
#include "HandWrittenRows.h"
#include "model/ApplicationFacts.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

using handwritten::Color;

constexpr UINT PaintedMessage = WM_APP + 1;
constexpr COLORREF Grey = RGB(224, 224, 224);
int dpi = 96;

int Px(int twips) { return static_cast<int>(std::lround(twips * double(dpi) / 1440)); }
RECT At(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(left) + Px(width), Px(top) + Px(height)};
}
COLORREF Ref(Color color) { return RGB(color.R, color.G, color.B); }

std::wstring Wide(const std::string& text)
{
    std::wstring wide(static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0)),
                      L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size()));
    return wide;
}

// Fonts by face, size, weight and slant, made once each.
HFONT Font(const wchar_t* face, double points, bool bold = false, bool italic = false)
{
    static std::map<std::tuple<std::wstring, int, bool, bool>, HFONT> fonts;
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    HFONT& font = fonts[{face, height, bold, italic}];
    if (font != nullptr) return font;
    const bool mono = std::wstring(face) == L"Courier New";
    const bool serif = std::wstring(face) == L"Times New Roman";
    font = ::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_TT_PRECIS, 0, DEFAULT_QUALITY,
                         mono ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | (serif ? FF_ROMAN : FF_SWISS), face);
    return font;
}
HFONT Sans(bool bold = false) { return Font(L"Microsoft Sans Serif", 8.25, bold); }

HBRUSH Brush(COLORREF color)
{
    static std::map<COLORREF, HBRUSH> brushes;
    HBRUSH& brush = brushes[color];
    if (brush == nullptr) brush = ::CreateSolidBrush(color);
    return brush;
}

int TextWidth(HDC dc, HFONT font, const std::wstring& text)
{
    const HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    ::SelectObject(dc, previous);
    return extent.cx;
}

// A caption, bar or marker drawn on the window or a group box.
struct Painted {
    RECT Place;
    std::wstring Text;
    const wchar_t* Face = L"Microsoft Sans Serif";
    double Points = 8.25;
    bool Bold = false;
    UINT Alignment = DT_LEFT;
    COLORREF Fore = RGB(0, 0, 0);
    int FitWidth = 0;  // pixels the widest word must fit in; the width when 0
    bool Filled = false;
    COLORREF Back = 0;
    bool Bordered = false;
};

void Paint(HDC dc, const Painted& part)
{
    RECT inside = part.Place;
    if (part.Filled) ::FillRect(dc, &inside, Brush(part.Back));
    if (part.Bordered && inside.right > inside.left) {
        ::FrameRect(dc, &inside, Brush(RGB(0, 0, 0)));
        ::InflateRect(&inside, -1, -1);
    }
    if (part.Text.empty()) return;
    const int width = inside.right - inside.left;
    const int room = part.FitWidth > 0 ? std::min(part.FitWidth, width) : width;
    std::vector<std::wstring> words;
    for (std::size_t start = 0; start < part.Text.size();) {
        const std::size_t end = std::min(part.Text.find(L' ', start), part.Text.size());
        if (end > start) words.push_back(part.Text.substr(start, end - start));
        start = end + 1;
    }
    // The face shrinks in quarter points until its widest word fits.
    double points = part.Points;
    const auto widest = [&](double size) {
        int most = 0;
        for (const std::wstring& word : words) most = std::max(most, TextWidth(dc, Font(part.Face, size, part.Bold), word));
        return most;
    };
    while (points > 6.0 && widest(points) > room) points -= 0.25;
    const HGDIOBJ previous = ::SelectObject(dc, Font(part.Face, points, part.Bold));
    ::SetTextColor(dc, part.Fore);
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, part.Text.data(), int(part.Text.size()), &inside,
                DT_TOP | DT_WORDBREAK | DT_NOPREFIX | part.Alignment);
    ::SelectObject(dc, previous);
}

// What each surface (the window, a group box) draws, lowest first.
std::map<HWND, std::vector<Painted>> drawn;
std::map<HWND, std::pair<COLORREF, COLORREF>> colors;  // a control's text and background
HWND mainWindow = nullptr;
HWND tips = nullptr;
std::vector<HWND> rowControls;
std::vector<RECT> rowAreas;
bool quitAfterPaint = true;

void PaintSurface(HWND surface, bool groupBox)
{
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(surface, &paint);
    const RECT area = paint.rcPaint;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width > 0 && height > 0) {
        // Drawn off screen, then copied at once.
        HDC memory = ::CreateCompatibleDC(dc);
        HBITMAP bitmap = ::CreateCompatibleBitmap(dc, width, height);
        const HGDIOBJ previous = ::SelectObject(memory, bitmap);
        ::SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
        ::FillRect(memory, &area, Brush(Grey));
        if (groupBox) ::DefSubclassProc(surface, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        for (const Painted& part : drawn[surface]) Paint(memory, part);
        ::BitBlt(dc, area.left, area.top, width, height, memory, area.left, area.top, SRCCOPY);
        ::SelectObject(memory, previous);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
    }
    ::EndPaint(surface, &paint);
}

LRESULT ControlColor(HDC dc, HWND control)
{
    const auto found = colors.find(control);
    const auto [fore, back] = found != colors.end() ? found->second : std::pair{RGB(0, 0, 0), Grey};
    ::SetTextColor(dc, fore);
    ::SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(Brush(back));
}

// The one owner-drawn button, E X I T, on its own grey face.
void DrawButton(const DRAWITEMSTRUCT& item)
{
    RECT face = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    ::DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
    ::FillRect(item.hDC, &face, Brush(RGB(192, 192, 192)));
    wchar_t caption[32]{};
    const int length = ::GetWindowTextW(item.hwndItem, caption, 32);
    RECT text = face;
    if (pushed) ::OffsetRect(&text, 1, 1);
    const HGDIOBJ previous = ::SelectObject(item.hDC, Sans());
    ::SetTextColor(item.hDC, RGB(0, 0, 0));
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::DrawTextW(item.hDC, caption, length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(item.hDC, previous);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        ::InflateRect(&face, -1, -1);
        ::DrawFocusRect(item.hDC, &face);
    }
}

// Messages both the window and its group boxes answer.
bool Common(HWND surface, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_ERASEBKGND: result = 1; return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        result = ControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        return true;
    case WM_DRAWITEM:
        DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    default: static_cast<void>(surface); return false;
    }
}

LRESULT CALLBACK GroupBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_NCHITTEST) return HTCLIENT;
    if (message == WM_PAINT) {
        PaintSurface(box, true);
        return 0;
    }
    LRESULT result = 0;
    if (Common(box, message, wParam, lParam, result)) return result;
    return ::DefSubclassProc(box, message, wParam, lParam);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static bool painted = false;
    LRESULT result = 0;
    if (Common(window, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_PAINT:
        PaintSurface(window, false);
        if (!painted) {
            painted = true;
            ::PostMessageW(window, PaintedMessage, 0, 0);
        }
        return 0;
    case PaintedMessage: {
        // The rows' tool tips, once someone can point at them.
        tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 600);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = window;
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        for (HWND control : rowControls) {
            tool.uId = reinterpret_cast<UINT_PTR>(control);
            ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        tool.uFlags = TTF_SUBCLASS;
        for (std::size_t i = 0; i < rowAreas.size(); ++i) {
            tool.uId = i + 1;
            tool.rect = rowAreas[i];
            ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        if (quitAfterPaint) ::PostQuitMessage(0);
        return 0;
    }
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND Child(HWND parent, const wchar_t* kind, const std::wstring& text, DWORD style, RECT place, HFONT font,
           DWORD extended = 0)
{
    HWND child = ::CreateWindowExW(extended, kind, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                   place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

HWND GroupBox(HWND parent, const wchar_t* title, RECT place)
{
    HWND box = Child(parent, L"BUTTON", title, BS_GROUPBOX | WS_CLIPCHILDREN, place, Sans());
    ::SetWindowSubclass(box, GroupBoxProcedure, 1, 0);
    return box;
}

HWND Edit(HWND parent, const std::wstring& text, DWORD alignment, RECT place, HFONT font, COLORREF fore = 0,
          COLORREF back = RGB(255, 255, 255))
{
    HWND edit = Child(parent, L"EDIT", text, ES_AUTOHSCROLL | alignment | WS_TABSTOP, place, font, WS_EX_CLIENTEDGE);
    ::SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 2));
    colors[edit] = {fore, back};
    return edit;
}

HWND Button(HWND parent, const wchar_t* text, RECT place, DWORD style = BS_PUSHBUTTON)
{
    return Child(parent, L"BUTTON", text, style | WS_TABSTOP, place, Sans());
}

HWND Tick(HWND parent, const wchar_t* text, RECT place, DWORD style, bool on)
{
    HWND box = Child(parent, L"BUTTON", text, style | WS_TABSTOP, place, Sans());
    if (on) ::SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    return box;
}

const wchar_t* FaceOf(const handwritten::Cell& cell)
{
    switch (cell.Face) {
    case handwritten::Typeface::Sans: return L"Arial";
    case handwritten::Typeface::Serif: return L"Times New Roman";
    case handwritten::Typeface::Mono: break;
    }
    return L"Courier New";
}

// Cuts a label that is too wide: a path in the middle, before its last part,
// anything else at the end.
std::wstring Elided(HDC dc, HFONT font, const std::wstring& text, int room)
{
    if (TextWidth(dc, font, text) <= room) return text;
    const std::size_t lead = std::min(text.find_first_not_of(L' '), text.size());
    const std::size_t last = text.find_last_of(L'/');
    if (lead < text.size() && text[lead] == L'/' && last != std::wstring::npos && last > lead && last + 1 < text.size()) {
        for (std::size_t head = last - 1; head > lead; --head) {
            const std::wstring cut = text.substr(0, head) + L"\u2026" + text.substr(last);
            if (TextWidth(dc, font, cut) <= room) return cut;
        }
    }
    for (std::size_t head = text.size() - 1; head > lead; --head) {
        const std::wstring cut = text.substr(0, head) + L"\u2026";
        if (TextWidth(dc, font, cut) <= room) return cut;
    }
    return text.substr(0, lead) + L"\u2026";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::string driveFile;
    bool network = false, removable = false, cdRom = false;
    for (int i = 1; i < count; ++i) {
        const std::wstring argument = arguments[i];
        if (argument == L"--drives" && i + 1 < count) {
            const std::wstring path = arguments[++i];
            driveFile.resize(
                std::size_t(::WideCharToMultiByte(CP_UTF8, 0, path.data(), int(path.size()), nullptr, 0, nullptr, nullptr)));
            ::WideCharToMultiByte(CP_UTF8, 0, path.data(), int(path.size()), driveFile.data(), int(driveFile.size()),
                                  nullptr, nullptr);
        }
        network = network || argument == L"-Nd1";
        removable = removable || argument == L"-Rd1";
        cdRom = cdRom || argument == L"-Cd1";
        if (argument == L"--stay") quitAfterPaint = false;
    }
    ::LocalFree(arguments);
    handwritten::Table table;
    try {
        table = handwritten::SurveyTable(driveFile, network, removable, cdRom);
    } catch (const std::exception& error) {
        ::MessageBoxA(nullptr, error.what(), "brelvon_bench_hand_win32", MB_ICONERROR);
        return 2;
    }
    const int grown = table.Grown;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"HandWrittenWindow";
    ::RegisterClassExW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_MINIMIZEBOX;
    const std::wstring title = Wide("Brelvon v" + brelvon::ApplicationFacts{}.VersionText());
    HWND window = ::CreateWindowExW(0, L"HandWrittenWindow", title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    mainWindow = window;
    dpi = static_cast<int>(::GetDpiForWindow(window));
    RECT outer{0, 0, Px(12000), Px(2940 + grown)};
    ::AdjustWindowRectExForDpi(&outer, style, FALSE, 0, UINT(dpi));
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    ::SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
                   std::max(work.top, work.top + (work.bottom - work.top - height) / 2), width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
#ifdef BRELVON_ICON_RESOURCE
    for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        const int size = ::GetSystemMetricsForDpi(metric, UINT(dpi));
        ::SendMessageW(window, WM_SETICON, which,
                       reinterpret_cast<LPARAM>(::LoadImageW(instance, MAKEINTRESOURCEW(BRELVON_ICON_RESOURCE),
                                                             IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    }
#endif

    // What the window draws: the title twice, the headings, each row's bar background, markers and bar.
    auto& onWindow = drawn[window];
    for (const handwritten::Row& row : table.Rows) {
        onWindow.push_back({At(handwritten::BarLeft, row.Top, handwritten::BarWidth, 330), {}});
        onWindow.back().Filled = onWindow.back().Bordered = true;
        onWindow.back().Back = Ref(row.Background);
        rowAreas.push_back(onWindow.back().Place);
        if (row.Markers) {
            for (const auto& [x, color] : {std::pair{handwritten::RedMarkerX, RGB(255, 0, 0)},
                                           std::pair{handwritten::BlueMarkerX, RGB(0, 0, 255)}}) {
                onWindow.push_back({{Px(x), Px(row.Top + 15), Px(x) + 1, Px(row.Top + 315) + 1}, {}});
                onWindow.back().Filled = true;
                onWindow.back().Back = color;
            }
        }
        onWindow.push_back({At(handwritten::BarLeft, row.Top + 45, row.BarWidth, 240), {}});
        onWindow.back().Filled = true;
        onWindow.back().Bordered = row.BarWidth > 0;
        onWindow.back().Back = Ref(row.Bar);
    }
    for (const auto& [name, left, headingWidth, alignment] :
         {std::tuple{L"Disk", 420, 480, DT_LEFT}, std::tuple{L"Label", 765, 1455, DT_CENTER},
          std::tuple{L"Size", 2205, 1455, DT_CENTER}, std::tuple{L"Free", 3765, 1215, DT_CENTER},
          std::tuple{L"Used", 5085, 1095, DT_CENTER}, std::tuple{L"% Used", 6150, 990, DT_CENTER},
          std::tuple{L"Graph", 7110, 3855, DT_CENTER}}) {
        onWindow.push_back({At(left, 1185, headingWidth, 255), name});
        onWindow.back().Bold = true;
        onWindow.back().Alignment = UINT(alignment);
    }
    for (const auto& [left, top, titleWidth, titleHeight, fore] :
         {std::tuple{330, 220, 960, 645, RGB(255, 255, 255)}, std::tuple{315, 240, 750, 630, RGB(0, 0, 0)}}) {
        Painted titlePart{At(left, top, titleWidth, titleHeight), L"BRELVON", L"Times New Roman", 12, true};
        titlePart.Fore = fore;
        titlePart.FitWidth = Px(750);
        onWindow.push_back(titlePart);
    }

    // The rows' cells: each column's face shrinks until its widest cell fits; labels too wide are cut.
    HDC measure = ::CreateCompatibleDC(nullptr);
    const int edges = 2 * (::GetSystemMetricsForDpi(SM_CXEDGE, UINT(dpi)) + 2);
    std::array<double, handwritten::Columns> points{9, 9, 9, 9, 9, 9};
    for (int c = 0; c < handwritten::Columns; ++c) {
        const int room = Px(handwritten::TableColumns[c].Width) - edges;
        const auto widest = [&](double size) {
            int most = 0;
            for (const handwritten::Row& row : table.Rows) {
                const handwritten::Cell& cell = row.Cells[c];
                most = std::max(most, TextWidth(measure, Font(FaceOf(cell), size, cell.Bold, cell.Italic),
                                                Wide(cell.Text)));
            }
            return most;
        };
        while (c != 1 && !table.Rows.empty() && points[c] > 6.0 && widest(points[c]) > room) points[c] -= 0.25;
    }
    // Made topmost first: each child window lies below those made before it.
    HWND french = Tick(window, L"FR", At(1260, 2175 + grown, 645, 330), BS_RADIOBUTTON, false);
    HWND english = Tick(window, L"EN", At(630, 2175 + grown, 645, 330), BS_RADIOBUTTON, true);
    HWND about = Button(window, L"About", At(10395, 2145 + grown, 975, 375));
    HWND exit = Button(window, L"E X I T", At(5490, 2145 + grown, 975, 375), BS_OWNERDRAW);
    HWND clipboard = GroupBox(window, L"Clipboard", At(6615, 210, 960, 705));
    HWND copy = Button(clipboard, L"Copy", At(170, 270, 645, 330));
    HWND focus = Button(window, L"Focus", At(13065, 615, 660, 330));
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        const handwritten::Row& row = table.Rows[r];
        for (auto c = handwritten::CellStacking.rbegin(); c != handwritten::CellStacking.rend(); ++c) {
            const handwritten::Cell& cell = row.Cells[*c];
            const handwritten::Column& column = handwritten::TableColumns[*c];
            HFONT font = Font(FaceOf(cell), points[*c], cell.Bold, cell.Italic);
            std::wstring text = Wide(cell.Text);
            if (*c == 1) text = Elided(measure, font, text, Px(column.Width) - edges);
            const DWORD alignment = column.Alignment < 0 ? ES_LEFT : column.Alignment > 0 ? ES_RIGHT : ES_CENTER;
            rowControls.push_back(Edit(window, text, alignment | ES_READONLY, At(column.Left, row.Top, column.Width, 330),
                                       font, Ref(cell.Fore), Ref(cell.Back)));
        }
    }
    ::DeleteDC(measure);
    HWND types = GroupBox(window, L"Drive types", At(1260, 210, 3600, 705));
    HWND networkBox = Tick(types, L"Network", At(210, 315, 1050, 240), BS_3STATE, network);
    HWND removableBox = Tick(types, L"Removable", At(1260, 315, 1125, 240), BS_3STATE, removable);
    HWND cdRomBox = Tick(types, L"CD-Rom", At(2520, 315, 915, 240), BS_3STATE, cdRom);
    HWND unit = GroupBox(window, L"Unit", At(4935, 210, 1575, 705));
    HWND megabytes = Tick(unit, L"Mb", At(210, 270, 495, 315), BS_RADIOBUTTON, true);
    HWND gigabytes = Tick(unit, L"Gb", At(840, 270, 495, 315), BS_RADIOBUTTON, false);
    HWND graph = GroupBox(window, L"Graph", At(7665, 210, 3900, 705));
    auto& onGraph = drawn[graph];
    for (const auto& [text, left, labelWidth] : {std::tuple{L"Blue if <", 105, 675}, std::tuple{L"%", 1710, 225},
                                                 std::tuple{L"Red if >", 2040, 885}, std::tuple{L"%", 3615, 225}}) {
        onGraph.push_back({At(left, 345, labelWidth, 255), text});
    }
    HWND blueMin = Button(graph, L"-", At(720, 330, 285, 270));
    HWND blueText = Edit(graph, L"15", ES_CENTER, At(1005, 315, 375, 285), Sans());
    HWND blueMax = Button(graph, L"+", At(1380, 330, 285, 270));
    HWND redMin = Button(graph, L"-", At(2625, 330, 285, 270));
    HWND redText = Edit(graph, L"85", ES_CENTER, At(2910, 315, 375, 285), Sans());
    HWND redMax = Button(graph, L"+", At(3285, 330, 285, 270));
    for (HWND limit : {redText, blueText}) ::SendMessageW(limit, EM_SETLIMITTEXT, 3, 0);
    GroupBox(window, L"", At(420, 1935 + grown, 11160, 750));
    static_cast<void>(std::tie(redMax, redMin, blueMax, blueMin, gigabytes, megabytes, cdRomBox, removableBox,
                               networkBox, copy, exit, about, english, french));

    ::ShowWindow(window, show);
    ::SetFocus(focus);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
