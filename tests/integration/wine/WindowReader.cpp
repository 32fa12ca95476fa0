// brelvon-window-reader: another Windows program beside Brelvon's window,
// for the window tests under Wine: it reads what the window shows as a
// screen reader would, or holds the clipboard as a busy program may.
//
//   brelvon-window-reader TITLE
//
// reads the top-level window whose title begins with TITLE and prints, one
// line each, tab-separated, in UTF-8:
//   client WIDTH HEIGHT    its client area in pixels
//   origin X Y             where its client area begins on the screen
//   edit TEXT              each visible text box
//   check TEXT STATE       each visible check box: 0, 1, or 2 for grey
//   option TEXT STATE      each visible option button: 0 or 1
//   button TEXT            each visible command button
//   static TEXT LEFT TOP   each visible static text, placed in the window's client area
//   focus KIND TEXT        the control with the keyboard focus, if any
// A window that does not answer within two seconds counts as not found.
// Exits 1 when no such window is found, 2 for a bad command line.
//
//   brelvon-window-reader --hold-clipboard SECONDS
//
// opens the clipboard, prints "held" and keeps it open for SECONDS.
//
//   brelvon-window-reader --grab TITLE FILE
//
// writes the pixels that the screen shows of that window's client area to
// FILE, as a binary PPM: read from the screen, not painted for the purpose,
// so that what a stale paint left is seen as the user sees it.
#include "os/windows/WideText.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <windows.h>

namespace {

constexpr UINT AnswerMilliseconds = 2000;

struct Search {
    std::wstring Title;
    HWND Found = nullptr;
};

// The text of a window of another program; nullopt-like false when it does not answer.
bool TextOf(HWND window, std::wstring& text)
{
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, AnswerMilliseconds, &length)) {
        return false;
    }
    text.assign(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                               AnswerMilliseconds, &copied)) {
        return false;
    }
    text.resize(copied);
    return true;
}

// "edit", "static", "check", "option", "button", "frame" or "" for a child window.
std::string KindOf(HWND window)
{
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    if (::lstrcmpiW(name, L"Edit") == 0) return "edit";
    if (::lstrcmpiW(name, L"Static") == 0) return "static";
    if (::lstrcmpiW(name, L"Button") != 0) return "";
    switch (::GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return "check";
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return "option";
    case BS_GROUPBOX: return "frame";
    default: return "button";
    }
}

void Print(const std::string& kind, HWND window, bool withState)
{
    std::wstring text;
    TextOf(window, text);
    std::cout << kind << '\t' << brelvon::Utf8FromWide(text);
    if (withState) std::cout << '\t' << ::SendMessageW(window, BM_GETCHECK, 0, 0);
    std::cout << '\n';
}

BOOL CALLBACK PrintChild(HWND child, LPARAM /*unused*/)
{
    if (!::IsWindowVisible(child)) return TRUE;
    const std::string kind = KindOf(child);
    if (kind == "edit" || kind == "button") Print(kind, child, false);
    if (kind == "check" || kind == "option") Print(kind, child, true);
    if (kind == "static") {
        std::wstring text;
        TextOf(child, text);
        RECT place{};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&place), 2);
        std::cout << "static\t" << brelvon::Utf8FromWide(text) << '\t' << place.left << '\t' << place.top << '\n';
    }
    return TRUE;
}

BOOL CALLBACK FindTitle(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<Search*>(data);
    std::wstring title;
    if (::IsWindowVisible(window) && TextOf(window, title) && title.rfind(search.Title, 0) == 0) {
        search.Found = window;
        return FALSE;
    }
    return TRUE;
}

// The window whose title begins with `title`; nullptr when none answers.
HWND FindWindowTitled(const std::string& title)
{
    Search search{brelvon::WideFromUtf8(title)};
    ::EnumWindows(FindTitle, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

bool Grab(HWND window, const char* file)
{
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) return false;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ before = ::SelectObject(memory, bitmap);
    const bool copied = ::BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY) != FALSE;
    ::GdiFlush();
    std::ofstream out(file, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    const auto* pixels = static_cast<const unsigned char*>(bits);
    std::vector<char> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height && copied; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* bgra = pixels + (static_cast<std::size_t>(y) * width + x) * 4;
            row[static_cast<std::size_t>(x) * 3] = static_cast<char>(bgra[2]);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(bgra[1]);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(bgra[0]);
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
    ::SelectObject(memory, before);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return copied && out.good();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--hold-clipboard") {
        if (!::OpenClipboard(nullptr)) return 1;
        std::cout << "held" << std::endl;
        ::Sleep(static_cast<DWORD>(std::stoul(argv[2]) * 1000));
        ::CloseClipboard();
        return 0;
    }
    const bool grab = argc == 4 && std::string(argv[1]) == "--grab";
    if (argc != 2 && !grab) {
        std::cerr << "usage: brelvon-window-reader TITLE | --hold-clipboard SECONDS | --grab TITLE FILE\n";
        return 2;
    }
    const std::string title = argv[grab ? 2 : 1];
    HWND found = FindWindowTitled(title);
    if (found == nullptr) {
        std::cerr << "brelvon-window-reader: no window answers with a title beginning \"" << title << "\"\n";
        return 1;
    }
    if (grab) return Grab(found, argv[3]) ? 0 : 1;
    std::ios::sync_with_stdio(false);
    RECT client{};
    ::GetClientRect(found, &client);
    std::cout << "client\t" << client.right << '\t' << client.bottom << '\n';
    POINT origin{0, 0};
    ::ClientToScreen(found, &origin);
    std::cout << "origin\t" << origin.x << '\t' << origin.y << '\n';
    ::EnumChildWindows(found, PrintChild, 0);

    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(found, nullptr), &thread) && thread.hwndFocus != nullptr &&
        ::IsChild(found, thread.hwndFocus)) {
        std::wstring text;
        TextOf(thread.hwndFocus, text);
        std::cout << "focus\t" << KindOf(thread.hwndFocus) << '\t' << brelvon::Utf8FromWide(text) << '\n';
    }
    return 0;
}
