#pragma once

#include <map>
#include <mutex>

namespace brelvon {

// The drive letters with a question still running on a worker thread (see
// TimedQuery). A letter whose question outlived its time limit stays busy
// until the question returns, and is not asked again meanwhile: a second
// thread would only get stuck beside the first. Shared by the surveys of one
// process; thread-safe.
class BusyLetters {
public:
    [[nodiscard]] bool IsBusy(char letter) const;
    void Enter(char letter);
    void Leave(char letter);

private:
    mutable std::mutex mutex_;
    std::map<char, int> running_;  // questions running per letter
};

}  // namespace brelvon
