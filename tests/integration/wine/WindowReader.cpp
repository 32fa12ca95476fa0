// brelvon-window-reader: another Windows program beside Brelvon's window,
// for the window tests under Wine: it reads what the window shows as a
// screen reader would, or holds the clipboard as a busy program may.
//
//   brelvon-window-reader TITLE
//
// reads the top-level window whose title begins with TITLE and prints, one
// line each, tab-separated, in UTF-8:
//   client WIDTH HEIGHT    its client area in pixels
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
#include "os/windows/WideText.h"

#include <cstdio>
#include <iostream>
#include <string>

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
    if (argc != 2) {
        std::cerr << "usage: brelvon-window-reader TITLE | --hold-clipboard SECONDS\n";
        return 2;
    }
    Search search{brelvon::WideFromUtf8(argv[1])};
    ::EnumWindows(FindTitle, reinterpret_cast<LPARAM>(&search));
    if (search.Found == nullptr) {
        std::cerr << "brelvon-window-reader: no window answers with a title beginning \"" << argv[1] << "\"\n";
        return 1;
    }
    std::ios::sync_with_stdio(false);
    RECT client{};
    ::GetClientRect(search.Found, &client);
    std::cout << "client\t" << client.right << '\t' << client.bottom << '\n';
    ::EnumChildWindows(search.Found, PrintChild, 0);

    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(search.Found, nullptr), &thread) && thread.hwndFocus != nullptr &&
        ::IsChild(search.Found, thread.hwndFocus)) {
        std::wstring text;
        TextOf(thread.hwndFocus, text);
        std::cout << "focus\t" << KindOf(thread.hwndFocus) << '\t' << brelvon::Utf8FromWide(text) << '\n';
    }
    return 0;
}
