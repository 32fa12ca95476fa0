#pragma once

#include <chrono>

namespace brelvon {

// How a window follows the machine (MainForm::MachineChanged), whatever
// tells it that the machine changed.

// A change of drives comes in bursts (a stick with three partitions mounts in
// three steps): the refresh waits this long after the last of a burst.
inline constexpr std::chrono::milliseconds FollowSettleTime{300};
// While the window shows, it refreshes this often, so that free space
// follows what is written; the period counts from the last refresh.
inline constexpr std::chrono::milliseconds FollowPeriod{10'000};

}  // namespace brelvon
