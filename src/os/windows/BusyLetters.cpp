#include "os/windows/BusyLetters.h"

namespace brelvon {

bool BusyLetters::IsBusy(char letter) const
{
    const std::lock_guard lock(mutex_);
    return running_.contains(letter);
}

void BusyLetters::Enter(char letter)
{
    const std::lock_guard lock(mutex_);
    ++running_[letter];
}

void BusyLetters::Leave(char letter)
{
    const std::lock_guard lock(mutex_);
    if (const auto found = running_.find(letter); found != running_.end() && --found->second <= 0) {
        running_.erase(found);
    }
}

}  // namespace brelvon
