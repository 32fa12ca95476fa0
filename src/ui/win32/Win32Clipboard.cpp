#include "ui/win32/Win32Clipboard.h"

#include "model/PlatformError.h"
#include "os/windows/WideText.h"

#include <cstring>
#include <memory>

namespace brelvon {

namespace {

// Another program may hold the clipboard open for a moment.
constexpr int OpenAttempts = 10;
constexpr DWORD OpenRetryMilliseconds = 20;

// The clipboard opened, and emptied, for as long as this lives.
class OpenClipboard {
public:
    explicit OpenClipboard(HWND owner)
    {
        for (int attempt = 0; attempt < OpenAttempts; ++attempt) {
            if (::OpenClipboard(owner)) {
                if (!::EmptyClipboard()) {
                    ::CloseClipboard();
                    throw PlatformError("The clipboard cannot be emptied");
                }
                return;
            }
            ::Sleep(OpenRetryMilliseconds);
        }
        throw PlatformError("The clipboard cannot be opened");
    }
    ~OpenClipboard() { ::CloseClipboard(); }
    OpenClipboard(const OpenClipboard&) = delete;
    OpenClipboard& operator=(const OpenClipboard&) = delete;
};

struct GlobalFreer {
    void operator()(HGLOBAL memory) const { ::GlobalFree(memory); }
};

}  // namespace

Win32Clipboard::Win32Clipboard()
    : owner_(::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleW(nullptr),
                               nullptr))
{}

void Win32Clipboard::Clear() { const OpenClipboard open(owner_.get()); }

void Win32Clipboard::SetText(const std::string& text)
{
    const std::wstring wide = WideFromUtf8(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    std::unique_ptr<void, GlobalFreer> memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) throw PlatformError("No memory for the clipboard's text");
    void* target = ::GlobalLock(memory.get());
    if (target == nullptr) throw PlatformError("No memory for the clipboard's text");
    std::memcpy(target, wide.c_str(), bytes);
    ::GlobalUnlock(memory.get());

    const OpenClipboard open(owner_.get());
    if (::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) {
        throw PlatformError("The clipboard cannot take the text");
    }
    // The system owns the text now.
    static_cast<void>(memory.release());
}

}  // namespace brelvon
