#pragma once

#include <cstdio>
#include <cstdlib>

namespace brelvon::fuzz {

// A broken contract: says which and aborts, so that libFuzzer keeps the input
// as a crash and the replay test fails on it.
[[noreturn]] inline void Broken(const char* contract)
{
    std::fprintf(stderr, "broken contract: %s\n", contract);
    std::abort();
}

inline void Require(bool holds, const char* contract)
{
    if (!holds) Broken(contract);
}

}  // namespace brelvon::fuzz
