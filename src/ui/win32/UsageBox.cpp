#include "ui/win32/UsageBox.h"

#include "os/windows/WideText.h"
#include "ui/win32/WindowDpi.h"

#include <algorithm>
#include <vector>

#include <windows.h>

namespace brelvon {

namespace {

constexpr const wchar_t* ClassName = L"BrelvonUsageBox";
// Sizes in pixels at 96 dots per inch, as Windows' own dialogs space them.
constexpr int Margin = 11;
constexpr int OptionIndent = 12;  // options stand in from their section's heading
constexpr int ColumnGap = 16;
constexpr int TextWidth = 600;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;

struct Piece {
    std::wstring Option;  // empty for a paragraph
    std::wstring Text;    // the meaning, or the paragraph; empty for a gap
};

std::vector<Piece> PiecesOf(const std::wstring& usage)
{
    std::vector<Piece> pieces;
    std::size_t start = 0;
    while (start <= usage.size()) {
        const std::size_t end = std::min(usage.find(L'\n', start), usage.size());
        const std::wstring line = usage.substr(start, end - start);
        const std::size_t tab = line.find(L'\t');
        if (tab == std::wstring::npos) {
            pieces.push_back({L"", line});
        } else {
            pieces.push_back({line.substr(0, tab), line.substr(tab + 1)});
        }
        start = end + 1;
    }
    return pieces;
}

// The face of the system's message boxes, for `dpi`.
HFONT MessageFont(int dpi)
{
    using ForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    const auto forDpi = user32 != nullptr ? reinterpret_cast<ForDpiFunction>(reinterpret_cast<void*>(
                                                ::GetProcAddress(user32, "SystemParametersInfoForDpi")))
                                          : nullptr;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi != nullptr && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
        return ::CreateFontIndirectW(&metrics.lfMessageFont);
    }
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    }
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
}

int TextHeight(HDC dc, const std::wstring& text, int width)
{
    RECT box{0, 0, width, 0};
    ::DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return box.bottom;
}

int TextWidthOf(HDC dc, const std::wstring& text)
{
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

LRESULT CALLBACK BoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ::DestroyWindow(window);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void AddStatic(HWND box, HFONT font, const std::wstring& text, RECT place)
{
    HWND label = ::CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                   place.left, place.top, place.right - place.left, place.bottom - place.top, box,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

void ShowUsageBox(const std::string& title, const std::string& usage)
{
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW boxClass{};
    boxClass.cbSize = sizeof boxClass;
    boxClass.lpfnWndProc = BoxProcedure;
    boxClass.hInstance = instance;
    boxClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    boxClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    boxClass.lpszClassName = ClassName;
    ::RegisterClassExW(&boxClass);

    const int dpi = DpiOf(nullptr);
    const auto scaled = [dpi](int pixels) { return ::MulDiv(pixels, dpi, 96); };
    HFONT font = MessageFont(dpi);
    const std::vector<Piece> pieces = PiecesOf(WideFromUtf8(usage));

    // Measured first: the widest option sets where the meanings start.
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ previousFont = ::SelectObject(dc, font);
    int optionWidth = 0;
    for (const Piece& piece : pieces) optionWidth = std::max(optionWidth, TextWidthOf(dc, piece.Option));
    const int textWidth = std::max(scaled(TextWidth), scaled(OptionIndent) + optionWidth + scaled(ColumnGap) * 4);
    const int optionLeft = scaled(Margin) + scaled(OptionIndent);
    const int meaningLeft = optionLeft + optionWidth + scaled(ColumnGap);
    const int meaningWidth = scaled(Margin) + textWidth - meaningLeft;
    struct Placed {
        const Piece* Of;
        int Top;
        int Height;
    };
    std::vector<Placed> placed;
    int top = scaled(Margin);
    for (const Piece& piece : pieces) {
        if (piece.Option.empty() && piece.Text.empty()) {
            top += TextHeight(dc, L" ", textWidth) / 2;
            continue;
        }
        const int height =
            piece.Option.empty() ? TextHeight(dc, piece.Text, textWidth) : TextHeight(dc, piece.Text, meaningWidth);
        placed.push_back({&piece, top, height});
        top += height;
    }
    ::SelectObject(dc, previousFont);
    ::ReleaseDC(nullptr, dc);

    const SIZE client{scaled(Margin) * 2 + textWidth, top + scaled(Margin) * 2 + scaled(ButtonHeight)};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD extendedStyle = WS_EX_DLGMODALFRAME;
    const SIZE outer = OuterSize(client, style, extendedStyle, dpi);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + std::max(0L, (work.right - work.left - outer.cx) / 2);
    const int outerTop = work.top + std::max(0L, (work.bottom - work.top - outer.cy) / 2);
    HWND box = ::CreateWindowExW(extendedStyle, ClassName, WideFromUtf8(title).c_str(), style, left, outerTop, outer.cx,
                                 outer.cy, nullptr, nullptr, instance, nullptr);
    if (box == nullptr) {
        ::MessageBoxW(nullptr, WideFromUtf8(usage).c_str(), WideFromUtf8(title).c_str(), MB_OK);
        ::DeleteObject(font);
        return;
    }
    for (const Placed& line : placed) {
        if (line.Of->Option.empty()) {
            AddStatic(box, font, line.Of->Text,
                      {scaled(Margin), line.Top, scaled(Margin) + textWidth, line.Top + line.Height});
            continue;
        }
        AddStatic(box, font, line.Of->Option, {optionLeft, line.Top, meaningLeft, line.Top + line.Height});
        AddStatic(box, font, line.Of->Text,
                  {meaningLeft, line.Top, meaningLeft + meaningWidth, line.Top + line.Height});
    }
    const int buttonTop = top + scaled(Margin);
    HWND ok = ::CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                client.cx - scaled(Margin) - scaled(ButtonWidth), buttonTop, scaled(ButtonWidth),
                                scaled(ButtonHeight), box, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)),
                                instance, nullptr);
    ::SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    ::ShowWindow(box, SW_SHOWNORMAL);
    ::SetForegroundWindow(box);
    ::SetFocus(ok);
    MSG message{};
    while (::IsWindow(box) && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (::IsDialogMessageW(box, &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::DeleteObject(font);
}

}  // namespace brelvon
