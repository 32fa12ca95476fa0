#include "ui/win32/MainFormBinding.h"

#include "os/windows/WideText.h"

#include <shellapi.h>

namespace brelvon {

namespace {

FormWindowOptions WithIcon(int iconResource)
{
    FormWindowOptions options;
    options.IconResource = iconResource;
    return options;
}

}  // namespace

MainFormBinding::MainFormBinding(MainForm& form, int iconResource)
    : MainFormWindows(form, WithIcon(iconResource), [this](const std::string& folder) {
          ::ShellExecuteW(Main().Window(), L"open", WideFromUtf8(folder).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      })
{}

}  // namespace brelvon
