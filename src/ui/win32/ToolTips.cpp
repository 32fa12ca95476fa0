#include "ui/win32/ToolTips.h"

#include "os/windows/WideText.h"

#include <commctrl.h>

namespace brelvon {

namespace {

// Wide enough for a row's details; '\n' breaks lines only when a width is set.
constexpr int MaximumTipWidth = 600;

TTTOOLINFOW ToolInfo(HWND surface, UINT_PTR id, UINT flags)
{
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = flags | TTF_SUBCLASS;
    info.hwnd = surface;
    info.uId = id;
    info.lpszText = LPSTR_TEXTCALLBACKW;
    return info;
}

}  // namespace

ToolTips::ToolTips(HWND owner)
    : tips_(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr))
{
    if (tips_) ::SendMessageW(tips_.get(), TTM_SETMAXTIPWIDTH, 0, MaximumTipWidth);
}

void ToolTips::AddWindow(HWND child)
{
    TTTOOLINFOW info = ToolInfo(::GetParent(child), reinterpret_cast<UINT_PTR>(child), TTF_IDISHWND);
    ::SendMessageW(tips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::AddArea(HWND surface, UINT_PTR id, const RECT& area)
{
    TTTOOLINFOW info = ToolInfo(surface, id, 0);
    info.rect = area;
    ::SendMessageW(tips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::MoveArea(HWND surface, UINT_PTR id, const RECT& area)
{
    TTTOOLINFOW info = ToolInfo(surface, id, 0);
    info.rect = area;
    ::SendMessageW(tips_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::RemoveWindow(HWND child)
{
    TTTOOLINFOW info = ToolInfo(::GetParent(child), reinterpret_cast<UINT_PTR>(child), TTF_IDISHWND);
    ::SendMessageW(tips_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::RemoveArea(HWND surface, UINT_PTR id)
{
    TTTOOLINFOW info = ToolInfo(surface, id, 0);
    ::SendMessageW(tips_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

bool ToolTips::HandleNotify(NMHDR& notice, const std::function<std::string(HWND child, UINT_PTR id)>& textOf)
{
    if (notice.hwndFrom != tips_.get() || notice.code != TTN_GETDISPINFOW) return false;
    auto& request = reinterpret_cast<NMTTDISPINFOW&>(notice);
    const bool isWindow = (request.uFlags & TTF_IDISHWND) != 0;
    text_ = WideFromUtf8(isWindow ? textOf(reinterpret_cast<HWND>(notice.idFrom), 0) : textOf(nullptr, notice.idFrom));
    request.lpszText = text_.data();
    return true;
}

}  // namespace brelvon
