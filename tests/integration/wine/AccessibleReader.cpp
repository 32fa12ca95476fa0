// brelvon-accessible-reader: a screen reader's view of a window, through
// MSAA, for the window tests under Wine.
//
//   brelvon-accessible-reader TITLE
//
// finds the top-level window whose title begins with TITLE, asks it for its
// client area's IAccessible (AccessibleObjectFromWindow) and prints the tree
// (AccessibleChildren) depth-first, one object a line, indented two blanks a
// level: ROLE<TAB>NAME, with <TAB>VALUE for a progress bar; UTF-8, LF. Roles
// are named as the Linux AT-SPI reader names them, so that both compare line
// by line. Exits 1 when no such window answers, 2 for a bad command line.
#include "os/windows/WideText.h"

#include <cstdio>
#include <string>
#include <vector>

#include <windows.h>

#include <oleacc.h>

namespace {

struct Search {
    std::wstring Title;
    HWND Found = nullptr;
};

BOOL CALLBACK FindTitle(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<Search*>(data);
    wchar_t title[256] = {};
    ::GetWindowTextW(window, title, 256);
    if (::IsWindowVisible(window) && std::wstring(title).rfind(search.Title, 0) == 0) {
        search.Found = window;
        return FALSE;
    }
    return TRUE;
}

const char* RoleName(long role)
{
    switch (role) {
    case ROLE_SYSTEM_CLIENT:
    case ROLE_SYSTEM_WINDOW: return "window";
    case ROLE_SYSTEM_STATICTEXT: return "text";
    case ROLE_SYSTEM_COLUMNHEADER: return "column header";
    case ROLE_SYSTEM_ROW: return "row";
    case ROLE_SYSTEM_TEXT: return "edit";
    case ROLE_SYSTEM_PROGRESSBAR: return "progress bar";
    case ROLE_SYSTEM_PUSHBUTTON: return "button";
    case ROLE_SYSTEM_CHECKBUTTON: return "check box";
    case ROLE_SYSTEM_RADIOBUTTON: return "radio button";
    case ROLE_SYSTEM_GROUPING: return "grouping";
    case ROLE_SYSTEM_GRAPHIC: return "graphic";
    default: return "other";
    }
}

std::string Text(BSTR text)
{
    std::string utf8 = text != nullptr ? brelvon::Utf8FromWide(std::wstring_view(text, ::SysStringLen(text))) : "";
    ::SysFreeString(text);
    return utf8;
}

void Write(IAccessible* object, int depth)
{
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    object->get_accRole(self, &role);
    BSTR name = nullptr;
    object->get_accName(self, &name);
    const long roleCode = role.vt == VT_I4 ? role.lVal : 0;
    std::string line = std::string(static_cast<std::size_t>(depth) * 2, ' ') + RoleName(roleCode) + '\t' + Text(name);
    if (roleCode == ROLE_SYSTEM_PROGRESSBAR) {
        BSTR value = nullptr;
        object->get_accValue(self, &value);
        line += '\t' + Text(value);
    }
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);

    long count = 0;
    object->get_accChildCount(&count);
    if (count <= 0) return;
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    long obtained = 0;
    if (FAILED(::AccessibleChildren(object, 0, count, children.data(), &obtained))) return;
    for (long i = 0; i < obtained; ++i) {
        VARIANT& child = children[static_cast<std::size_t>(i)];
        if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
            IAccessible* accessible = nullptr;
            if (SUCCEEDED(
                    child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&accessible)))) {
                Write(accessible, depth + 1);
                accessible->Release();
            }
        } else {
            std::printf("%*ssimple element %ld\n", (depth + 1) * 2, "", child.lVal);
        }
        ::VariantClear(&child);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: brelvon-accessible-reader TITLE\n");
        return 2;
    }
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Search search{brelvon::WideFromUtf8(argv[1])};
    ::EnumWindows(FindTitle, reinterpret_cast<LPARAM>(&search));
    if (search.Found == nullptr) {
        std::fprintf(stderr, "brelvon-accessible-reader: no window has a title beginning \"%s\"\n", argv[1]);
        return 1;
    }
    IAccessible* client = nullptr;
    if (const HRESULT asked = ::AccessibleObjectFromWindow(search.Found, static_cast<DWORD>(OBJID_CLIENT),
                                                           __uuidof(IAccessible), reinterpret_cast<void**>(&client));
        FAILED(asked)) {
        std::fprintf(stderr, "brelvon-accessible-reader: the window gives no IAccessible (0x%08lx)\n",
                     static_cast<unsigned long>(asked));
        return 1;
    }
    Write(client, 0);
    client->Release();
    ::CoUninitialize();
    return 0;
}
