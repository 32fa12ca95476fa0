// The yardstick for brelvon.exe's start-up: a bare Win32 window of the same
// size and colour as Brelvon's with one line of text, which ends right after
// its first paint has reached the screen, as brelvon.exe --quit-after-shown
// does. Only user32 and gdi32: no common controls, no manifest, no survey.
#include <windows.h>

namespace {

constexpr UINT PaintedMessage = WM_APP + 1;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static bool painted = false;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = ::BeginPaint(window, &paint);
        RECT client{};
        ::GetClientRect(window, &client);
        HBRUSH grey = ::CreateSolidBrush(RGB(224, 224, 224));
        ::FillRect(dc, &client, grey);
        ::DeleteObject(grey);
        HFONT font = ::CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, 0,
                                   DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Microsoft Sans Serif");
        HGDIOBJ previous = ::SelectObject(dc, font);
        ::SetBkMode(dc, TRANSPARENT);
        ::TextOutW(dc, 10, 10, L"Drive types", 11);
        ::SelectObject(dc, previous);
        ::DeleteObject(font);
        ::EndPaint(window, &paint);
        if (!painted) {
            painted = true;
            ::PostMessageW(window, PaintedMessage, 0, 0);
        }
        return 0;
    }
    case PaintedMessage: ::PostQuitMessage(0); return 0;
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"BareWindow";
    ::RegisterClassExW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer{0, 0, 794, 310};  // Brelvon's client area at 96 dpi with three fixed drives
    ::AdjustWindowRectEx(&outer, style, FALSE, 0);
    HWND window =
        ::CreateWindowExW(0, L"BareWindow", L"Bare window", style, CW_USEDEFAULT, CW_USEDEFAULT,
                          outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    ::ShowWindow(window, show);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
