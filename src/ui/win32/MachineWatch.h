#pragma once

#include "ui/win32/FormWindow.h"

#include <functional>

#include <windows.h>

namespace brelvon {

// Asks for a refresh when the machine may have changed, from the message
// loop, never inside a user's action:
// - when a drive comes or goes (WM_DEVICECHANGE for a volume, local or a
//   network share), once per burst: FollowSettleTime after the last notice;
// - every FollowPeriod while the window is shown and not minimised.
// While the window is hidden or minimised nothing is asked; a change seen
// meanwhile, and the time that passed, are made up for by one refresh as soon
// as it is shown again. The window must outlive the watch.
class MachineWatch {
public:
    MachineWatch(FormWindow& window, std::function<void()> refresh);
    MachineWatch(const MachineWatch&) = delete;
    MachineWatch& operator=(const MachineWatch&) = delete;
    ~MachineWatch();

private:
    // Returns whether the message was the watch's own.
    bool Observe(UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] bool Showing() const;
    void Due();
    void FollowShowing(bool showing);
    void StartPeriod();

    FormWindow& window_;
    std::function<void()> refresh_;
    bool periodRunning_ = false;
    bool missed_ = false;  // a refresh fell due while the window was not showing
};

}  // namespace brelvon
