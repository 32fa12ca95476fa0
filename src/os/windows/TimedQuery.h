#pragma once

#include "os/windows/BusyLetters.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace brelvon {

// One question about a drive letter that may block for long (Windows waits up
// to a minute for a share that does not answer), asked on a thread of its own
// from the moment the object is made, so that several can run at once. The
// letter is busy in `busy` for as long as the thread runs, which may be
// longer than the object lives: a question that never returns keeps its
// thread and its letter, and nothing else.
//
// A thread whose question was answered is joined when the object goes, so
// that it has ended before the survey returns: only a thread that is truly
// stuck is left running, and the program never ends while answered threads
// are still finishing (a thread ending beside the C runtime's own ending at
// exit crashed the program now and then).
template <typename Answer>
class TimedQuery {
public:
    TimedQuery(std::shared_ptr<BusyLetters> busy, char letter, std::function<Answer()> question)
        : state_(std::make_shared<State>())
    {
        busy->Enter(letter);
        try {
            thread_ = std::thread([state = state_, busy, letter, question = std::move(question)] {
                std::optional<Answer> answer;
                std::exception_ptr error;
                try {
                    answer = question();
                } catch (...) {
                    error = std::current_exception();
                }
                {
                    const std::lock_guard lock(state->Mutex);
                    state->Result = std::move(answer);
                    state->Error = error;
                    state->Done = true;
                }
                state->Finished.notify_all();
                busy->Leave(letter);
            });
        } catch (...) {
            busy->Leave(letter);
            throw;
        }
    }

    TimedQuery(TimedQuery&&) noexcept = default;
    TimedQuery& operator=(TimedQuery&&) = delete;
    TimedQuery(const TimedQuery&) = delete;
    TimedQuery& operator=(const TimedQuery&) = delete;
    ~TimedQuery()
    {
        if (!thread_.joinable()) return;
        bool answered = false;
        {
            const std::lock_guard lock(state_->Mutex);
            answered = state_->Done;
        }
        if (answered) {
            thread_.join();
        } else {
            thread_.detach();
        }
    }

    // The answer, waiting for it until `deadline`; nullopt when it has not come
    // by then. An exception the question threw is thrown here.
    [[nodiscard]] std::optional<Answer> AnswerBy(std::chrono::steady_clock::time_point deadline)
    {
        std::unique_lock lock(state_->Mutex);
        if (!state_->Finished.wait_until(lock, deadline, [this] { return state_->Done; })) return std::nullopt;
        if (state_->Error) std::rethrow_exception(state_->Error);
        return state_->Result;
    }

private:
    struct State {
        std::mutex Mutex;
        std::condition_variable Finished;
        bool Done = false;
        std::optional<Answer> Result;
        std::exception_ptr Error;
    };
    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace brelvon
