#include "ui/win32/MachineWatch.h"

#include "ui/shared/FollowTimes.h"

#include <dbt.h>

#include <utility>

namespace brelvon {

namespace {

constexpr UINT_PTR PeriodTimer = 1;
constexpr UINT_PTR SettleTimer = 2;

UINT Milliseconds(std::chrono::milliseconds time) { return static_cast<UINT>(time.count()); }

// A volume arrived or went: a disk, a stick, a disc, a mapped share.
bool DrivesChanged(WPARAM event, LPARAM data)
{
    if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return false;
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    return header != nullptr && header->dbch_devicetype == DBT_DEVTYP_VOLUME;
}

}  // namespace

MachineWatch::MachineWatch(FormWindow& window, std::function<void()> refresh)
    : window_(window), refresh_(std::move(refresh))
{
    window_.SetMessageObserver(
        [this](UINT message, WPARAM wParam, LPARAM lParam) { return Observe(message, wParam, lParam); });
    if (Showing()) StartPeriod();
}

MachineWatch::~MachineWatch()
{
    window_.SetMessageObserver(nullptr);
    ::KillTimer(window_.Window(), PeriodTimer);
    ::KillTimer(window_.Window(), SettleTimer);
}

bool MachineWatch::Showing() const { return ::IsWindowVisible(window_.Window()) && !::IsIconic(window_.Window()); }

void MachineWatch::StartPeriod()
{
    // Setting a running timer again starts its period anew.
    ::SetTimer(window_.Window(), PeriodTimer, Milliseconds(FollowPeriod), nullptr);
    periodRunning_ = true;
}

bool MachineWatch::Observe(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == SettleTimer) ::KillTimer(window_.Window(), SettleTimer);
        if (wParam != SettleTimer && wParam != PeriodTimer) return false;
        Due();
        return true;
    case WM_DEVICECHANGE:
        // A stick with three partitions arrives in three notices: wait for the last.
        if (DrivesChanged(wParam, lParam))
            ::SetTimer(window_.Window(), SettleTimer, Milliseconds(FollowSettleTime), nullptr);
        return false;
    case WM_SHOWWINDOW: FollowShowing(wParam != FALSE && !::IsIconic(window_.Window())); return false;
    case WM_SIZE: FollowShowing(wParam != SIZE_MINIMIZED && ::IsWindowVisible(window_.Window())); return false;
    default: return false;
    }
}

void MachineWatch::Due()
{
    if (!Showing()) {
        missed_ = true;
        return;
    }
    missed_ = false;
    // The period counts from the last refresh, whatever caused it.
    if (periodRunning_) StartPeriod();
    refresh_();
}

void MachineWatch::FollowShowing(bool showing)
{
    if (!showing) {
        if (periodRunning_) {
            ::KillTimer(window_.Window(), PeriodTimer);
            periodRunning_ = false;
            missed_ = true;  // the time until the window shows again is not followed
        }
        return;
    }
    if (!periodRunning_) {
        StartPeriod();
        if (missed_) {
            // Once the message that shows the window has been handled.
            ::SetTimer(window_.Window(), SettleTimer, 0, nullptr);
        }
    }
}

}  // namespace brelvon
